#pragma once

#include <QFrame>

#include "ui/controls/Control.h"

// A filled rectangle with a thin border; its colour is the fill colour.
class ShapeFrame : public Control<QFrame> {
public:
    explicit ShapeFrame(QWidget* parent = nullptr);

    QString kindCode() const override { return QStringLiteral("Shape"); }
    QString text() const override { return {}; }
    void setText(const QString&) override {}

protected:
    void paintEvent(QPaintEvent* event) override;
    // A shape frames the controls it is placed around: it always lies under them.
    void showEvent(QShowEvent* event) override;
};
