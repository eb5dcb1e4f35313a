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

struct SlistFree {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

// Failures before the server took any file: no server, no connection, refused login, folder
// or file.
bool nothingStored(int code)
{
    switch (code) {
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_FAILED_INIT:
    case CURLE_URL_MALFORMAT:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT:
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_UPLOAD_FAILED:
    case CURLE_FTP_PORT_FAILED:
    case CURLE_LOGIN_DENIED:
        return true;
    default:
        return false;
    }
}

const char* failurePhrase(int code)
{
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return "serveur FTP introuvable";
    case CURLE_COULDNT_CONNECT:
        return "connexion au serveur FTP impossible";
    case CURLE_LOGIN_DENIED:
        return "le serveur FTP a refusé l'identifiant ou le mot de passe";
    case CURLE_REMOTE_ACCESS_DENIED:
        return "le dossier des photos est inaccessible sur le serveur FTP";
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_FTP_ACCEPT_TIMEOUT:
        return "le serveur FTP n'a pas répondu dans le temps imparti";
    case CURLE_UPLOAD_FAILED:
        return "le serveur FTP a refusé le fichier";
    case CURLE_QUOTE_ERROR:
        return "le serveur FTP a refusé la suppression";
    case CURLE_PARTIAL_FILE:
    case CURLE_GOT_NOTHING:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
        return "la connexion au serveur FTP a été interrompue";
    case CURLE_READ_ERROR:
        return "le fichier à envoyer n'a pas pu être lu";
    default:
        return "le transfert FTP a échoué";
    }
}

// What happened, then the library's words in brackets. libcurl keeps the first error text of a
// transfer, and in active mode preparing the data connection writes one that is no failure: the
// buffer is told only for failures of the connection and of the commands before the data
// connection (login, folder, DELE).
std::string ftpFailureText(int curlCode, const std::string& errorBuffer)
{
    const bool bufferTold =
        !errorBuffer.empty() &&
        (curlCode == CURLE_COULDNT_RESOLVE_HOST || curlCode == CURLE_COULDNT_CONNECT ||
         curlCode == CURLE_LOGIN_DENIED || curlCode == CURLE_REMOTE_ACCESS_DENIED ||
         curlCode == CURLE_QUOTE_ERROR);
    return std::string(failurePhrase(curlCode)) + " (" +
           (bufferTold ? errorBuffer : std::string(curl_easy_strerror(CURLcode(curlCode)))) + ")";
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

std::string FtpSession::urlOf(const std::string& folder, const std::string& name) const
{
    std::string url = "ftp://" + endpoint_.host + ":" + std::to_string(endpoint_.port) + "/";
    size_t begin = 0;
    while (begin <= folder.size()) {
        const size_t slash = std::min(folder.find('/', begin), folder.size());
        if (slash > begin)
            url += escaped(handle_->curl, folder.substr(begin, slash - begin)) + "/";
        begin = slash + 1;
    }
    return url + escaped(handle_->curl, name);
}

int FtpSession::perform(long limitMs, std::string& failure)
{
    CURL* curl = handle_->curl;
    curl_easy_setopt(curl, CURLOPT_USERNAME, endpoint_.user.c_str());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, endpoint_.password.c_str());
    curl_easy_setopt(curl, CURLOPT_FTPPORT, "-"); // active mode
    curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, 0L);
    // The proxy of the web requests never applies; nor does the environment's.
    curl_easy_setopt(curl, CURLOPT_PROXY, "");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, 5000L);
    curl_easy_setopt(curl, CURLOPT_ACCEPTTIMEOUT_MS, 5000L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, stallSeconds_);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, limitMs);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, handle_->errorText);
    handle_->errorText[0] = '\0';
    const CURLcode code = curl_easy_perform(curl);
    // The buffer keeps stale text after a success: read only on failure.
    failure = code == CURLE_OK ? std::string() : ftpFailureText(code, handle_->errorText);
    return code;
}

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

    curl_easy_setopt(curl, CURLOPT_URL, urlOf(folder, remoteName).c_str());
    curl_easy_setopt(curl, CURLOPT_NOBODY, 0L);
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, readFile);
    curl_easy_setopt(curl, CURLOPT_READDATA, file.get());
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(size));
    std::string failure;
    const int code =
        perform(transferLimitMs(wholeLimit_, std::uint64_t(std::max(size, 0L))), failure);
    curl_easy_setopt(curl, CURLOPT_READDATA, nullptr);
    if (code == CURLE_OK || nothingStored(code))
        return failure;
    // Once under way, the server may hold part of the file under its final name.
    const std::string removal = remove(remoteName, folder);
    return failure +
           (removal.empty()
                ? " ; le fichier incomplet a été supprimé du serveur"
                : " ; le fichier incomplet n'a pas pu être supprimé du serveur : " + removal);
}

std::string FtpSession::remove(const std::string& remoteName, const std::string& folder)
{
    CURL* curl = handle_->curl;
    if (!curl)
        return "libcurl n'a pas pu être initialisée";
    // The command goes before any change of folder: the path is the folder's, from the login's.
    const std::string command = "DELE " + folder + "/" + remoteName;
    const std::unique_ptr<curl_slist, SlistFree> commands(
        curl_slist_append(nullptr, command.c_str()));
    curl_easy_setopt(curl, CURLOPT_URL, urlOf({}, {}).c_str());
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 0L);
    curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(curl, CURLOPT_QUOTE, commands.get());
    std::string failure;
    perform(transferLimitMs(wholeLimit_, 0), failure);
    curl_easy_setopt(curl, CURLOPT_QUOTE, nullptr);
    return failure;
}
