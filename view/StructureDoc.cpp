#include "view/StructureDoc.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "app/DayDate.h"
#include "app/Numbers.h"
#include "view/CaseText.h"

namespace {

constexpr int kDefaultTwips = 20;
constexpr int kTopOffsetPixels = 35;
constexpr int kMinimumHeightPixels = 18;
constexpr size_t kSourceNameLimit = 200;
// Positions and sizes beyond what a window can show are held at its edge, so that an absurd value
// of the document ("<width>99999999999</width>") never overflows the arithmetic done on it.
constexpr long long kPixelLimit = 32000;
constexpr long long kTwipsPerPixel = 15;

std::string childText(const TXml& item, const char* name)
{
    std::string value;
    XmlValue(item, name, value);
    return value;
}

// A number child, or its default when absent or not a whole number.
long long childNumber(const TXml& item, const char* name, long long fallback)
{
    std::string text;
    XmlValue(item, name, text);
    return parseWholeNumber(text).value_or(fallback);
}

// A number child held within the range of an int.
int intChild(const TXml& item, const char* name, int fallback)
{
    return int(std::clamp<long long>(childNumber(item, name, fallback), INT_MIN, INT_MAX));
}

} // namespace

std::optional<TabDescription> findTabDescription(const TXml& structure, std::string_view kind,
                                                 int entry)
{
    TXml cursor = structure;
    XmlFind(cursor, "axStructS");
    const std::string number = std::to_string(entry);
    while (XmlNext(cursor, "axStruct") > 0) {
        if (childText(cursor, "descInfo") != kind || childText(cursor, "idNum") != number)
            continue;
        return TabDescription{childText(cursor, "txtInfo"), childText(cursor, "vInfo"),
                              childText(cursor, "tag"), childText(cursor, "defval")};
    }
    return std::nullopt;
}

int twipsToPixels(long long twips)
{
    const long long held =
        std::clamp(twips, -kPixelLimit * kTwipsPerPixel, kPixelLimit * kTwipsPerPixel);
    // The default rounding mode is to even.
    return int(std::nearbyint(double(held) / double(kTwipsPerPixel)));
}

std::vector<TsDesc> fieldDescriptions(const TXml& structure, std::string_view dataKey)
{
    std::vector<TsDesc> fields;
    TXml cursor = structure;
    XmlFind(cursor, "axStructS");
    while (XmlNext(cursor, "axStruct") > 0) {
        if (childText(cursor, "descInfo") != dataKey)
            continue;
        TsDesc d;
        const std::string vInfo = childText(cursor, "vInfo");
        if (const size_t semicolon = vInfo.find(';'); semicolon != std::string::npos) {
            d.FieldName = vInfo.substr(0, semicolon);
            d.SourceName = vInfo.substr(semicolon + 1, kSourceNameLimit);
        } else {
            d.FieldName = vInfo;
        }
        d.Width = twipsToPixels(childNumber(cursor, "width", kDefaultTwips));
        d.Left = twipsToPixels(childNumber(cursor, "left", kDefaultTwips));
        d.Top = twipsToPixels(childNumber(cursor, "top", kDefaultTwips)) - kTopOffsetPixels;
        d.Height = std::max(twipsToPixels(childNumber(cursor, "height", kDefaultTwips)),
                            kMinimumHeightPixels);
        d.Length = intChild(cursor, "length", 0);
        d.InfoType = intChild(cursor, "tInfo", 0);
        d.CtrlKind = intChild(cursor, "tControl", 0);
        d.FontColor = unsigned(childNumber(cursor, "color", 0));
        d.Caption = XmlUnescape(childText(cursor, "txtInfo"), false);
        d.Rights = ";" + upperCp1252(childText(cursor, "tag")) + ";";
        d.FieldNumber = intChild(cursor, "idNum", 0);
        d.NotNull = upperCp1252(childText(cursor, "notNull")) == "TRUE";
        d.Enabled = intChild(cursor, "enabled", 0);

        d.ListField = d.FieldName;
        std::string list = childText(cursor, "fieldInfo");
        if (list.empty())
            list = d.FieldName;
        if (const size_t semicolon = list.find(';'); semicolon != std::string::npos) {
            d.ListField = list.substr(semicolon + 1, kSourceNameLimit);
            list = list.substr(0, semicolon);
            d.ListName = d.ListKey = list;
        } else {
            d.ListName = list;
            d.ListKey = upperCp1252(list.substr(0, 4)) == "LIST" ? d.FieldName : list;
        }
        d.DefVal = childText(cursor, "defval");
        fields.push_back(std::move(d));
    }
    return fields;
}

std::string transformValue(std::string_view value, int ctrlKind, int infoType, int today)
{
    std::string result(value);
    if (ctrlKind == 109 && infoType == 2)
        result = XmlUnescape(result, true);
    if (result == "now" && infoType == 1)
        result = formatDate(today);
    if (infoType == 4 || infoType == 5)
        result = withoutBlanks(result);
    if (infoType == 5)
        result = amountText(result).value_or("0.00");
    return result;
}

bool fieldVisible(int enabledCode, bool hasRights)
{
    // 3 is never shown, 2 only to users with the field's right.
    return enabledCode != 3 && (hasRights || enabledCode != 2);
}

int labelLeft(int fieldLeft, int ctrlKind)
{
    if (ctrlKind == 110 || ctrlKind == 120)
        return fieldLeft;
    if (fieldLeft < 94)
        return 5;
    if (fieldLeft <= 400)
        return fieldLeft - 48;
    return fieldLeft - 22;
}

bool requiredMarkerShown(bool notNull, std::string_view value)
{
    return notNull && (value.empty() || value == "0.00" || value == "0");
}
