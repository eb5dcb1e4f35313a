#include <gtest/gtest.h>

#include "app/ProxySettings.h"
#include "app/StartParameters.h"

TEST(StartParameters, ZeroPrefixedNumbers)
{
    struct Case {
        const char* text;
        std::optional<int> value;
    } cases[] = {{"", 0},
                 {"0", 0},
                 {"1", 1},
                 {"7", 7},
                 {"03", 3},
                 {"abc", std::nullopt},
                 {"-1", std::nullopt},
                 {" 1", std::nullopt},
                 {"1.5", std::nullopt},
                 {"99999999999", std::nullopt}};
    for (const Case& c : cases)
        EXPECT_EQ(zeroPrefixedNumber(c.text), c.value) << c.text;
}

TEST(StartParameters, TwelveKeysInReadingOrderWithTheirTraceWords)
{
    ASSERT_EQ(std::size(kStartParameterKeys), size_t(kStartParameterCount));
    EXPECT_STREQ(kStartParameterKeys[0], "HttpRoot");
    EXPECT_STREQ(kStartParameterKeys[11], "idClient");
    EXPECT_STREQ(startParameterTraceWord("UserConcession"), "userconcession");
    EXPECT_STREQ(startParameterTraceWord("idClient"), "idClient");
    for (const char* key : kStartParameterKeys)
        EXPECT_STRNE(startParameterTraceWord(key), "") << key;
}

TEST(ProxySettings, HostAndPort)
{
    struct Case {
        const char* address;
        const char* host;
        int port;
        const char* user;
    } cases[] = {{"proxy.local:3128", "proxy.local", 3128, ""},
                 {"proxy.local", "proxy.local", 80, ""},
                 {"proxy.local:abc", "proxy.local", 80, ""},
                 {"jean@proxy.local:8080", "proxy.local", 8080, "jean"},
                 {"jean:secret@proxy.local:8080", "proxy.local", 8080, "jean"}};
    for (const Case& c : cases) {
        const ProxyEndpoint proxy = splitProxyAddress(c.address);
        EXPECT_EQ(proxy.host, c.host) << c.address;
        EXPECT_EQ(proxy.port, c.port) << c.address;
        EXPECT_EQ(proxy.user, c.user) << c.address;
    }
}

TEST(ProxySettings, EnvironmentLosesSchemeAndSlash)
{
    setenv("http_proxy", "http://proxy.local:3128/", 1);
    EXPECT_EQ(proxyServerFromEnvironment(), "proxy.local:3128");
    unsetenv("http_proxy");
    unsetenv("HTTP_PROXY");
    EXPECT_EQ(proxyServerFromEnvironment(), "");
}
