#include "ui/Pictures.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "ui/PaintPaths.h"

namespace pictures {
namespace {

QPixmap transparentPixmap(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A shaded disc filling a 16 x 16 picture.
void drawDisc(QPainter& p, const QColor& fill)
{
    QRadialGradient shade(QPointF(6, 5), 10);
    shade.setColorAt(0, fill.lighter(150));
    shade.setColorAt(1, fill);
    p.setPen(QPen(fill.darker(160), 1));
    p.setBrush(shade);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
}

void drawTriangle(QPainter& p, const QColor& fill)
{
    const QPainterPath triangle = closedPath({{6, 4}, {12, 8}, {6, 12}});
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(triangle);
}

void drawCar(QPainter& p, const QRectF& box, const QColor& body)
{
    const qreal w = box.width();
    const qreal h = box.height();
    const QPainterPath car = closedPath({{box.left(), box.top() + h * 0.75},
                                         {box.left(), box.top() + h * 0.5},
                                         {box.left() + w * 0.2, box.top() + h * 0.45},
                                         {box.left() + w * 0.35, box.top() + h * 0.15},
                                         {box.left() + w * 0.7, box.top() + h * 0.15},
                                         {box.left() + w * 0.85, box.top() + h * 0.45},
                                         {box.right(), box.top() + h * 0.52},
                                         {box.right(), box.top() + h * 0.75}});
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(car);
    p.setBrush(QColor(210, 230, 250));
    p.drawRect(QRectF(box.left() + w * 0.38, box.top() + h * 0.22, w * 0.14, h * 0.2));
    p.drawRect(QRectF(box.left() + w * 0.55, box.top() + h * 0.22, w * 0.13, h * 0.2));
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(QPointF(box.left() + w * 0.24, box.top() + h * 0.78), w * 0.1, w * 0.1);
    p.drawEllipse(QPointF(box.left() + w * 0.76, box.top() + h * 0.78), w * 0.1, w * 0.1);
}

} // namespace

QPixmap listPicture(int index)
{
    QPixmap pixmap = transparentPixmap(kListSize, kListSize);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (index) {
    case 0: // delete
        drawDisc(p, QColor(205, 30, 30));
        p.fillRect(QRectF(4, 7, 8, 2), Qt::white);
        break;
    case 1: // add or record
        drawDisc(p, QColor(30, 150, 40));
        p.fillRect(QRectF(4, 7, 8, 2), Qt::white);
        p.fillRect(QRectF(7, 4, 2, 8), Qt::white);
        break;
    case 2: // no action
        p.setPen(QPen(QColor(190, 190, 190), 1));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        break;
    case 3: { // information
        QFont f(QStringLiteral("DejaVu Serif"));
        f.setPixelSize(15);
        f.setBold(true);
        f.setItalic(true);
        p.setFont(f);
        p.setPen(QColor(20, 60, 200));
        p.drawText(QRect(0, 0, kListSize, kListSize), Qt::AlignCenter, QStringLiteral("i"));
        break;
    }
    case 4: // open
        drawDisc(p, QColor(30, 150, 40));
        drawTriangle(p, Qt::white);
        break;
    case 5: // open, inactive
        drawDisc(p, QColor(150, 150, 150));
        drawTriangle(p, QColor(235, 235, 235));
        break;
    default:
        break;
    }
    return pixmap;
}

QPixmap noPhoto()
{
    QPixmap pixmap(160, 120);
    pixmap.fill(QColor(236, 236, 236));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(190, 190, 190), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 158, 118));
    // A camera, crossed out.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 150, 150));
    p.drawRoundedRect(QRectF(45, 38, 70, 44), 6, 6);
    p.drawRect(QRectF(68, 31, 24, 9));
    p.setBrush(QColor(236, 236, 236));
    p.drawEllipse(QPointF(80, 60), 15, 15);
    p.setBrush(QColor(150, 150, 150));
    p.drawEllipse(QPointF(80, 60), 9, 9);
    p.setPen(QPen(QColor(200, 40, 40), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(42, 90), QPointF(118, 30));
    QFont f(QStringLiteral("Comic Sans MS"));
    f.setPixelSize(13);
    p.setFont(f);
    p.setPen(QColor(110, 110, 110));
    p.drawText(QRect(0, 92, 160, 24), Qt::AlignCenter, QStringLiteral("pas de photo"));
    return pixmap;
}

void paintWindowIcon(QPainter& p, const QString& letter)
{
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient back(0, 0, 0, 64);
    back.setColorAt(0, QColor(40, 110, 200));
    back.setColorAt(1, QColor(15, 55, 130));
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    drawCar(p, QRectF(8, 30, 48, 26), Qt::white);
    // The letter as an outline: the same shape at every size and in a scalable picture.
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(26);
    f.setBold(true);
    QPainterPath glyph;
    glyph.addText(0, 0, f, letter);
    const QRectF bounds = glyph.boundingRect();
    p.setBrush(QColor(255, 210, 60));
    p.drawPath(glyph.translated(QPointF(32, 17) - bounds.center()));
}

QIcon windowIcon(const QString& letter)
{
    // Drawn once per letter: every record shown sets the icon again.
    static QHash<QString, QIcon> drawn;
    if (const auto known = drawn.constFind(letter); known != drawn.constEnd())
        return *known;
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pixmap = transparentPixmap(size, size);
        QPainter p(&pixmap);
        p.scale(size / 64.0, size / 64.0);
        paintWindowIcon(p, letter);
        p.end();
        icon.addPixmap(pixmap);
    }
    drawn.insert(letter, icon);
    return icon;
}

QPixmap splashPicture()
{
    QPixmap pixmap = transparentPixmap(545, 81);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawCar(p, QRectF(6, 14, 96, 54), QColor(190, 20, 30));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(60);
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    QPainterPath name;
    name.addText(QPointF(118, 60), f, QStringLiteral("BRESMAN"));
    QLinearGradient shade(0, 10, 0, 64);
    shade.setColorAt(0, QColor(40, 90, 170));
    shade.setColorAt(1, QColor(10, 35, 90));
    p.setPen(QPen(QColor(5, 20, 60), 1.5));
    p.setBrush(shade);
    p.drawPath(name);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 20, 30));
    p.drawRoundedRect(QRectF(118, 68, 420, 6), 3, 3);
    return pixmap;
}

} // namespace pictures
