#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "demo-server/Sqlite.h"

// The server's database: one SQLite connection whose every use is serialised, so that several
// clients at once never interleave inside one request.
class DataStore {
public:
    explicit DataStore(const std::string& fileName);

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

private:
    std::string fileName_;
    std::mutex mutex_;
    SqliteHandle db_;
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
