#include "editing/Cascades.h"

#include "editing/Statements.h"
#include "view/CaseText.h"

std::string mergedVersion(std::string_view version, std::string_view last, std::string_view chosen,
                          bool atEnd)
{
    const std::string upperChosen = upperCp1252(chosen);
    const size_t at =
        last.empty() ? std::string_view::npos : upperCp1252(version).find(upperCp1252(last));
    if (at == std::string_view::npos) {
        const std::string_view rest = trimmed(version);
        return atEnd ? std::string(rest) + " " + upperChosen
                     : upperChosen + " " + std::string(rest);
    }
    // Case changes keep the length of a Windows-1252 text, so the position holds in the original.
    std::string merged(version);
    merged.replace(at, last.size(), upperChosen);
    return merged;
}

std::string maintenanceStatement(const MaintainedEntry& e, bool remove)
{
    // Every text goes through the text literal, the list's field name and the make included, so
    // that no character of theirs can end the literal or the request.
    const std::string list = upperCp1252(e.listName);
    if (list == "LISTRUBRICS")
        return remove ? "Delete * From ListRubrics where RubricType=" + SqlText(e.listField) +
                            " and RubricText=" + SqlText(e.text)
                      : "Insert into ListRubrics (RubricType, RubricIndex, RubricItem, "
                        "RubricText) Values (" +
                            SqlText(e.listField) + ", 0, '..' ," + SqlText(e.text) + ")";
    if (list == "LISTMODELS")
        return remove ? "Delete * From ListModels where VMarque=" + SqlText(e.make) +
                            " and VModele=" + SqlText(e.model)
                      : "Insert into ListModels (VMarque, VModele) Values (" + SqlText(e.make) +
                            ", " + SqlText(e.model) + ")";
    if (list == "LISTVERSIONS")
        return remove ? "Delete * From ListVersions where VMarque=" + SqlText(e.make) +
                            " and VModele=" + SqlText(e.model) +
                            " and VVersion=" + SqlText(e.version) +
                            " and VConcession=" + SqlText(e.concession)
                      : "Insert into ListVersions (VMarque, VModele, VVersion, VConcession) "
                        "Values (" +
                            SqlText(e.make) + ", " + SqlText(e.model) + ", " + SqlText(e.version) +
                            ", " + SqlText(e.concession) + ")";
    return {};
}

std::string maintenanceDescription(const MaintainedEntry& e)
{
    return "la valeur '" + e.text + "' pour le champ '" + e.listField + "'";
}
