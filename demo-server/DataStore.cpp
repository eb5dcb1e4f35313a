#include "demo-server/DataStore.h"

#include <filesystem>

#include "demo-server/FoldedText.h"
#include "demo-server/SeedData.h"
#include "demo-server/ServerLimits.h"

namespace fs = std::filesystem;

namespace {

// Virtual-machine steps between two looks at the clock: a few microseconds of work.
constexpr int kProgressSteps = 1000;

} // namespace

DataStore::DataStore(const std::string& fileName)
    : fileName_(fileName)
    , db_(openDatabase(fileName))
{
    // WAL lets a crash of the demo lose nothing; the busy time-out covers other processes (the
    // sqlite3 shell of a curious developer).
    execScript(db_.get(), "PRAGMA journal_mode = WAL; PRAGMA busy_timeout = 2000;");
    installFoldedText(db_.get());
    sqlite3_limit(db_.get(), SQLITE_LIMIT_LENGTH, int(kValueBytesLimit));
    sqlite3_progress_handler(db_.get(), kProgressSteps, &DataStore::onProgress, this);
    setReplyLimit(ServerLimits{}.replyBytes);
}

void DataStore::setReplyLimit(size_t replyBytes)
{
    // The library's limit holds for the whole process, which has this one connection.
    sqlite3_hard_heap_limit64(sqlite3_int64(statementMemoryLimit(replyBytes)));
}

void DataStore::stop()
{
    stopping_ = true;
    sqlite3_interrupt(db_.get());
}

int DataStore::onProgress(void* context)
{
    auto* store = static_cast<DataStore*>(context);
    if (store->stopping_)
        return 1;
    if (store->clockRunning_ && std::chrono::steady_clock::now() > store->deadline_) {
        store->overran_ = true;
        return 1;
    }
    return 0;
}

DataStore::StatementClock::StatementClock(DataStore& store, const Session&)
    : store_(store)
{
    store_.overran_ = false;
    store_.deadline_ = std::chrono::steady_clock::now() + store_.statementLimit_;
    store_.clockRunning_ = true;
}

bool DataStore::StatementClock::pastDeadline() const
{
    if (std::chrono::steady_clock::now() > store_.deadline_)
        store_.overran_ = true;
    return store_.overran_;
}

DataStore::StatementClock::~StatementClock()
{
    store_.clockRunning_ = false;
}

OpenedStore openDemoDatabase(const std::string& dataFolder)
{
    fs::create_directories(dataFolder);
    const std::string fileName = (fs::path(dataFolder) / "kelvaro-demo.sqlite").string();
    OpenedStore opened;
    opened.store = std::make_unique<DataStore>(fileName);
    long long version = 0;
    {
        auto session = opened.store->session();
        version = queryInteger(session.db(), "PRAGMA user_version");
    }
    if (version == seedFingerprint())
        return opened;

    if (version != 0) {
        opened.store.reset();
        const std::string aside = fileName + ".ancien";
        std::error_code ignored;
        fs::remove(aside, ignored);
        fs::rename(fileName, aside);
        fs::remove(fileName + "-wal", ignored);
        fs::remove(fileName + "-shm", ignored);
        opened.store = std::make_unique<DataStore>(fileName);
        opened.notice = "les données d'une autre version ont été mises de côté dans " + aside;
    }
    auto session = opened.store->session();
    loadSeedData(session.db());
    opened.created = true;
    if (opened.notice.empty())
        opened.notice = "base de démonstration créée : " + fileName;
    return opened;
}
