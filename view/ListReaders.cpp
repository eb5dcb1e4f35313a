#include "view/ListReaders.h"

#include "app/Numbers.h"
#include "view/CaseText.h"

namespace {

// Where a list lives in the lists document: container, item, the child that groups its items
// (empty: one group) and the child that holds an entry's text.
struct ListPlace {
    const char* container;
    const char* item;
    const char* group;
    const char* text;
};

constexpr ListPlace kGeneral{"ParsS", "Pars", "type", "text"};
constexpr ListPlace kMarks{"MarksS", "Marks", "", "vMark"};
constexpr ListPlace kModels{"ModelsS", "Models", "vMark", "vModel"};
constexpr ListPlace kNewMarks{"VNMarksS", "VNMarks", "", "vnMark"};
constexpr ListPlace kNewModels{"VNModelsS", "VNModels", "vnMark", "vnModel"};
constexpr ListPlace kNewVersions{"VNVersionsS", "VNVersions", "vnModel", "vnVers"};

std::string decodeEntry(std::string_view text, bool withLineBreaks)
{
    return XmlUnescape(text, withLineBreaks);
}

// The first run of items whose group equals the filter: their texts as a reader stepping through
// the run reads them (an item without text repeats the previous one's). Nothing when no item of
// that group exists.
std::optional<std::vector<std::string>> runTexts(const ListSource& lists, const ListPlace& place,
                                                 std::string_view upperFilter)
{
    const auto& bodies = lists.items(place.container, place.item);
    size_t begin = 0;
    const std::vector<std::string>* groups = nullptr;
    if (*place.group) {
        const auto first =
            lists.firstOfGroup(place.container, place.item, place.group, upperFilter);
        if (!first)
            return std::nullopt;
        begin = *first;
        groups = &lists.carriedChild(place.container, place.item, place.group);
    } else if (bodies.empty()) {
        return std::nullopt;
    }
    std::vector<std::string> texts;
    std::string text;
    for (size_t i = begin; i < bodies.size(); ++i) {
        if (groups && upperCp1252((*groups)[i]) != upperFilter)
            break;
        XmlValueIn(bodies[i], place.text, text);
        texts.push_back(text);
    }
    return texts;
}

std::string generalType(std::string_view name)
{
    std::string type = upperCp1252(name);
    return type == "SUJETRELANCE" ? "SUJETACTION" : type;
}

} // namespace

std::vector<std::string> staffNames(const ListSource& lists, std::string_view recordSite)
{
    std::vector<std::string> names;
    std::string name, sites;
    for (std::string_view body : lists.items("InfoComS", "InfoCom")) {
        XmlValueIn(body, "cNom", name);
        XmlValueIn(body, "Site", sites);
        if (!recordSite.empty() && containsText(upperCp1252(sites), recordSite))
            names.push_back(name);
    }
    return names;
}

std::optional<std::vector<std::string>> listEntries(const ListSource& lists, std::string_view name,
                                                    std::string_view recordSite,
                                                    bool withLineBreaks)
{
    if (name == "InfoCom")
        return staffNames(lists, recordSite);
    auto texts = runTexts(lists, kGeneral, upperCp1252(name));
    if (texts)
        for (std::string& text : *texts)
            text = decodeEntry(text, withLineBreaks);
    return texts;
}

std::optional<std::string> staffNameOf(const TXml& lists, std::string_view idCom)
{
    // Search by key: the first comparison reads from the container's content.
    TXml cursor = lists;
    XmlFind(cursor, "InfoComS");
    std::string id, name;
    do {
        XmlValue(cursor, "idCom", id);
        if (id == idCom) {
            XmlValue(cursor, "cNom", name);
            return name;
        }
    } while (XmlNext(cursor, "InfoCom") > 0);
    return std::nullopt;
}

std::string storedValueOf(const ListSource& lists, std::string_view name,
                          std::string_view entryText, bool withLineBreaks)
{
    if (name == "InfoCom") {
        std::string id, person;
        for (std::string_view body : lists.items("InfoComS", "InfoCom")) {
            XmlValueIn(body, "idCom", id);
            XmlValueIn(body, "cNom", person);
            if (person == entryText)
                return id;
        }
        return "0";
    }
    const auto texts = runTexts(lists, kGeneral, generalType(name));
    if (texts)
        for (size_t i = 0; i < texts->size(); ++i)
            if (decodeEntry((*texts)[i], withLineBreaks) == entryText)
                return std::to_string(i + 1);
    return "0";
}

