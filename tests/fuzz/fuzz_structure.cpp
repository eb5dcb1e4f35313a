// The structure document on any text: the tabs of a record kind, the description of the fields of
// every data key the document names, the values as shown and the placing of their controls.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "view/StructureDoc.h"

namespace {

// What the binding computes from a description.
void bind(const TsDesc& field)
{
    const std::string shown = transformValue(field.DefVal, field.CtrlKind, field.InfoType, 45000);
    (void)requiredMarkerShown(field.NotNull, shown);
    (void)labelLeft(field.Left, field.CtrlKind);
    (void)fieldVisible(field.Enabled, true);
    // The arithmetic of the placing of controls and labels.
    const int bounds[] = {field.Top + 2, field.Top + 21, field.Height + 4, field.Height - 1,
                          field.Left - 48};
    (void)bounds;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const TXml structure(std::string(reinterpret_cast<const char*>(data), size));
    // One kind per input, so that an input is read about as quickly as a refresh reads it.
    const char* const kinds[] = {"_TVO", "_TVD", "_TVN", "_TCL"};
    for (int entry = 0; entry < 10; ++entry)
        (void)findTabDescription(structure, kinds[size % 4], entry);

    // Every data key of the document (the first few), whatever tab names it.
    std::set<std::string> keys;
    TXml items = structure;
    XmlFind(items, "axStructS");
    while (keys.size() < 8 && XmlNext(items, "axStruct") > 0)
        keys.insert(XmlText(items, "descInfo"));
    for (const std::string& key : keys) {
        for (const TsDesc& field : fieldDescriptions(structure, key))
            bind(field);
    }
    return 0;
}
