#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>

#include "demo-server/Sqlite.h"

// The server's database: one SQLite connection whose every use is serialised, so that several
// clients at once never interleave inside one request. A client's statement runs against a clock:
// past its time it is interrupted, so that no statement holds the database for long; stopping the
// store interrupts whatever runs, at once.
class DataStore {
public:
    explicit DataStore(const std::string& fileName);

    void setStatementTimeLimit(std::chrono::milliseconds limit) { statementLimit_ = limit; }
    std::chrono::milliseconds statementTimeLimit() const { return statementLimit_; }
    // Bounds the memory one statement may take by the size of the replies it can send.
    void setReplyLimit(size_t replyBytes);
    // Interrupts the statement that runs and every later one: the server is stopping.
    void stop();
    bool stopping() const { return stopping_; }

    // Holds the connection for the time of one piece of work.
    class Session {
    public:
        explicit Session(DataStore& store)
            : lock_(store.mutex_)
            , db_(store.db_.get())
        {}
        sqlite3* db() const { return db_; }

    private:
        std::unique_lock<std::mutex> lock_;
        sqlite3* db_;
    };

    Session session() { return Session(*this); }
    const std::string& fileName() const { return fileName_; }

    // The clock of one client statement, started for the life of this object; the session that
    // holds the connection must outlive it.
    class StatementClock {
    public:
        StatementClock(DataStore& store, const Session& session);
        ~StatementClock();
        StatementClock(const StatementClock&) = delete;
        StatementClock& operator=(const StatementClock&) = delete;
        // The statement was interrupted because it ran past its time.
        bool overran() const { return store_.overran_; }
        // Whether the time is up, for the work done between the statement's steps (its reply).
        bool pastDeadline() const;

    private:
        DataStore& store_;
    };

private:
    static int onProgress(void* store);

    std::string fileName_;
    std::mutex mutex_;
    SqliteHandle db_;
    std::chrono::milliseconds statementLimit_{2000};
    std::atomic<bool> stopping_{false};
    // Written and read only by the holder of the session.
    bool clockRunning_ = false;
    bool overran_ = false;
    std::chrono::steady_clock::time_point deadline_;
};

// The database of a data folder, created with the schema and the sample data at the first start.
// When the folder holds the data of another version of the sample files, that file is set aside
// (renamed with the suffix ".ancien") and a fresh one is made; created is then true.
struct OpenedStore {
    std::unique_ptr<DataStore> store;
    bool created = false;
    std::string notice; // what was done, in French, for the console
};
OpenedStore openDemoDatabase(const std::string& dataFolder);
