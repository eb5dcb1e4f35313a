#include "editing/BoundFields.h"

#include "view/CaseText.h"

TsDesc* boundField(TsPage (&pages)[kPageEntries], int tag)
{
    if (tag <= 0)
        return nullptr;
    const int entry = entryOfTag(tag);
    const int position = positionOfTag(tag);
    if (entry >= kPageEntries)
        return nullptr;
    std::vector<TsDesc>& fields = pages[entry].Fields;
    if (position >= int(fields.size()))
        return nullptr;
    return &fields[std::size_t(position)];
}

std::string editValue(std::string_view text, int infoType)
{
    if (infoType == 1 && text == "__/__/____")
        return {};
    return std::string(text);
}

bool isTextCombo(const TsDesc& field)
{
    return field.CtrlKind == 111 && field.InfoType == 2;
}

bool isStaffList(const TsDesc& field)
{
    return upperCp1252(field.ListKey) == "IDCOM";
}

bool opensListMaintenance(const TsDesc& field, bool superAdmin, bool ctrlHeld)
{
    return superAdmin && ctrlHeld && field.ListKey != field.ListName && isTextCombo(field);
}
