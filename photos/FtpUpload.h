#pragma once

#include <memory>
#include <optional>
#include <string>

// Storing the photo files on the web server's image host by FTP: active mode, binary transfers,
// into the folder "www/voimages", overwriting files of the same name.

inline constexpr const char* PhotoFtpFolder = "www/voimages";

// The section "Deployment" of the settings file, as written.
struct FtpSettings {
    std::string host;
    std::string port; // 21 when empty or not a number
    std::string user;
    std::string password;
    std::string relay; // the FTP relay reached behind a proxy: "host" or "host:port"
};

struct FtpEndpoint {
    std::string host;
    int port = 21;
    std::string user;
    std::string password;
};

// The server itself with its account; behind a proxy, the relay (when one is configured) with the
// account name followed by "@" and the server's host name. Nothing when no server is configured.
std::optional<FtpEndpoint> chooseFtpEndpoint(const FtpSettings& settings, bool behindProxy);

// One FTP session: a connection, logged in once, that stores several files one after the other.
// Not thread-safe; used from one thread at a time.
class FtpSession {
public:
    explicit FtpSession(FtpEndpoint endpoint);
    ~FtpSession();
    FtpSession(const FtpSession&) = delete;
    FtpSession& operator=(const FtpSession&) = delete;

    // Stores a local file under the name in the folder; returns the library's error text, empty
    // on success.
    std::string store(const std::string& localPath, const std::string& remoteName,
                      const std::string& folder = PhotoFtpFolder);

private:
    struct Handle;
    FtpEndpoint endpoint_;
    std::unique_ptr<Handle> handle_;
};
