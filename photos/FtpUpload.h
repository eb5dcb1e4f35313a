#pragma once

#include <memory>
#include <optional>
#include <string>

#include "server/TransferRules.h"

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

    // Stores a local file under the name in the folder; returns why it failed, in French, empty
    // on success. A transfer that failed once under way has its partial file deleted, and the
    // text says whether that worked.
    std::string store(const std::string& localPath, const std::string& remoteName,
                      const std::string& folder = PhotoFtpFolder);
    // Deletes a file of the folder (DELE); returns why it failed, in French, empty on success.
    std::string remove(const std::string& remoteName, const std::string& folder = PhotoFtpFolder);

    // A transfer fails after stallSeconds without progress, or when it lasts longer than the
    // limit for its size (tests use shorter ones).
    void setTimeLimits(long stallSeconds, TransferLimit whole)
    {
        stallSeconds_ = stallSeconds;
        wholeLimit_ = whole;
    }

private:
    struct Handle;
    // The URL of the folder (and of a file in it when the name is not empty).
    std::string urlOf(const std::string& folder, const std::string& name) const;
    // Runs the transfer prepared on the handle: libcurl's result, and the French text of a
    // failure.
    int perform(long limitMs, std::string& failure);

    FtpEndpoint endpoint_;
    std::unique_ptr<Handle> handle_;
    long stallSeconds_ = 15;
    TransferLimit wholeLimit_ = kFileTransferLimit;
};
