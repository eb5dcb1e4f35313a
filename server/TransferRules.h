#pragma once

#include <cstdint>
#include <string_view>

// Rules of the transport that keep a request from freezing the window or being applied twice.

// The read time-out only trips when nothing arrives; a limit on the whole transfer also ends a
// reply that trickles.

// A document (a reply of the server's endpoints): 60 s whatever its size.
inline constexpr long kDocumentTransferLimitMs = 60000;

// The longest the transfer of a file may take: baseMs, plus msPer100kB for every started 100 kB
// of its size.
struct TransferLimit {
    long baseMs = 0;
    long msPer100kB = 0;
};

// A photo download, the photo upload, an FTP transfer: 60 s plus 1 s per 100 kB.
inline constexpr TransferLimit kFileTransferLimit{60000, 1000};

// The limit in milliseconds of a transfer of that many bytes.
long transferLimitMs(const TransferLimit& limit, std::uint64_t bytes);

// Whether a URL asks the server to change its data (the endpoints "AxUpdate" and "AxInsert"):
// such a request goes on a connection of its own, never resent by the transport.
bool isStatementUrl(std::string_view url);

// What is known of a request that failed.
enum class Delivery {
    Answered, // the server answered (perhaps with an error status)
    NotSent,  // it never reached the server: proxy or host not found, connection refused
    Unknown,  // it was sent and the answer was lost: the server may have applied it
};

// From libcurl's result code and whether a connection was made or a request written.
Delivery deliveryOf(int curlCode, bool connected);
