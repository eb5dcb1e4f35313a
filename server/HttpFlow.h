#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "server/RequestClient.h"
#include "server/TransferRules.h"

// The request rules of the client, without the window: what HttpExecute and HttpPost send, how
// they retry and what they make of the reply.

// Replaces every blank by "%20" and every "#" by "%23"; nothing else is encoded.
std::string escapeUrl(std::string_view url);
// The URL of a GET: url + "&idClient=" + the current client identifier, then escaped.
std::string composeGetUrl(std::string_view url, std::string_view clientId);
// The server's time-out marker in a reply ("WAIT_TIMEOUT", "TIMEOUT"), or empty text.
std::string timeoutMarker(std::string_view reply);
// The same for the reply of a URL: a record document's own values are not searched.
std::string timeoutMarkerOf(std::string_view url, std::string_view reply);
// Every "8859-15" (any case) becomes "8859-1".
std::string rewriteIsoLatin9(std::string_view reply);
// The server's log items: each item's body followed by " - ".
std::string collectLogItems(std::string_view reply);

constexpr int kMaxAttempts = 5;
constexpr int kRetryPauseMs = 250;

// What a request ended with.
struct RequestOutcome {
    bool failed = false; // no reply at all: the reply file is not touched
    std::string error;   // the library's message when failed
    std::string reply;   // the reply text to write (after the rewrite)
    std::string warning; // text for the warning label; empty means success
    int attempts = 0;
    bool newConnection = false;
    // For a failure: whether the request reached the server. A statement whose fate is unknown
    // may have been applied; one that was not sent may be sent again.
    Delivery delivery = Delivery::Answered;
    int curlCode = 0; // libcurl's result of a failure (0: an HTTP error status)
    long status = 0;  // the HTTP status of the last reply
};

using PauseFunction = std::function<void(int milliseconds)>;

// GET with at most five attempts, pause ms apart, while the reply holds a time-out marker. A
// statement (AxUpdate, AxInsert) goes on a fresh connection, so that the transport never sends it
// twice.
RequestOutcome runGet(RequestClient& client, const std::string& url, const PauseFunction& pause);
// POST without retries, on a fresh connection, with the file transfer limit; a failure gives the
// reply " - Erreur de transfert sur le serveur ".
RequestOutcome runPost(RequestClient& client, const std::string& url, const MultipartForm& form);
// Writes the reply, replacing the file's content; false when it cannot be written.
bool writeReplyFile(const std::string& fileName, std::string_view reply);

inline constexpr std::string_view kPostFailureReply = " - Erreur de transfert sur le serveur ";