ComboFill fillBoundCombo(const ListSource& lists, const ComboFillRequest& request,
                         CascadeMemory& memory)
{
    ComboFill fill;
    std::string key = upperCp1252(request.listField);
    std::string value = request.value;
    long long position = 1;
    if (request.ctrlKind == 112) {
        const auto number = parseWholeNumber(value);
        if (request.fieldName == "ModeTVA" && (!number || *number == 0))
            value = "1";
        fill.byIndex = true;
        position = parseWholeNumber(value).value_or(1);
    }
    if (request.infoType == 3) {
        if (request.ctrlKind != 112)
            key = "BOOLEAN";
        fill.byIndex = true;
        position = upperCp1252(value) == "TRUE" ? 2 : 1;
    }

    ListPlace place = kGeneral;
    std::string filter = key;
    const bool usedMakes = request.recordKind == "_TVO" || request.recordKind == "_TCL";
    if (key == "INFOTYPEVERSION") {
        place = kNewVersions;
        filter = memory.model;
    } else if (key == "INFOMODELE") {
        memory.model = upperCp1252(value);
        place = usedMakes ? kModels : kNewModels;
        filter = memory.make;
    } else if (key == "INFOMARQUE") {
        memory.make = upperCp1252(value);
        if (usedMakes)
            place = kMarks;
        else if (request.recordKind == "_TVD")
            place = kNewMarks;
        else
            place = upperCp1252(request.fieldName) == "INFOMARQUE" ? kNewMarks : kMarks;
        filter.clear();
    } else if (key == "IDCOM") {
        fill.staff = true;
        fill.entries = staffNames(lists, request.recordSite);
        if (const auto name = staffNameOf(lists.document(), value))
            for (size_t i = 0; i < fill.entries.size(); ++i)
                if (fill.entries[i] == *name)
                    fill.selected = int(i);
        return fill;
    }

    const std::string upperValue = upperCp1252(value);
    const auto texts = runTexts(lists, place, filter);
    if (texts) {
        for (size_t count = 0; count < texts->size(); ++count) {
            std::string text = decodeEntry((*texts)[count], false);
            if (count == 0 && (text == ".." || text.empty())) {
                text.clear();
                fill.blankFirst = true;
            }
            const bool byPosition =
                fill.byIndex && (long long)count == (fill.blankFirst ? position : position - 1);
            if (upperCp1252(beforeColon(text)) == upperValue || byPosition)
                fill.selected = int(count);
            fill.entries.push_back(std::move(text));
        }
    }
    if (fill.selected < 0 && request.ctrlKind != 112) {
        // A stored value missing from the list still shows.
        fill.entries.push_back(value);
        fill.selected = int(fill.entries.size()) - 1;
    }
    return fill;
}

ListBoxFill fillBoundListBox(const ListSource& lists, std::string_view listField,
                             std::string_view value, std::string_view clientSite)
{
    ListBoxFill fill;
    const std::string upperValue = upperCp1252(value);
    auto add = [&](std::string text, const std::string& code) {
        const bool selected = containsText(upperValue, ";" + upperCp1252(code) + ";");
        if (selected) {
            if (!fill.selectedTexts.empty())
                fill.selectedTexts += " - ";
            fill.selectedTexts += text;
        }
        fill.entries.push_back(std::move(text));
        fill.selected.push_back(selected);
        fill.codes += ";" + code;
    };
    if (listField == "PAChoix1" || listField == "PAChoix2") {
        std::string makes = "VW";
        std::string site, siteMakes;
        for (std::string_view body : lists.items("InfoSiteS", "InfoSite")) {
            XmlValueIn(body, "Site", site);
            XmlValueIn(body, "Marques", siteMakes);
            if (upperCp1252(site) == clientSite) {
                makes = siteMakes;
                break;
            }
        }
        const std::string upperMakes = upperCp1252(makes);
        const bool ofTheSite = listField == "PAChoix1";
        std::string make, model;
        for (std::string_view body : lists.items(kNewModels.container, kNewModels.item)) {
            XmlValueIn(body, "vnMark", make);
            XmlValueIn(body, "vnModel", model);
            if (containsText(upperMakes, upperCp1252(make)) == ofTheSite)
                add(model, upperCp1252(model));
        }
        return fill;
    }
    const std::string container = std::string(listField) + "S";
    std::string code, text;
    for (std::string_view body : lists.items(container, listField)) {
        XmlValueIn(body, "Abbr", code);
        XmlValueIn(body, "eText", text);
        add(XmlUnescape(text, false), code);
    }
    return fill;
}

std::optional<std::vector<std::string>>
dependentEntries(const ListSource& lists, std::string_view list, std::string_view keyText)
{
    const ListPlace* place = list == "Models"       ? &kModels
                             : list == "VNModels"   ? &kNewModels
                             : list == "VNVersions" ? &kNewVersions
                                                    : nullptr;
    const std::string key = upperCp1252(trimmed(keyText));
    if (!place || key.empty())
        return std::nullopt;
    auto texts = runTexts(lists, *place, key);
    if (texts)
        for (std::string& text : *texts)
            text = decodeEntry(text, false);
    return texts;
}
