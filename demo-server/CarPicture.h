#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// Generated photos of the sample vehicles: a car seen from the front on the dealership's forecourt,
// with a French licence plate large enough to read, so that the plate-blurring editor has
// something to hide.
struct CarLook {
    QString make;
    QString model;
    QString plate;   // as stored, "AB123CD"
    QString colour;  // the colour's name, "BLANC PUR", "ROUGE FLASH"...
    QString caption; // the dealership and site shown on the sign
    int variant = 0; // photo number: the light and framing change with it
};

QImage drawCarPicture(const CarLook& look, int width, int height);

// "AB-123-CD" from "AB123CD"; other texts unchanged.
QString formatPlate(const QString& stored);

// The paint of a colour name (its first word decides: BLANC, NOIR, ROUGE...).
QColor paintColour(const QString& colourName);
