#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <QString>

#include "server/TXml.h"

// Rules of the vehicles a client owns ("TVehiclesOstrel"): the rows of the grid from the client
// document, and their deletion. Texts are Windows-1252.

// Pictures of the marker column and the hint of the delete marker (UTF-8).
inline constexpr const char* kVehicleDeleteMarker = "0";
inline constexpr const char* kVehicleNoAction = "2";
inline constexpr const char* kVehicleDeleteHint = "pour supprimer ce véhicule";

// One row of the grid: the vehicle's identifier ("idtVO"), registration, and make, model and
// version joined by single blanks.
struct ClientVehicleRow {
    std::string id;
    std::string registration;
    std::string description;
};
// The "TVeh" items of the client document's "TVehS", in document order.
std::vector<ClientVehicleRow> clientVehicleRows(const TXml& clientDoc);

// A record identifier that names a saved record: a positive whole number.
bool positiveIdentifier(std::string_view identifier);

// The deletion of a client vehicle, its identifier as the grid shows it.
std::string vehicleDeletion(std::string_view id);
// The question asked before it (UTF-8 texts of the grid).
QString vehicleDeletionQuestion(const QString& registration, const QString& vehicle);
inline constexpr const char* kDeletionTitle = "Confirmation de Suppression";
