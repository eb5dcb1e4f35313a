#include "server/RequestClient.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#include <curl/curl.h>

namespace {

void initialiseCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t appendBody(char* data, size_t size, size_t count, void* target)
{
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

// Keeps the last status line ("HTTP/1.1 404 Not Found") for the failure text.
size_t keepStatusLine(char* data, size_t size, size_t count, void* target)
{
    const std::string_view line(data, size * count);
    if (line.substr(0, 5) == "HTTP/") {
        std::string status(line);
        while (!status.empty() && (status.back() == '\r' || status.back() == '\n'))
            status.pop_back();
        *static_cast<std::string*>(target) = status;
    }
    return size * count;
}

// Hosts that never go through the proxy: no_proxy and loopback.
std::string noProxyList()
{
    std::string list;
    for (const char* name : {"no_proxy", "NO_PROXY"}) {
        if (const char* value = std::getenv(name); value && *value) {
            list = value;
            break;
        }
    }
    if (!list.empty())
        list += ",";
    return list + "127.0.0.1,localhost,::1";
}

// What libcurl's progress callback watches: the whole-transfer limit of a file, which grows with
// what is known of its size, and the window's wish to cancel a document or a download.
struct FileClock {
    bool limited = false;
    TransferLimit limit;
    std::chrono::steady_clock::time_point start;
    bool tripped = false;
    long elapsedMs = 0;
    curl_off_t received = 0;
    const std::atomic<bool>* cancel = nullptr; // null: the request is never cancelled
    bool cancelled = false;
};

int checkFileClock(void* clock, curl_off_t dlTotal, curl_off_t dlNow, curl_off_t ulTotal,
                   curl_off_t ulNow)
{
    auto* file = static_cast<FileClock*>(clock);
    if (file->cancel && file->cancel->load()) {
        file->cancelled = true;
        return 1;
    }
    if (!file->limited)
        return 0;
    const curl_off_t size = std::max({dlTotal, dlNow, ulTotal, ulNow, curl_off_t(0)});
    file->elapsedMs = long(std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::steady_clock::now() - file->start)
                               .count());
    file->received = dlNow;
    if (file->elapsedMs <= transferLimitMs(file->limit, std::uint64_t(size)))
        return 0;
    file->tripped = true;
    return 1;
}

} // namespace

struct RequestClient::Handle {
    CURL* curl = nullptr;
    curl_slist* headers = nullptr;
    char errorText[CURL_ERROR_SIZE] = {};
    std::string statusLine;
    FileClock fileClock;

    Handle()
    {
        initialiseCurlOnce();
        curl = curl_easy_init();
        curl_easy_setopt(curl, CURLOPT_COOKIEFILE, ""); // cookie engine on, nothing read
        // One persistent connection: a statement's own connection replaces the one before.
        curl_easy_setopt(curl, CURLOPT_MAXCONNECTS, 1L);
    }
    ~Handle()
    {
        curl_slist_free_all(headers);
        curl_easy_cleanup(curl);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
};

RequestClient::RequestClient(bool readTimeout)
    : handle_(std::make_unique<Handle>())
    , readTimeoutMs_(readTimeout ? 5000 : 0)
{}

RequestClient::~RequestClient() = default;

void RequestClient::setProxy(const std::string& host, int port)
{
    proxy_ = host.empty() ? std::string() : host + ":" + std::to_string(port);
}

void RequestClient::closeConnection()
{
    // A new handle closes the socket; the cookies travel to it.
    curl_slist* cookies = nullptr;
    curl_easy_getinfo(handle_->curl, CURLINFO_COOKIELIST, &cookies);
    handle_ = std::make_unique<Handle>();
    for (curl_slist* c = cookies; c; c = c->next)
        curl_easy_setopt(handle_->curl, CURLOPT_COOKIELIST, c->data);
    curl_slist_free_all(cookies);
}

void RequestClient::prepare(RequestMode mode)
{
    CURL* curl = handle_->curl;
    curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, mode.freshConnection ? 1L : 0L);
    cancel_ = false;
    handle_->fileClock = FileClock{};
    // A statement is never cancelled: it may have been applied.
    handle_->fileClock.cancel = mode.freshConnection ? nullptr : &cancel_;
    if (mode.file) {
        handle_->fileClock.limited = true;
        handle_->fileClock.limit = fileLimit_;
        handle_->fileClock.start = std::chrono::steady_clock::now();
        curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, 0L);
    } else {
        curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, documentLimitMs_);
    }
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, checkFileClock);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &handle_->fileClock);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_PATH_AS_IS, 1L);
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Mozilla/3.0 (compatible; Indy Library)");
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, handle_->errorText);
    curl_easy_setopt(curl, CURLOPT_PROXY, proxy_.c_str());
    curl_easy_setopt(curl, CURLOPT_NOPROXY, noProxyList().c_str());
    if (readTimeoutMs_ > 0) {
        curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, readTimeoutMs_);
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, (readTimeoutMs_ + 999) / 1000);
    } else {
        curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, 0L);
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 0L);
        curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, 0L);
    }
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, keepStatusLine);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &handle_->statusLine);
    handle_->errorText[0] = '\0';
    handle_->statusLine.clear();
}

