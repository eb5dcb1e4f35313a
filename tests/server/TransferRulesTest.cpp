// The transport's rules without a network: what a failure tells of the request, the limits on a
// whole transfer, which requests change the server's data.
#include <gtest/gtest.h>

#include "server/FailureText.h"
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

TEST(TransferRules, FailuresAreToldInFrenchWithTheLibrarysText)
{
    struct Case {
        int curlCode;
        long status;
        const char* library;
        const char* sentence;
    };
    const Case cases[] = {
        {6, 0, "Could not resolve host: serveur", "serveur introuvable"},
        {5, 0, "Could not resolve proxy: p", "le proxy a refusé la connexion"},
        {56, 0, "Received HTTP code 407 from proxy after CONNECT",
         "le proxy a refusé la connexion"},
        {52, 0, "Empty reply from server", "la connexion au serveur a été interrompue"},
        {0, 500, "HTTP/1.1 500 Internal Server Error", "le serveur a répondu par l'erreur 500"},
    };
    for (const Case& c : cases) {
        const QString library = QString::fromUtf8(c.library);
        EXPECT_EQ(failureSentence(c.curlCode, c.status, library),
                  QString::fromUtf8(c.sentence) + " (" + library + ")");
    }
}
