#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "server/TXml.h"
#include "view/TsPage.h"

// Reading the structure document: which tabs a record kind has, and the fields of each tab.

// A tab of a record kind.
struct TabDescription {
    std::string caption;    // "txtInfo"
    std::string dataKey;    // "vInfo"
    std::string tableName;  // "tag"
    std::string namePrefix; // "defval"
};

// The first "axStruct" item whose "descInfo" is the kind and whose "idNum" is the entry number.
std::optional<TabDescription> findTabDescription(const TXml& structure, std::string_view kind,
                                                 int entry);

// The fields of a tab: every item whose "descInfo" is the tab's data key, in document order, with
// their description parsed (names, lists, positions in pixels, rights tag, defaults). Values are
// not read here.
std::vector<TsDesc> fieldDescriptions(const TXml& structure, std::string_view dataKey);

// Twips to pixels, rounded to the nearest whole number, a half to the even neighbour; held within
// ±32000 pixels, what a window can show.
int twipsToPixels(long long twips);

// The value of a field as shown, from the text of its element (or its default): entities of texts
// decoded, "now" of a date, blanks of numbers removed, amounts in "0.00" form.
std::string transformValue(std::string_view value, int ctrlKind, int infoType, int today);

// Visibility of a field: "enabled" 3 never, 2 only with the field's right.
bool fieldVisible(int enabledCode, bool hasRights);

// Left of the label created for a field at the given left.
int labelLeft(int fieldLeft, int ctrlKind);
// Whether a required field's label is underlined: required, and its value empty, "0.00" or "0".
bool requiredMarkerShown(bool notNull, std::string_view value);
