// Choice lists of combo boxes and grid columns, from the lists document.
#include "ui/TAxKelvaro.h"

#include "app/Cp1252.h"
#include "ui/ControlFace.h"
#include "ui/grid/DataGrid.h"

namespace {
QStringList toItems(const std::vector<std::string>& entries)
{
    QStringList items;
    items.reserve(qsizetype(entries.size()));
    for (const std::string& entry : entries)
        items << fromCp1252(entry);
    return items;
}
} // namespace

void TAxKelvaro::LoadInfoNxComboBox(const std::string& name, ControlFace& box)
{
    if (!ListsIndex)
        return;
    if (const auto entries = listEntries(*ListsIndex, name, RecordSite, false))
        box.setItems(toItems(*entries));
}

void TAxKelvaro::LoadInfoNxComboBoxColumn(const std::string& name, DataGrid& grid, int column)
{
    if (!ListsIndex)
        return;
    if (const auto entries = listEntries(*ListsIndex, name, RecordSite, true))
        grid.setColumnItems(column, toItems(*entries));
}

void TAxKelvaro::SetInfoComboBoxIdCom(const std::string& idCom, ControlFace& box)
{
    const auto name = staffNameOf(ListsDoc, idCom);
    if (!name)
        return;
    const QString wanted = fromCp1252(*name);
    const QStringList items = box.items();
    for (int i = int(items.size()) - 1; i >= 0; --i) {
        if (items[i] == wanted) {
            box.setItemIndex(i);
            return;
        }
    }
}

void TAxKelvaro::GetInfoComboBoxIdCom(const std::string& name, const std::string& entryText,
                                      std::string& value)
{
    value = ListsIndex ? storedValueOf(*ListsIndex, name, entryText, false) : std::string("0");
}
