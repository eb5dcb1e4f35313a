#include "photos/FtpUpload.h"

#include <algorithm>
#include <cstdio>
#include <mutex>

#include <curl/curl.h>

#include "app/Numbers.h"
#include "server/TransferRules.h"

namespace {

int portOf(const std::string& text, int fallback)
{
    const auto number = parseWholeNumber(text);
    return number && *number > 0 && *number < 65536 ? int(*number) : fallback;
}

struct FileClose {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

size_t readFile(char* buffer, size_t size, size_t count, void* file)
{
    return std::fread(buffer, size, count, static_cast<std::FILE*>(file));
}

// The part of a URL path for one folder or file name.
std::string escaped(CURL* curl, const std::string& text)
{
    char* raw = curl_easy_escape(curl, text.c_str(), int(text.size()));
    std::string result = raw ? raw : "";
    curl_free(raw);
    return result;
}

} // namespace

std::optional<FtpEndpoint> chooseFtpEndpoint(const FtpSettings& settings, bool behindProxy)
{
    if (settings.host.empty())
        return std::nullopt;
    FtpEndpoint endpoint{settings.host, portOf(settings.port, 21), settings.user,
                         settings.password};
    if (behindProxy && !settings.relay.empty()) {
        const size_t colon = settings.relay.rfind(':');
        endpoint.host = settings.relay.substr(0, colon);
        if (colon != std::string::npos)
            endpoint.port = portOf(settings.relay.substr(colon + 1), endpoint.port);
        endpoint.user = settings.user + "@" + settings.host;
    }
    return endpoint;
}

struct FtpSession::Handle {
    CURL* curl = nullptr;
    char errorText[CURL_ERROR_SIZE] = {};
    Handle()
    {
        static std::once_flag once;
        std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
        curl = curl_easy_init();
    }
    ~Handle() { curl_easy_cleanup(curl); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
};

FtpSession::FtpSession(FtpEndpoint endpoint)
    : endpoint_(std::move(endpoint))
    , handle_(std::make_unique<Handle>())
{}

FtpSession::~FtpSession() = default;

std::string FtpSession::store(const std::string& localPath, const std::string& remoteName,
                              const std::string& folder)
{
    CURL* curl = handle_->curl;
    if (!curl)
        return "libcurl n'a pas pu être initialisée";
    const std::unique_ptr<std::FILE, FileClose> file(std::fopen(localPath.c_str(), "rb"));
    if (!file)
        return "le fichier « " + localPath + " » ne peut pas être lu";
    std::fseek(file.get(), 0, SEEK_END);
    const long size = std::ftell(file.get());
    std::fseek(file.get(), 0, SEEK_SET);

    std::string url = "ftp://" + endpoint_.host + ":" + std::to_string(endpoint_.port) + "/";
    size_t begin = 0;
    while (begin <= folder.size()) {
        const size_t slash = std::min(folder.find('/', begin), folder.size());
        if (slash > begin)
            url += escaped(curl, folder.substr(begin, slash - begin)) + "/";
        begin = slash + 1;
    }
    url += escaped(curl, remoteName);

    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_USERNAME, endpoint_.user.c_str());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, endpoint_.password.c_str());
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, readFile);
    curl_easy_setopt(curl, CURLOPT_READDATA, file.get());
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(size));
    curl_easy_setopt(curl, CURLOPT_FTPPORT, "-"); // active mode
    curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, 0L);
    // The proxy of the web requests never applies; nor does the environment's.
    curl_easy_setopt(curl, CURLOPT_PROXY, "");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, 5000L);
    curl_easy_setopt(curl, CURLOPT_ACCEPTTIMEOUT_MS, 5000L);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS,
                     transferLimitMs(kFileTransferLimit, std::uint64_t(std::max(size, 0L))));
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, handle_->errorText);
    handle_->errorText[0] = '\0';
    const CURLcode code = curl_easy_perform(curl);
    if (code == CURLE_OK)
        return {};
    // The buffer keeps stale text after a success: read only on failure.
    return handle_->errorText[0] ? std::string(handle_->errorText) : curl_easy_strerror(code);
}
