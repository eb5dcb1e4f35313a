#include "grids/GridLines.h"

#include "editing/Statements.h"

namespace {
void appendListed(std::string& list, const std::string& item)
{
    if (!list.empty())
        list += ',';
    list += item;
}
} // namespace

GridLineChanges gridLineChanges(const TsLine& line, bool insert)
{
    GridLineChanges changes;
    for (const TsDesc& cell : line.Cells) {
        if (cell.FieldName.empty())
            continue;
        if (cell.OrgValue != cell.Value) {
            const std::string literal = valueLiteral(cell.Value, cell.InfoType);
            if (insert) {
                appendListed(changes.names, cell.FieldName);
                appendListed(changes.values, literal);
            } else {
                appendListed(changes.sets, cell.FieldName + "=" + literal);
            }
        } else if (changes.condition.empty()) {
            changes.condition =
                "(" + keyCondition(cell.FieldName, cell.OrgValue, cell.InfoType) + ")";
        }
    }
    return changes;
}

QString unknownInsertWarning(bool reloaded)
{
    const QString start = QStringLiteral("Ajout sans réponse du serveur : il a peut-être été "
                                         "enregistré et n'a pas été renvoyé. ");
    return start + (reloaded ? QStringLiteral("La fiche du client a été rechargée : vérifiez-y "
                                              "l'ajout avant de le saisir à nouveau.")
                             : QStringLiteral("Enregistrez les autres modifications puis "
                                              "actualisez la fiche pour le vérifier."));
}
