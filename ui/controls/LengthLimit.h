#pragma once

#include <QRegularExpressionValidator>

class QKeyEvent;

// What the user may type into a one-line edit: at most a number of characters (0: any), only
// characters that can be saved, and optionally what a pattern allows. Texts set by the program are
// not checked: a loaded value longer than the limit is shown whole, as the limit bounds typing
// only.
class LengthLimit : public QValidator {
    Q_OBJECT
public:
    explicit LengthLimit(QObject* parent = nullptr);

    void setMaximum(int maximum) { maximum_ = maximum > 0 ? maximum : 0; }
    int maximum() const { return maximum_; }
    void setPattern(const QString& pattern);

    State validate(QString& input, int& pos) const override;
    // Whether typing the key into `text` with `selected` characters selected stays in the limit.
    bool roomFor(const QKeyEvent& key, const QString& text, int selected) const;

private:
    int maximum_ = 0;
    QRegularExpressionValidator* pattern_ = nullptr;
};
