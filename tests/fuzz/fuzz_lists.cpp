// The lists document on any text: every reader of the choice lists, through the scanning and the
// indexed sources, which must give the same answers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>

#include "view/ListReaders.h"

namespace {

void same(bool equal)
{
    if (!equal)
        std::abort();
}

bool operator==(const ComboFill& a, const ComboFill& b)
{
    return a.entries == b.entries && a.selected == b.selected && a.byIndex == b.byIndex &&
           a.blankFirst == b.blankFirst && a.staff == b.staff;
}

bool operator==(const ListBoxFill& a, const ListBoxFill& b)
{
    return a.entries == b.entries && a.selected == b.selected && a.codes == b.codes &&
           a.selectedTexts == b.selectedTexts;
}

template <typename Read>
void compare(const ListSource& scanning, const ListSource& indexed, Read read)
{
    same(read(scanning) == read(indexed));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    // The first line is the value of a field, the document follows.
    const size_t newline = text.find('\n');
    const std::string value =
        newline == std::string::npos ? std::string() : text.substr(0, newline);
    const TXml document(newline == std::string::npos ? text : text.substr(newline + 1));
    const ScanningLists scanning(document);
    const IndexedLists indexed(document);

    // One list of each kind per input (chosen by its size), so that inputs run quickly.
    const char* const names[] = {"ORIGINE", "Site", "InfoCom", "SUJETACTION", "BOOLEAN"};
    const char* const dependents[] = {"Models", "VNModels", "VNVersions"};
    const char* const fields[] = {"InfoMarque", "InfoModele", "InfoVersion", "Vendeur", "Site"};
    const char* const name = names[size % std::size(names)];
    compare(scanning, indexed,
            [&](const ListSource& lists) { return listEntries(lists, name, value, true); });
    compare(scanning, indexed,
            [&](const ListSource& lists) { return storedValueOf(lists, name, value, false); });
    compare(scanning, indexed, [&](const ListSource& lists) {
        return dependentEntries(lists, dependents[size % std::size(dependents)], value);
    });
    compare(scanning, indexed, [&](const ListSource& lists) { return staffNames(lists, value); });
    (void)staffNameOf(document, value);
    compare(scanning, indexed, [&](const ListSource& lists) {
        CascadeMemory memory{"RENAULT", "CLIO"};
        const int kind = size % 2 == 0 ? 111 : 112;
        return fillBoundCombo(
            lists, {kind, 1, fields[size % std::size(fields)], "InfoCom", value, "_TVN", value},
            memory);
    });
    compare(scanning, indexed, [&](const ListSource& lists) {
        return fillBoundListBox(lists, "OptionsVD", value, value);
    });
    return 0;
}
