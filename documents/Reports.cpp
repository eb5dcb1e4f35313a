#include "documents/Reports.h"

#include "server/Endpoints.h"

std::string reportAddress(std::string_view base, Report report, std::string_view recordKind,
                          std::string_view kindCaption, std::string_view key, bool ctrlHeld)
{
    if (report == Report::MarginSheet)
        return endpoint::reportMargin(base, key);
    if (isClientSheet(report, recordKind))
        return endpoint::reportClient(base, key);
    std::string address = endpoint::reportVehicle(base, key, kindCaption);
    if (ctrlHeld && recordKind == "_TVD")
        address += "2";
    return address;
}

std::string browserAddress(std::string_view address)
{
    std::string out;
    out.reserve(address.size() + 16);
    for (const char c : address) {
        if (c == ' ')
            out += "%20";
        else
            out += c;
    }
    return out;
}