HttpReply RequestClient::perform()
{
    HttpReply reply;
    CURL* curl = handle_->curl;
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, appendBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &reply.body);
    const CURLcode code = curl_easy_perform(curl);
    long connects = 0;
    curl_easy_getinfo(curl, CURLINFO_NUM_CONNECTS, &connects);
    reply.newConnection = connects > 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &reply.status);
    curl_off_t connectTime = 0;
    long requestSize = 0;
    curl_easy_getinfo(curl, CURLINFO_CONNECT_TIME_T, &connectTime);
    curl_easy_getinfo(curl, CURLINFO_REQUEST_SIZE, &requestSize);
    reply.connected = connectTime > 0 || requestSize > 0;
    reply.curlCode = int(code);
    const FileClock& file = handle_->fileClock;
    if (code == CURLE_ABORTED_BY_CALLBACK && file.cancelled) {
        reply.error = "Requête annulée à la fermeture de la fenêtre";
        return reply;
    }
    if (code == CURLE_ABORTED_BY_CALLBACK && file.tripped) {
        // Told as libcurl tells its own time-out.
        char text[CURL_ERROR_SIZE];
        std::snprintf(text, sizeof text,
                      "Operation timed out after %ld milliseconds with %lld bytes received",
                      file.elapsedMs, static_cast<long long>(file.received));
        reply.error = text;
        reply.curlCode = int(CURLE_OPERATION_TIMEDOUT);
        return reply;
    }
    if (code != CURLE_OK) {
        reply.error = handle_->errorText[0] ? handle_->errorText : curl_easy_strerror(code);
        return reply;
    }
    if (reply.status >= 400) {
        reply.error = handle_->statusLine.empty() ? "HTTP/1.1 " + std::to_string(reply.status)
                                                  : handle_->statusLine;
        return reply;
    }
    reply.ok = true;
    return reply;
}

HttpReply RequestClient::get(const std::string& url, RequestMode mode)
{
    prepare(mode);
    CURL* curl = handle_->curl;
    lastUrl_ = url;
    curl_slist_free_all(handle_->headers);
    handle_->headers = curl_slist_append(nullptr, "Accept: text/html, */*");
    handle_->headers = curl_slist_append(handle_->headers, "Content-Type: text/html");
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, handle_->headers);
    curl_easy_setopt(curl, CURLOPT_MIMEPOST, nullptr);
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    return perform();
}

HttpReply RequestClient::postMultipart(const std::string& url, const MultipartForm& form,
                                       RequestMode mode)
{
    prepare(mode);
    CURL* curl = handle_->curl;
    lastUrl_ = url;
    curl_mime* mime = curl_mime_init(curl);
    for (const FormPart& part : form) {
        curl_mimepart* field = curl_mime_addpart(mime);
        curl_mime_name(field, part.name.c_str());
        curl_mime_data(field, part.data.data(), part.data.size());
        if (part.isFile) {
            curl_mime_filename(field, part.fileName.c_str());
            curl_mime_type(field, part.contentType.empty() ? "application/octet-stream"
                                                           : part.contentType.c_str());
        }
    }
    curl_slist_free_all(handle_->headers);
    handle_->headers = curl_slist_append(nullptr, "Accept: text/html, */*");
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, handle_->headers);
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_MIMEPOST, mime);
    HttpReply reply = perform();
    curl_easy_setopt(curl, CURLOPT_MIMEPOST, nullptr);
    curl_mime_free(mime);
    return reply;
}
