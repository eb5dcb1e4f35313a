#pragma once

#include <string>
#include <string_view>

// The free-text version of a vehicle keeps its model at the front and its version type at the
// end ("CLIO 1.5 DCI EXPRESSION"). The text with the chosen model (or type) in place of the last
// one merged: the first occurrence of the last one, found without regard to case, is replaced by
// the chosen one in capitals; when the last one is empty or absent, the chosen one is put at the
// front (a model) or at the end (a type).
std::string mergedVersion(std::string_view version, std::string_view last, std::string_view chosen,
                          bool atEnd);

// An entry of a list maintained on the server: its table ("LISTRUBRICS", "LISTMODELS",
// "LISTVERSIONS" in any case), the rubric type of its field, the text of the combo, and for
// models and versions the make, model and version type of the page.
struct MaintainedEntry {
    std::string listName;
    std::string listField;
    std::string text;
    std::string make;
    std::string model;
    std::string version;
    std::string concession;
};
// The statement that adds or removes the entry; empty for a list that is not maintained.
std::string maintenanceStatement(const MaintainedEntry& entry, bool remove);
// "la valeur 'X' pour le champ 'Y'", the entry as the confirmations name it.
std::string maintenanceDescription(const MaintainedEntry& entry);
