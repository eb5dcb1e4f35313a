#pragma once

#include <memory>
#include <string>
#include <vector>

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
};

// An HTTP client that keeps one connection open between requests (libcurl easy handle with its
// cookie engine). Not thread-safe: one request at a time, from any one thread.
class RequestClient {
public:
    // With a read time-out, a request fails after 5 s without receiving data (and a connection
    // that takes 5 s); it is not a limit on the whole transfer.
    explicit RequestClient(bool readTimeout);
    ~RequestClient();
    RequestClient(const RequestClient&) = delete;
    RequestClient& operator=(const RequestClient&) = delete;

    HttpReply get(const std::string& url);
    HttpReply postMultipart(const std::string& url, const MultipartForm& form);

    // Drops the connection; the next request opens a new one. Cookies are kept.
    void closeConnection();
    // Empty host: no proxy (also ignoring the environment).
    void setProxy(const std::string& host, int port);
    // Read time-out in milliseconds (tests use shorter ones); 0 disables it.
    void setReadTimeoutMs(long milliseconds) { readTimeoutMs_ = milliseconds; }
    // Address of the last request, for resolving relative addresses against it.
    const std::string& lastUrl() const { return lastUrl_; }

private:
    struct Handle;
    void prepare();
    HttpReply perform();

    std::unique_ptr<Handle> handle_;
    long readTimeoutMs_;
    std::string proxy_;
    std::string lastUrl_;
};
