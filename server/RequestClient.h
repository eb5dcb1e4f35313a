#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "server/TransferRules.h"

// One part of a multipart form: a plain field, or a file part when isFile is set.
struct FormPart {
    std::string name;
    std::string data;
    std::string fileName;
    std::string contentType; // for file parts; empty gives application/octet-stream
    bool isFile = false;

    static FormPart field(std::string name, std::string value)
    {
        return {std::move(name), std::move(value), {}, {}, false};
    }
    static FormPart file(std::string name, std::string fileName, std::string data,
                         std::string contentType = {})
    {
        return {std::move(name), std::move(data), std::move(fileName), std::move(contentType),
                true};
    }
};
using MultipartForm = std::vector<FormPart>;

struct HttpReply {
    bool ok = false;
    long status = 0;
    std::string body;
    std::string error; // the library's message, or the status line of an HTTP error
    bool newConnection = false;
    int curlCode = 0;       // libcurl's result (28 also when the whole-transfer limit tripped)
    bool connected = false; // a connection was made or reused, or a request written
};

// How one request travels.
struct RequestMode {
    // On a connection of its own: a request that changes the server's data is never resent by
    // libcurl, which resends a request on a new connection when a reused one turns out dead.
    bool freshConnection = false;
    // A file: the whole-transfer limit for files, which grows with the size sent or received.
    bool file = false;
};

// An HTTP client that keeps one connection open between requests (libcurl easy handle with its
// cookie engine). Not thread-safe: one request at a time, from any one thread.
class RequestClient {
public:
    // With a read time-out, a request fails after 5 s without receiving data (and a connection
    // that takes 5 s). Every request also has a limit on the whole transfer: the document limit,
    // or the file limit for a request made in file mode.
    explicit RequestClient(bool readTimeout);
    ~RequestClient();
    RequestClient(const RequestClient&) = delete;
    RequestClient& operator=(const RequestClient&) = delete;

    HttpReply get(const std::string& url, RequestMode mode = {});
    HttpReply postMultipart(const std::string& url, const MultipartForm& form,
                            RequestMode mode = {});

    // Drops the connection; the next request opens a new one. Cookies are kept.
    void closeConnection();
    // From another thread: ends the running request unless it is a statement (a document or a
    // download is dropped; a statement may already be applied and always runs to its end).
    void cancel() { cancel_ = true; }
    // Empty host: no proxy (also ignoring the environment).
    void setProxy(const std::string& host, int port);
    // Read time-out in milliseconds (tests use shorter ones); 0 disables it.
    void setReadTimeoutMs(long milliseconds) { readTimeoutMs_ = milliseconds; }
    // Whole-transfer limits (tests use shorter ones).
    void setTransferLimits(long documentMs, TransferLimit files)
    {
        documentLimitMs_ = documentMs;
        fileLimit_ = files;
    }
    // Address of the last request, for resolving relative addresses against it.
    const std::string& lastUrl() const { return lastUrl_; }

private:
    struct Handle;
    void prepare(RequestMode mode);
    HttpReply perform();

    std::unique_ptr<Handle> handle_;
    long readTimeoutMs_;
    long documentLimitMs_ = kDocumentTransferLimitMs;
    TransferLimit fileLimit_ = kFileTransferLimit;
    std::string proxy_;
    std::string lastUrl_;
    std::atomic<bool> cancel_{false};
};
