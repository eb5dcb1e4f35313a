#include "app/ProxySettings.h"

#include <cstdlib>

#include "app/StartParameters.h"
#include "server/TXml.h"

std::string proxyServerFromEnvironment()
{
    std::string value;
    for (const char* name : {"http_proxy", "HTTP_PROXY"}) {
        if (const char* v = std::getenv(name); v && *v) {
            value = v;
            break;
        }
    }
    if (const size_t scheme = value.find("://"); scheme != std::string::npos)
        value.erase(0, scheme + 3);
    while (!value.empty() && value.back() == '/')
        value.pop_back();
    return value;
}

ProxyEndpoint splitProxyAddress(const std::string& address)
{
    ProxyEndpoint proxy;
    std::string hostPart = address;
    if (const size_t at = hostPart.rfind('@'); at != std::string::npos) {
        proxy.user = PickToken(replaceAll(hostPart.substr(0, at), ":", ";"), 1);
        hostPart.erase(0, at + 1);
    }
    const std::string fields = replaceAll(hostPart, ":", ";");
    proxy.host = PickToken(fields, 1);
    const std::string port = PickToken(fields, 2);
    const auto number = port.empty() ? std::nullopt : zeroPrefixedNumber(port);
    proxy.port = number && *number > 0 ? *number : 80;
    return proxy;
}
