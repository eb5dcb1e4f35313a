#pragma once

#include <string>

// The proxy of this platform: http_proxy (or HTTP_PROXY) with its scheme and trailing "/" removed,
// empty when there is none.
std::string proxyServerFromEnvironment();

struct ProxyEndpoint {
    std::string host;
    int port = 80;
    std::string user;
};
// "host:port" (or "user@host:port"): every ":" becomes ";", the host is field 1 and the port field
// 2, 80 when it is not a number.
ProxyEndpoint splitProxyAddress(const std::string& address);
