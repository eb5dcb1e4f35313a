#include "grids/VehicleRules.h"

#include "app/Numbers.h"

std::vector<ClientVehicleRow> clientVehicleRows(const TXml& clientDoc)
{
    std::vector<ClientVehicleRow> rows;
    TXml cursor = clientDoc;
    XmlFind(cursor, "TVehS");
    while (XmlNext(cursor, "TVeh") > 0) {
        rows.push_back({XmlText(cursor, "idtVO"), XmlText(cursor, "Immatriculation"),
                        XmlText(cursor, "InfoMarque") + " " + XmlText(cursor, "InfoModele") + " " +
                            XmlText(cursor, "InfoVersion")});
    }
    return rows;
}

bool positiveIdentifier(std::string_view identifier)
{
    return parseWholeNumber(identifier).value_or(0) > 0;
}

std::string vehicleDeletion(std::string_view id)
{
    return "Delete * From tVehiclesOstrel where idTVo=" + std::string(id);
}

QString vehicleDeletionQuestion(const QString& registration, const QString& vehicle)
{
    return QStringLiteral("Veuillez confirmer la suppression de \"%1\" - \"%2\"")
        .arg(registration, vehicle);
}
