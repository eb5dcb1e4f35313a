#include "demo-server/RecordDocuments.h"

#include <charconv>

#include "app/DayDate.h"
#include "demo-server/DocumentRows.h"
#include "demo-server/ValueFormat.h"

namespace {

const ElementNames kRecordNames = {{"idTVO", "idtVO"}};

int columnIndex(const Statement& row, std::string_view name) {
    for (int c = 0; c < row.columnCount(); ++c) {
        if (row.columnName(c) == name)
            return c;
    }
    return -1;
}

// The user's dealership and sites ("User"), the date limits of that dealership ("OptDates", with
// the server's date "Now") and the user's groups ("GNames").
void writeEnvelope(XmlOut& out, sqlite3* db, std::string_view userId,
                   const std::string& recordConcession) {
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

std::string finish(XmlOut& out) {
    out.close("document");
    out.endLine();
    return out.windows1252();
}

} // namespace

std::optional<long long> positiveId(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value <= 0)
        return std::nullopt;
    return value;
}

std::string vehicleDocument(sqlite3* db, std::string_view idTVO, std::string_view userId) {
    XmlOut out;
    out.open("document");
    out.endLine();
    std::string concession;
    if (const auto id = positiveId(idTVO)) {
        Statement record(db, "SELECT * FROM tVehicles WHERE idTVO = ?1");
        record.bind(1, *id);
        if (record.step()) {
            const long long idVO = record.integer(columnIndex(record, "idVO"));
            concession = record.text(columnIndex(record, "Concession")).value_or("");
            Statement total(db, "SELECT TOTAL(MontantHT) FROM \"tVO - Frevo\" WHERE idVO = ?1");
            total.bind(1, idVO);
            total.step();

            out.open("tVO");
            writeRowFields(out, record, kRecordNames);
            // The total of the reconditioning costs, which the margins start from.
            out.element("Frevo", documentAmount(total.text(0).value_or("0")));
            out.close("tVO");
            out.endLine();
            writeList(out, db,
                      "SELECT * FROM \"tVO - Frevo\" WHERE idVO = ?1 ORDER BY DateFrevo, idFrevo",
                      idVO, "FrevoS", "Frevo");
            writeList(out, db,
                      "SELECT NomImage, NumImage, DateImage FROM \"tVO - Liens Images\" "
                      "WHERE idVO = ?1 ORDER BY NumImage, idImage",
                      idVO, "ImageS", "Image");
            writeList(out, db,
                      "SELECT DResaMax, Vendeur, Acheteur, Commentaire FROM tReservations "
                      "WHERE idVO = ?1 ORDER BY DResaMax, idResa",
                      idVO, "ResaS", "Resa");
        }
    }
    writeEnvelope(out, db, userId, concession);
    return finish(out);
}

std::string clientDocument(sqlite3* db, std::string_view idClient, std::string_view userId) {
    XmlOut out;
    out.open("document");
    out.endLine();
    std::string concession;
    if (const auto id = positiveId(idClient)) {
        Statement record(db, "SELECT * FROM tClients WHERE idClient = ?1");
        record.bind(1, *id);
        if (record.step()) {
            concession = record.text(columnIndex(record, "Concession")).value_or("");
            out.open("TVC");
            writeRowFields(out, record);
            out.close("TVC");
            out.endLine();
            writeList(out, db,
                      "SELECT * FROM tActions WHERE idClient = ?1 "
                      "ORDER BY DateAction DESC, idAction DESC",
                      *id, "TActS", "TAct");
            writeList(out, db, "SELECT * FROM TVehiclesOstrel WHERE idClient = ?1 ORDER BY idTVO",
                      *id, "TVehS", "TVeh", kRecordNames);
        }
    }
    writeEnvelope(out, db, userId, concession);
    return finish(out);
}
