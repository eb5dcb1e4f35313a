#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "server/TXml.h"
#include "view/TsPage.h"

// Two texts of a field that the server stores alike: the same statement literal, or the same
// number ("12,5", "12.50").
bool storedAlike(std::string_view left, std::string_view right, int infoType);

// Edit conflicts: before an update is sent, the record is read again, and every field the user
// changed is compared with what the server holds now. A field another user changed meanwhile is a
// conflict; fields the other user changed and this one did not are never touched by the update.

struct FieldConflict {
    const TsDesc* field = nullptr;
    std::string loaded; // the value shown when the record was loaded (OrgValue)
    std::string server; // the value the server holds now
    std::string typed;  // the value this user typed (Value)
};

// The value of a field in a record document read again, the way loading reads it.
std::string serverFieldValue(const TsDesc& field, const TXml& values, int today);

// The changed fields whose value on the server is no longer the one loaded. Fields the window
// computes are never compared.
std::vector<FieldConflict> fieldConflicts(const std::vector<const TsDesc*>& changed,
                                          const TXml& values, int today,
                                          const std::function<bool(const TsDesc&)>& computed);

// The element of the record read again that holds a page's values: the record itself, or for the
// client's vehicles the "TVeh" whose keys are those of the vehicle shown. Nothing when the record
// or the vehicle is no longer on the server.
std::optional<TXml> rereadValues(const TXml& document, const char* rootName, bool clientVehicle,
                                 const std::vector<const TsDesc*>& keys);

// How a grid reads a raw value of its lines, as its loading does.
using CellReader = std::string (*)(std::string_view raw, int infoType);

// A grid line read again: the "lineName" element of the "listName" list whose key (the line's
// first cell, never edited) is the loaded one; nothing when another user deleted it meanwhile.
std::optional<TXml> rereadLine(const TXml& document, const char* listName, const char* lineName,
                               const TsDesc& key, CellReader read);

// The changed cells of a grid line whose value on the server is no longer the one loaded.
std::vector<FieldConflict> lineConflicts(const TsLine& line, const TXml& serverLine,
                                         CellReader read);

// How a field is named to the user: its caption without the closing ":", else its name.
std::string fieldCaption(const TsDesc& field);

// The lines of the "Modifications concurrentes" box, one per field: caption (or name), then the
// three values.
std::string conflictListing(const std::vector<FieldConflict>& conflicts);
