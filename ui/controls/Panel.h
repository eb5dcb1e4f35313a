#pragma once

#include <QFrame>

#include "ui/controls/Control.h"

// P: a container with a background colour and an optional raised bevel.
class Panel : public Control<QFrame> {
public:
    explicit Panel(QWidget* parent = nullptr);

    QString kindCode() const override { return QStringLiteral("P"); }
    QString text() const override { return caption_; }
    void setText(const QString& text) override;
    // A raised inner bevel of the given width inside a border of one pixel.
    void setBevel(int width);

protected:
    bool fillsBackground() const override { return true; }

private:
    QString caption_;
};

// The red warning panel: it shows the text of the warning label of its window.
class WarningPanel : public Panel {
public:
    explicit WarningPanel(QWidget* parent = nullptr);

    // Showing it again repaints it, so a new warning is shown at once.
    void setVisible(bool visible) override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
