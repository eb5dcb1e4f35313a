#include "demo-server/RecordDocuments.h"

#include <charconv>
#include <functional>

#include "app/DayDate.h"
#include "demo-server/DocumentRows.h"
#include "demo-server/ValueFormat.h"

namespace {

const ElementNames kRecordNames = {{"idTVO", "idtVO"}};

int columnIndex(const Statement& row, std::string_view name)
{
    for (int c = 0; c < row.columnCount(); ++c) {
        if (row.columnName(c) == name)
            return c;
    }
    return -1;
}

// The user's dealership and sites ("User"), the date limits of that dealership ("OptDates", with
// the server's date "Now") and the user's groups ("GNames").
void writeEnvelope(XmlOut& out, sqlite3* db, std::string_view userId,
                   const std::string& recordConcession)
{
    const auto id = positiveId(userId);
    std::string concession = recordConcession;
    out.open("User");
    if (id) {
        Statement user(db, "SELECT Concession AS UserConcession, UserSite, Name_, US1 "
                           "FROM tUsers WHERE idUser = ?1");
        user.bind(1, *id);
        if (user.step()) {
            writeRowFields(out, user);
            concession = user.text(0).value_or("");
        }
    }
    out.close("User");
    out.endLine();

    out.open("OptDates");
    Statement dates(db,
                    "SELECT Opt_LimiteDateDeb, Opt_LimiteDateDebFrevo, Opt_LimiteDateDebOstrel, "
                    "Opt_LimiteDateVerrouVNVO FROM tOptDates WHERE Concession = ?1");
    dates.bind(1, concession);
    if (dates.step())
        writeRowFields(out, dates);
    out.element("Now", formatDate(todayDay()));
    out.close("OptDates");
    out.endLine();

    out.open("GNames");
    if (id) {
        Statement groups(db, "SELECT GName FROM tUserGroups WHERE idUser = ?1 ORDER BY rowid");
        groups.bind(1, *id);
        while (groups.step())
            out.element("GName", groups.text(0).value_or(""));
    }
    out.close("GNames");
    out.endLine();
}

} // namespace

std::optional<long long> positiveId(std::string_view text)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value <= 0)
        return std::nullopt;
    return value;
}

namespace {

// What differs between the record documents: the record's query (bound with its identifier), its
// root element, the fields computed for the root and the lists that follow it.
struct RecordShape {
    const char* sql;
    const char* root;
    std::function<void(XmlOut&, const Statement&)> computedFields;
    std::function<void(XmlOut&, const Statement&)> lists;
};

std::string recordDocument(sqlite3* db, std::string_view id, std::string_view userId,
                           const RecordShape& shape)
{
    XmlOut out;
    out.open("document");
    out.endLine();
    std::string concession;
    if (const auto key = positiveId(id)) {
        Statement record(db, shape.sql);
        record.bind(1, *key);
        if (record.step()) {
            concession = record.text(columnIndex(record, "Concession")).value_or("");
            out.open(shape.root);
            writeRowFields(out, record, kRecordNames);
            if (shape.computedFields)
                shape.computedFields(out, record);
            out.close(shape.root);
            out.endLine();
            shape.lists(out, record);
        }
    }
    writeEnvelope(out, db, userId, concession);
    out.close("document");
    out.endLine();
    return out.windows1252();
}

} // namespace

std::string vehicleDocument(sqlite3* db, std::string_view idTVO, std::string_view userId)
{
    auto idVO = [](const Statement& record) { return record.integer(columnIndex(record, "idVO")); };
    const RecordShape shape{
        "SELECT * FROM tVehicles WHERE idTVO = ?1", "tVO",
        [&](XmlOut& out, const Statement& record) {
            // The total of the reconditioning costs, which the margins start from.
            Statement total(db, "SELECT TOTAL(MontantHT) FROM \"tVO - Frevo\" WHERE idVO = ?1");
            total.bind(1, idVO(record));
            total.step();
            out.element("Frevo", documentAmount(total.text(0).value_or("0")));
        },
        [&](XmlOut& out, const Statement& record) {
            writeList(out, db,
                      "SELECT * FROM \"tVO - Frevo\" WHERE idVO = ?1 ORDER BY DateFrevo, idFrevo",
                      idVO(record), "FrevoS", "Frevo");
            writeList(out, db,
                      "SELECT NomImage, NumImage, DateImage FROM \"tVO - Liens Images\" "
                      "WHERE idVO = ?1 ORDER BY NumImage, idImage",
                      idVO(record), "ImageS", "Image");
            writeList(out, db,
                      "SELECT DResaMax, Vendeur, Acheteur, Commentaire FROM tReservations "
                      "WHERE idVO = ?1 ORDER BY DResaMax, idResa",
                      idVO(record), "ResaS", "Resa");
        }};
    return recordDocument(db, idTVO, userId, shape);
}

std::string clientDocument(sqlite3* db, std::string_view idClient, std::string_view userId)
{
    const RecordShape shape{
        "SELECT * FROM tClients WHERE idClient = ?1", "TVC", nullptr,
        [&](XmlOut& out, const Statement& record) {
            const long long id = record.integer(columnIndex(record, "idClient"));
            writeList(out, db,
                      "SELECT * FROM tActions WHERE idClient = ?1 "
                      "ORDER BY DateAction DESC, idAction DESC",
                      id, "TActS", "TAct");
            writeList(out, db, "SELECT * FROM TVehiclesOstrel WHERE idClient = ?1 ORDER BY idTVO",
                      id, "TVehS", "TVeh", kRecordNames);
        }};
    return recordDocument(db, idClient, userId, shape);
}
