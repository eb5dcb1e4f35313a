#include "server/TransferRules.h"

#include "server/Endpoints.h"

namespace {

constexpr std::uint64_t kSizeStep = 100 * 1000;

} // namespace

long transferLimitMs(const TransferLimit& limit, std::uint64_t bytes)
{
    const std::uint64_t steps = (bytes + kSizeStep - 1) / kSizeStep;
    return limit.baseMs + long(steps) * limit.msPer100kB;
}

bool isStatementUrl(std::string_view url)
{
    // The catalogue writes the endpoints' names exactly so.
    const std::string_view name = endpoint::nameOf(url);
    return name == "AxUpdate" || name == "AxInsert";
}

Delivery deliveryOf(int curlCode, bool connected)
{
    switch (curlCode) {
    case 0:
        return Delivery::Answered;
    case 5: // proxy not found
    case 6: // host not found
    case 7: // connection refused
        return Delivery::NotSent;
    case 18: // reply cut short
    case 52: // nothing came back
    case 55: // sending failed
    case 56: // receiving failed
        return Delivery::Unknown;
    default:
        // A time-out (28) or any other failure: once connected, the request may have gone out.
        return connected ? Delivery::Unknown : Delivery::NotSent;
    }
}
