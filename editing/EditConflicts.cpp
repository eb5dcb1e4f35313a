#include "editing/EditConflicts.h"

#include "app/Numbers.h"
#include "editing/Statements.h"
#include "view/StructureDoc.h"

bool storedAlike(std::string_view left, std::string_view right, int infoType)
{
    if (left == right)
        return true;
    const std::string a = valueLiteral(left, infoType);
    const std::string b = valueLiteral(right, infoType);
    if (a == b)
        return true;
    const std::optional<double> x = parseNumber(a);
    const std::optional<double> y = parseNumber(b);
    return x && y && *x == *y;
}

namespace {
// The server holds neither the value loaded nor the value typed: someone else changed it. A value
// the server holds in its own form ("12.50" for "12,5") is the one typed, as after a save whose
// answer was lost.
bool changedByAnother(const std::string& server, const TsDesc& field)
{
    return !storedAlike(server, field.OrgValue, field.InfoType) &&
           !storedAlike(server, field.Value, field.InfoType);
}
} // namespace

std::string serverFieldValue(const TsDesc& field, const TXml& values, int today)
{
    const std::string& source = field.SourceName.empty() ? field.FieldName : field.SourceName;
    return transformValue(XmlText(values, source), field.CtrlKind, field.InfoType, today);
}

std::vector<FieldConflict> fieldConflicts(const std::vector<const TsDesc*>& changed,
                                          const TXml& values, int today,
                                          const std::function<bool(const TsDesc&)>& computed)
{
    std::vector<FieldConflict> conflicts;
    for (const TsDesc* field : changed) {
        if (computed(*field))
            continue;
        std::string server = serverFieldValue(*field, values, today);
        // The other user typed what this one typed: nothing to choose.
        if (changedByAnother(server, *field))
            conflicts.push_back({field, field->OrgValue, std::move(server), field->Value});
    }
    return conflicts;
}

std::optional<TXml> rereadValues(const TXml& document, const char* rootName, bool clientVehicle,
                                 const std::vector<const TsDesc*>& keys)
{
    TXml root = document;
    XmlFind(root, rootName);
    if (root.Node().empty())
        return std::nullopt;
    if (!clientVehicle)
        return root;
    TXml vehicles = document;
    XmlFind(vehicles, "TVehS");
    while (XmlNext(vehicles, "TVeh") > 0) {
        bool same = true;
        for (const TsDesc* key : keys)
            same = same && XmlText(vehicles, key->FieldName) == key->OrgValue;
        if (same)
            return vehicles;
    }
    return std::nullopt;
}

std::optional<TXml> rereadLine(const TXml& document, const char* listName, const char* lineName,
                               const TsDesc& key, CellReader read)
{
    TXml lines = document;
    XmlFind(lines, listName);
    while (!key.FieldName.empty() && XmlNext(lines, lineName) > 0) {
        if (read(XmlText(lines, key.FieldName), key.InfoType) == key.OrgValue)
            return lines;
    }
    return std::nullopt;
}

std::vector<FieldConflict> lineConflicts(const TsLine& line, const TXml& serverLine,
                                         CellReader read)
{
    std::vector<FieldConflict> conflicts;
    for (const TsDesc& cell : line.Cells) {
        if (cell.FieldName.empty() || cell.OrgValue == cell.Value)
            continue;
        std::string server = read(XmlText(serverLine, cell.FieldName), cell.InfoType);
        if (changedByAnother(server, cell))
            conflicts.push_back({&cell, cell.OrgValue, std::move(server), cell.Value});
    }
    return conflicts;
}

std::string fieldCaption(const TsDesc& field)
{
    std::string caption = field.Caption;
    while (!caption.empty() && (caption.back() == ':' || caption.back() == ' '))
        caption.pop_back();
    return caption.empty() ? field.FieldName : caption;
}

std::string conflictListing(const std::vector<FieldConflict>& conflicts)
{
    std::string text;
    for (const FieldConflict& conflict : conflicts) {
        text += fieldCaption(*conflict.field) + " : charg\xE9 \xAB " + conflict.loaded +
                " \xBB, sur le serveur \xAB " + conflict.server + " \xBB, saisi \xAB " +
                conflict.typed + " \xBB\n";
    }
    return text;
}
