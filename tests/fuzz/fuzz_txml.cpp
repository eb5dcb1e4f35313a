// The XML cursor on any text: every reading pattern of the program (list, record, search by key,
// attribute), the decoding of texts, the fields of ";" lists and the search for time-out markers.
#include <cstddef>
#include <cstdint>
#include <string>

#include "server/MarkerSearch.h"
#include "server/TXml.h"

namespace {

// Element names the readers look for, and one taken from the input.
const char* const kNames[] = {"document", "axStructS", "axStruct", "LogItems", "LogItem",
                              "tVO",      "TVC",       "TVehS",    "TVeh",     "OutParams",
                              "NewID",    "AXQueryS",  "AXQuery",  "User",     "Site"};

void readWith(const std::string& document, std::string_view name, std::string_view child)
{
    TXml cursor(document);
    XmlFind(cursor, name);
    std::string value = "before";
    XmlValue(cursor, child, value);
    int steps = 0;
    while (XmlNext(cursor, child) > 0 && ++steps < 10000) {
        XmlValue(cursor, name, value);
        (void)XmlChild(cursor, child);
        (void)XmlText(cursor, name);
    }
    XmlAttr(cursor, name, value);
    (void)XmlUnescape(value, true);
    (void)XmlUnescape(cursor.Node(), false);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    // The first line names an element of the test's own choosing.
    const size_t newline = text.find('\n');
    const std::string own = newline == std::string::npos ? std::string() : text.substr(0, newline);
    const std::string document = newline == std::string::npos ? text : text.substr(newline + 1);

    for (size_t i = 0; i + 1 < std::size(kNames); i += 2)
        readWith(document, kNames[i], kNames[i + 1]);
    readWith(document, own, own);
    readWith(document, kNames[size % std::size(kNames)], own);
    for (int n = -1; n < 4; ++n)
        (void)PickToken(own, n);
    (void)replaceAll(document, own, "x");
    for (const RecordReply record : {RecordReply::Vehicle, RecordReply::Client})
        (void)markerSearchText(document, record);
    return 0;
}
