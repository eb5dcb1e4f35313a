#pragma once

#include <string>
#include <string_view>

#include "server/HttpFlow.h"
#include "server/RequestClient.h"
#include "server/TXml.h"
#include "tests/support/TempFolder.h"

// The client's side of a conversation with the demo server: the request code of HttpExecute and
// HttpPost (URL rules, retries, log items), and the reply read back from its file as the window
// reads it.
class ClientSession {
public:
    ClientSession() = default;

    // A GET as HttpExecute sends it: "&idClient=" + clientId appended, blanks and "#" escaped.
    RequestOutcome get(const std::string& url, const std::string& clientId = {});
    RequestOutcome post(const std::string& url, const MultipartForm& form);
    // A plain GET into memory, as the photo browser downloads a photo (no "&idClient=").
    HttpReply download(const std::string& url);

    // The reply written to its reply file and loaded back with LoadTextFile.
    TXml read(const RequestOutcome& outcome);
    // get() then read(); the warning of the request is kept in lastWarning().
    TXml fetch(const std::string& url, const std::string& clientId = {});
    const std::string& lastWarning() const { return lastWarning_; }

private:
    RequestClient client_{true};
    TempFolder folder_;
    std::string lastWarning_;
};

// Windows-1252 bytes of a UTF-8 text (statements and values as the client composes them).
std::string cp1252(std::string_view utf8);
// UTF-8 of Windows-1252 bytes (values as the window shows them).
std::string utf8(std::string_view cp1252);

// The body of a child of the cursor's node, empty when it is absent.
std::string valueOf(const TXml& cursor, std::string_view name);

// A plain TCP connection to the loopback port, for requests no client would send; -1 when refused.
int connectLoopback(int port);
// Sends raw bytes on a fresh connection and returns everything the server answers.
std::string rawExchange(int port, const std::string& request);
