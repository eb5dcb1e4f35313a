#pragma once

#include <initializer_list>

#include <QPainterPath>
#include <QPointF>

// A closed outline through the given corners, for the drawn pictures.
inline QPainterPath closedPath(std::initializer_list<QPointF> corners)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& corner : corners) {
        if (first)
            path.moveTo(corner);
        else
            path.lineTo(corner);
        first = false;
    }
    path.closeSubpath();
    return path;
}
