#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "view/ListSource.h"

// Readers of the choice lists: what a combo box, a list box or a grid column shows, and which entry
// is selected. Texts are Windows-1252; the window only puts the answers into its controls.

// Entries of a general list (the first run of "Pars" items of that type, compared upper-cased),
// or of the staff list "InfoCom" filtered by the record's site. Nothing when the general list is
// absent: the control keeps its entries. Grid columns decode line breaks, combo boxes do not.
std::optional<std::vector<std::string>> listEntries(const ListSource& lists, std::string_view name,
                                                    std::string_view recordSite,
                                                    bool withLineBreaks);

// Staff names whose sites contain the record's site (nobody for a record without site).
std::vector<std::string> staffNames(const ListSource& lists, std::string_view recordSite);
// Name of the person with this identifier, searched from the start of "InfoComS".
std::optional<std::string> staffNameOf(const TXml& lists, std::string_view idCom);
// The value stored for a chosen entry: the person's identifier for "InfoCom", else the entry's
// position in its general list ("SujetRelance" uses "SUJETACTION"); "0" when not found.
std::string storedValueOf(const ListSource& lists, std::string_view name,
                          std::string_view entryText, bool withLineBreaks);

// Values of a dependent list ("Models", "VNModels" or "VNVersions") for a make or a model: the
// value of the first item of that key (trimmed, compared upper-cased) and of the items that follow
// it with the same key, entities decoded. Nothing when no item has that key.
std::optional<std::vector<std::string>>
dependentEntries(const ListSource& lists, std::string_view list, std::string_view keyText);

// The make and the model remembered from field to field during one refresh, so that a model list
// follows its make and a version list its model.
struct CascadeMemory {
    std::string make;
    std::string model;
};

// A bound combo box as the binding fills it.
struct ComboFillRequest {
    int ctrlKind = 0;
    int infoType = 0;
    std::string fieldName;
    std::string listField;
    std::string value;
    std::string recordKind; // "_TVO", "_TVD", "_TVN", "_TCL"
    std::string recordSite;
};

struct ComboFill {
    std::vector<std::string> entries;
    int selected = -1; // entry shown, -1 for none
    bool byIndex = false;
    bool blankFirst = false;
    bool staff = false; // filled from the staff list
};

ComboFill fillBoundCombo(const ListSource& lists, const ComboFillRequest& request,
                         CascadeMemory& memory);

// A bound list box as the binding fills it.
struct ListBoxFill {
    std::vector<std::string> entries;
    std::vector<bool> selected;
    std::string codes;         // ";" + code of each entry, in order
    std::string selectedTexts; // texts of the selected entries joined by " - "
};

// clientSite is the text of the client's site box, compared exactly with the upper-cased sites.
ListBoxFill fillBoundListBox(const ListSource& lists, std::string_view listField,
                             std::string_view value, std::string_view clientSite);
