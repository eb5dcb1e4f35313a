#include "demo-server/DescriptionDocuments.h"

#include "demo-server/DocumentRows.h"
#include "demo-server/ValueFormat.h"

namespace {

// A list of the dealership: the query takes the dealership's code as its only parameter.
struct DealershipList {
    const char* container;
    const char* item;
    const char* sql;
};

// Items of one key stand one after the other: every list is ordered by its key first.
constexpr DealershipList kLists[] = {
    {"ParsS", "Pars",
     "SELECT RubricType AS type, RubricText AS text FROM ListRubrics "
     "WHERE RubricItem = '..' OR RubricItem = ?1 "
     "ORDER BY UPPER(RubricType), RubricIndex, RubricText, rowid"},
    {"InfoComS", "InfoCom",
     "SELECT idCom, cNom, Site FROM tStaff WHERE Concession = ?1 ORDER BY cNom, idCom"},
    {"InfoSiteS", "InfoSite",
     "SELECT Site, Marques, MontantFraisDossier FROM tSites WHERE Concession = ?1 ORDER BY Site"},
    {"MarksS", "Marks",
     "SELECT VMarque AS vMark FROM ListModels WHERE ?1 IS NOT NULL "
     "GROUP BY VMarque ORDER BY VMarque"},
    {"ModelsS", "Models",
     "SELECT VMarque AS vMark, VModele AS vModel FROM ListModels WHERE ?1 IS NOT NULL "
     "GROUP BY VMarque, VModele ORDER BY VMarque, VModele"},
    {"VNMarksS", "VNMarks",
     "SELECT VMarque AS vnMark FROM ListVersions WHERE VConcession = ?1 "
     "GROUP BY VMarque ORDER BY VMarque"},
    {"VNModelsS", "VNModels",
     "SELECT VMarque AS vnMark, VModele AS vnModel FROM ListVersions WHERE VConcession = ?1 "
     "GROUP BY VMarque, VModele ORDER BY VMarque, VModele"},
    {"VNVersionsS", "VNVersions",
     "SELECT VModele AS vnModel, VVersion AS vnVers FROM ListVersions WHERE VConcession = ?1 "
     "GROUP BY VModele, VVersion ORDER BY VModele, VVersion"},
};

void writeOptionLists(XmlOut& out, sqlite3* db)
{
    Statement options(db, "SELECT ListName, Abbr, eText FROM ListOptions "
                          "ORDER BY ListName, Position, rowid");
    std::string current;
    while (options.step()) {
        const std::string list = elementName(options.text(0).value_or(""));
        if (list != current) {
            if (!current.empty()) {
                out.close(current + "S");
                out.endLine();
            }
            current = list;
            out.open(current + "S");
            out.endLine();
        }
        out.open(current);
        out.element("Abbr", options.text(1).value_or(""));
        out.element("eText", options.text(2).value_or(""));
        out.close(current);
        out.endLine();
    }
    if (!current.empty()) {
        out.close(current + "S");
        out.endLine();
    }
}

} // namespace

std::string listsDocument(sqlite3* db, std::string_view concession)
{
    XmlOut out;
    out.open("document");
    out.endLine();
    // First child, so that the client's check of the cached file finds it.
    out.element("Concession", concession);
    out.endLine();
    for (const DealershipList& list : kLists) {
        Statement rows(db, list.sql);
        rows.bind(1, concession);
        writeItems(out, rows, list.container, list.item);
    }
    writeOptionLists(out, db);
    out.close("document");
    out.endLine();
    return out.windows1252();
}

std::string structureDocument(sqlite3* db)
{
    XmlOut out;
    out.open("axStructS");
    out.endLine();
    Statement items(db, "SELECT * FROM axStruct ORDER BY Position");
    while (items.step()) {
        out.open("axStruct");
        for (int c = 0; c < items.columnCount(); ++c) {
            const std::string name = items.columnName(c);
            const auto value = items.text(c);
            if (name != "Position" && value)
                out.element(name, *value);
        }
        out.close("axStruct");
        out.endLine();
    }
    out.close("axStructS");
    out.endLine();
    return out.windows1252();
}
