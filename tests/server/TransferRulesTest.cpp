// The transport's rules without a network: what a failure tells of the request, the limits on a
// whole transfer, which requests change the server's data.
#include <gtest/gtest.h>

#include "server/TransferRules.h"

TEST(TransferRules, DeliveryTellsNotSentFromSentWithUnknownOutcome)
{
    struct Case {
        int curlCode;
        bool connected;
        Delivery delivery;
    };
    const Case cases[] = {
        {0, true, Delivery::Answered}, {5, false, Delivery::NotSent},
        {6, false, Delivery::NotSent}, {7, false, Delivery::NotSent},
        {7, true, Delivery::NotSent},  {28, false, Delivery::NotSent},
        {28, true, Delivery::Unknown}, {18, true, Delivery::Unknown},
        {52, true, Delivery::Unknown}, {55, true, Delivery::Unknown},
        {56, true, Delivery::Unknown}, {56, false, Delivery::Unknown},
        {3, false, Delivery::NotSent}, {35, true, Delivery::Unknown},
    };
    for (const Case& c : cases)
        EXPECT_EQ(deliveryOf(c.curlCode, c.connected), c.delivery)
            << c.curlCode << (c.connected ? " connected" : " not connected");
}

TEST(TransferRules, FileLimitGrowsBySecondPerStartedHundredKilobytes)
{
    const std::pair<std::uint64_t, long> cases[] = {
        {0, 60000},      {1, 61000},        {100000, 61000},
        {100001, 62000}, {4096000, 101000}, {10 * 1000 * 1000, 160000},
    };
    for (const auto& [bytes, ms] : cases)
        EXPECT_EQ(transferLimitMs(kFileTransferLimit, bytes), ms) << bytes;
    EXPECT_EQ(transferLimitMs({1500, 0}, 1 << 30), 1500);
    EXPECT_EQ(kDocumentTransferLimitMs, 60000);
}

TEST(TransferRules, StatementEndpointsAreAxUpdateAndAxInsert)
{
    const std::pair<const char*, bool> cases[] = {
        {"http://h/kelvaro/AxUpdate?XMLC_OutputFormat=XML&SQLExecute=Update x", true},
        {"http://h/AxInsert?XMLC_OutputFormat=XML&SQLExecute=Insert into x", true},
        {"http://h/AxInsert", true},
        {"http://h/AxQuery?SQL=select 'AxUpdate?'", false},
        {"http://h/AxInfoVO?XMLC_OutputFormat=XML&idTVO=1", false},
        {"http://h/AxUpdates?x=1", false},
        {"http://h/voimages/AxInsert.jpg", false},
    };
    for (const auto& [url, statement] : cases)
        EXPECT_EQ(isStatementUrl(url), statement) << url;
}
