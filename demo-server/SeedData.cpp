#include "demo-server/SeedData.h"

#include <stdexcept>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include "demo-server/Csv.h"

namespace {

const char* kFolder = ":/demo-data";

QByteArray resource(const QString& name)
{
    QFile file(QString(kFolder) + "/" + name);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("fichier de données absent : " + name.toStdString());
    return file.readAll();
}

QStringList tableFiles()
{
    return QDir(kFolder).entryList({"*.csv"}, QDir::Files, QDir::Name);
}

void loadTable(sqlite3* db, const QString& fileName)
{
    const std::string table = fileName.chopped(4).toStdString();
    const QByteArray bytes = resource(fileName);
    CsvTable csv;
    try {
        csv = parseCsv(std::string_view(bytes.constData(), size_t(bytes.size())));
    } catch (const std::exception& error) {
        throw std::runtime_error(fileName.toStdString() + " : " + error.what());
    }
    if (csv.header.empty())
        return;
    std::string columns;
    std::string marks;
    for (const std::string& name : csv.header) {
        columns += (columns.empty() ? "" : ", ") + quoteName(name);
        marks += marks.empty() ? "?" : ", ?";
    }
    try {
        Statement insert(db, "INSERT INTO " + quoteName(table) + " (" + columns + ") VALUES (" +
                                 marks + ")");
        for (const CsvRecord& record : csv.records) {
            insert.reset();
            for (size_t i = 0; i < record.size(); ++i) {
                if (record[i])
                    insert.bind(int(i + 1), *record[i]);
                else
                    insert.bindNull(int(i + 1));
            }
            insert.step();
        }
    } catch (const SqliteError& error) {
        throw std::runtime_error(fileName.toStdString() + " : " + error.what());
    }
}

} // namespace

std::int32_t seedFingerprint()
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(resource("schema.sql"));
    for (const QString& name : tableFiles()) {
        hash.addData(name.toUtf8());
        hash.addData(resource(name));
    }
    const QByteArray digest = hash.result();
    std::int32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(digest[i]);
    // user_version 0 means "nothing here yet": keep fingerprints positive and non-zero.
    return (value & 0x7fffffff) | 1;
}

void loadSeedData(sqlite3* db)
{
    const QByteArray schema = resource("schema.sql");
    execScript(db, "BEGIN");
    try {
        execScript(db, schema.toStdString());
        for (const QString& name : tableFiles())
            loadTable(db, name);
        execScript(db, "PRAGMA user_version = " + std::to_string(seedFingerprint()));
        execScript(db, "COMMIT");
    } catch (const SqliteError& error) {
        execScript(db, "ROLLBACK");
        throw std::runtime_error(std::string("schema.sql : ") + error.what());
    } catch (...) {
        execScript(db, "ROLLBACK");
        throw;
    }
}
