#include "demo-server/DocumentRows.h"

#include "demo-server/ValueFormat.h"

void writeRowFields(XmlOut& out, const Statement& row, const ElementNames& names)
{
    for (int c = 0; c < row.columnCount(); ++c) {
        const std::string column = row.columnName(c);
        const auto renamed = names.find(column);
        out.element(renamed == names.end() ? elementName(column) : renamed->second,
                    documentValue(row.declaredType(c), row.text(c)));
    }
}

void writeList(XmlOut& out, sqlite3* db, std::string_view sql, long long key,
               std::string_view container, std::string_view item, const ElementNames& names)
{
    Statement rows(db, sql);
    rows.bind(1, key);
    writeItems(out, rows, container, item, names);
}

void writeItems(XmlOut& out, Statement& rows, std::string_view container, std::string_view item,
                const ElementNames& names)
{
    out.open(container);
    out.endLine();
    while (rows.step()) {
        out.open(item);
        writeRowFields(out, rows, names);
        out.close(item);
        out.endLine();
    }
    out.close(container);
    out.endLine();
}
