#pragma once

#include <string>
#include <string_view>

#include <sqlite3.h>

// The two documents that describe the window, in Windows-1252.

// The lists of one dealership: "document" / "Concession" first, then the general lists
// (ParsS / Pars, from ListRubrics: the rubrics of every dealership and of this one), the staff
// (InfoComS), the sites (InfoSiteS), the makes and models of used vehicles (MarksS, ModelsS), of
// new vehicles (VNMarksS, VNModelsS, VNVersionsS) and the option lists (name + "S" / name).
std::string listsDocument(sqlite3* db, std::string_view concession);

// The tab and field descriptions: axStructS / axStruct, one item per row of the table axStruct,
// with only the children that have a value.
std::string structureDocument(sqlite3* db);
