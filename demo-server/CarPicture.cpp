#include "demo-server/CarPicture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRegularExpression>

namespace {

// The picture is drawn on a 640 × 480 canvas and scaled to the size asked for.
constexpr qreal kCanvasWidth = 640;
constexpr qreal kCanvasHeight = 480;

void drawBackground(QPainter& painter, const CarLook& look)
{
    static const QColor kSkies[] = {QColor(118, 170, 222), QColor(236, 170, 120),
                                    QColor(150, 160, 175)};
    const QColor sky = kSkies[look.variant % 3];
    QLinearGradient air(0, 0, 0, 300);
    air.setColorAt(0, sky.darker(120));
    air.setColorAt(1, sky.lighter(140));
    painter.fillRect(QRectF(0, 0, kCanvasWidth, 300), air);

    // The showroom behind the car.
    painter.fillRect(QRectF(20, 120, 600, 180), QColor(205, 208, 212));
    painter.fillRect(QRectF(40, 150, 560, 120), QColor(120, 150, 170, 200));
    painter.fillRect(QRectF(20, 92, 360, 34), QColor(20, 50, 110));
    painter.setPen(Qt::white);
    QFont sign("DejaVu Sans", 1);
    sign.setPixelSize(20);
    sign.setBold(true);
    painter.setFont(sign);
    painter.drawText(QRectF(28, 92, 344, 34), Qt::AlignVCenter | Qt::AlignLeft, look.caption);

    QLinearGradient ground(0, 300, 0, kCanvasHeight);
    ground.setColorAt(0, QColor(95, 95, 100));
    ground.setColorAt(1, QColor(60, 60, 64));
    painter.fillRect(QRectF(0, 300, kCanvasWidth, kCanvasHeight - 300), ground);
    painter.setPen(QPen(QColor(230, 230, 230), 4));
    painter.drawLine(QPointF(0, 440), QPointF(kCanvasWidth, 440));
}

void drawCar(QPainter& painter, const CarLook& look)
{
    const QColor paint = paintColour(look.colour);
    painter.setRenderHint(QPainter::Antialiasing);
    // Shadow, wheels, body, cabin.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawEllipse(QRectF(120, 375, 400, 40));
    painter.setPen(QPen(paint.darker(160), 2));
    painter.setBrush(QColor(25, 25, 25));
    painter.drawRoundedRect(QRectF(150, 330, 60, 62), 10, 10);
    painter.drawRoundedRect(QRectF(430, 330, 60, 62), 10, 10);
    painter.setBrush(paint);
    painter.drawRoundedRect(QRectF(130, 232, 380, 128), 30, 30);
    painter.drawPolygon(QPolygonF({{180, 240}, {225, 160}, {415, 160}, {460, 240}}));
    QLinearGradient shine(0, 172, 0, 236);
    shine.setColorAt(0, QColor(60, 80, 100));
    shine.setColorAt(1, QColor(150, 180, 200));
    painter.setBrush(shine);
    painter.drawPolygon(QPolygonF({{198, 236}, {235, 172}, {405, 172}, {442, 236}}));
    painter.setBrush(paint.darker(110));
    painter.drawRect(QRectF(112, 212, 26, 16));
    painter.drawRect(QRectF(502, 212, 26, 16));

    // Headlights and grille with the make's name.
    painter.setBrush(QColor(250, 250, 225));
    painter.drawEllipse(QRectF(150, 252, 78, 30));
    painter.drawEllipse(QRectF(412, 252, 78, 30));
    painter.setBrush(QColor(35, 35, 40));
    painter.drawRoundedRect(QRectF(250, 250, 140, 48), 8, 8);
    painter.setPen(QColor(220, 220, 220));
    QFont badge("DejaVu Sans", 1);
    badge.setPixelSize(16);
    badge.setBold(true);
    painter.setFont(badge);
    painter.drawText(QRectF(250, 250, 140, 48), Qt::AlignCenter, look.make);
}

void drawPlate(QPainter& painter, const CarLook& look)
{
    const QRectF plate(230, 306, 180, 40);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(plate, 4, 4);
    const QRectF band(plate.left() + 2, plate.top() + 2, 20, plate.height() - 4);
    painter.fillRect(band, QColor(0, 51, 153));
    painter.setPen(Qt::white);
    QFont country("DejaVu Sans", 1);
    country.setPixelSize(13);
    country.setBold(true);
    painter.setFont(country);
    painter.drawText(band.adjusted(0, 14, 0, 0), Qt::AlignHCenter | Qt::AlignTop, "F");
    painter.setPen(Qt::black);
    QFont number("DejaVu Sans Mono", 1);
    number.setPixelSize(24);
    number.setBold(true);
    painter.setFont(number);
    painter.drawText(plate.adjusted(24, 0, -2, 0), Qt::AlignCenter, formatPlate(look.plate));
}

} // namespace

QString formatPlate(const QString& stored)
{
    static const QRegularExpression kPlate("^([A-Z]{2})-?(\\d{3})-?([A-Z]{2})$");
    const auto match = kPlate.match(stored.toUpper());
    if (!match.hasMatch())
        return stored;
    return match.captured(1) + "-" + match.captured(2) + "-" + match.captured(3);
}

QColor paintColour(const QString& colourName)
{
    static const std::pair<const char*, QColor> kPaints[] = {
        {"BLANC", QColor(240, 240, 236)}, {"NOIR", QColor(30, 30, 34)},
        {"ROUGE", QColor(185, 25, 30)},   {"BLEU", QColor(30, 70, 150)},
        {"VERT", QColor(40, 110, 60)},    {"ARGENT", QColor(190, 195, 200)},
        {"ORANGE", QColor(230, 120, 30)}, {"JAUNE", QColor(235, 200, 40)},
    };
    const QString word = colourName.section(' ', 0, 0).toUpper();
    for (const auto& [name, paint] : kPaints) {
        if (word == name)
            return paint;
    }
    return QColor(125, 128, 132); // GRIS and anything unknown
}

QImage drawCarPicture(const CarLook& look, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(width / kCanvasWidth, height / kCanvasHeight);
    // Later photos of a vehicle are framed a little closer.
    const qreal zoom = 1.0 + 0.08 * (look.variant % 3);
    painter.translate(kCanvasWidth / 2, kCanvasHeight * 0.62);
    painter.scale(zoom, zoom);
    painter.translate(-kCanvasWidth / 2, -kCanvasHeight * 0.62);
    drawBackground(painter, look);
    drawCar(painter, look);
    drawPlate(painter, look);
    return image;
}
