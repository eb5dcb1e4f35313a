#pragma once

#include <QLabel>

#include "ui/controls/Control.h"

// A label; it becomes opaque once it is given a background colour, and reports clicks.
class TextLabel : public Control<QLabel> {
public:
    explicit TextLabel(QWidget* parent = nullptr);

    QString kindCode() const override { return QStringLiteral("Label"); }
    QString text() const override { return QLabel::text(); }
    void setText(const QString& text) override;
    // A text longer than the label is drawn cut with an ellipsis and shown whole in the tooltip;
    // the text itself is unchanged.
    void setElided(bool elided);

protected:
    bool fillsBackground() const override { return true; }
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateElisionHint();

    bool elided_ = false;
};
