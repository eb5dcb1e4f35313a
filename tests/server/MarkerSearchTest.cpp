// Where the server's time-out markers count: everywhere in a reply but the record's own values.
#include <gtest/gtest.h>

#include "server/HttpFlow.h"
#include "server/MarkerSearch.h"

namespace {

const char* const kVehicleUrl = "http://h/AxInfoVO?XMLC_OutputFormat=XML&idTVO=1&idClient=";
const char* const kClientUrl = "http://h/AxInfoCL?XMLC_OutputFormat=XML&UserID=7&idClient=2";
const char* const kUpdateUrl = "http://h/AxUpdate?XMLC_OutputFormat=XML&SQLExecute=x";

} // namespace

TEST(MarkerSearch, RecordValuesHoldNoMarkerTheRestDoes)
{
    struct Case {
        const char* url;
        std::string reply;
        const char* marker;
    };
    const Case cases[] = {
        // A comment of the record that reads like a marker: no time-out.
        {kVehicleUrl,
         "<document><tVO><idVO>5</idVO><Commentaires>attente WAIT_TIMEOUT du client</Commentaires>"
         "<Obs><![CDATA[TIMEOUT]]></Obs></tVO><User><Name_>X</Name_></User></document>",
         ""},
        // A marker outside the record's values still counts.
        {kVehicleUrl,
         "<document><tVO><idVO>5</idVO></tVO><LogItems><LogItem><![CDATA[WAIT_TIMEOUT]]>"
         "</LogItem></LogItems></document>",
         "WAIT_TIMEOUT"},
        {kVehicleUrl, "<document><tVO><![CDATA[TIMEOUT]]><idVO>5</idVO></tVO></document>",
         "TIMEOUT"},
        // The lists of a vehicle are not the record's own values.
        {kVehicleUrl,
         "<document><tVO><idVO>5</idVO></tVO><FrevoS><Frevo><Libelle>WAIT_TIMEOUT</Libelle>"
         "</Frevo></FrevoS></document>",
         "WAIT_TIMEOUT"},
        // A time-out page in place of the record: searched whole.
        {kVehicleUrl, "<html>WAIT_TIMEOUT</html>", "WAIT_TIMEOUT"},
        {kVehicleUrl, "<document><tVO><Obs>WAIT_TIMEOUT</Obs></document>", "WAIT_TIMEOUT"},
        // A client, its vehicles, and its actions (not the record's own values).
        {kClientUrl,
         "<document><TVC><CliNom>WAIT_TIMEOUT</CliNom></TVC><TVehS><TVeh><Obs>"
         "<![CDATA[WAIT_TIMEOUT]]></Obs></TVeh><TVeh><KMS>1</KMS></TVeh></TVehS></document>",
         ""},
        {kClientUrl,
         "<document><TVC><CliNom>A</CliNom></TVC><TActS><TAct><Sujet>WAIT_TIMEOUT</Sujet></TAct>"
         "</TActS></document>",
         "WAIT_TIMEOUT"},
        // The root of the other kind is no record of this one.
        {kClientUrl, "<document><tVO><Obs>WAIT_TIMEOUT</Obs></tVO></document>", "WAIT_TIMEOUT"},
        // Other endpoints are searched whole, as before.
        {kUpdateUrl, "<document><tVO><Obs>WAIT_TIMEOUT</Obs></tVO></document>", "WAIT_TIMEOUT"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(timeoutMarkerOf(c.url, c.reply), c.marker) << c.reply;
}

TEST(MarkerSearch, OnlyTheValuesLeaveTheSearchedText)
{
    EXPECT_EQ(markerSearchText("<a><tVO><x>1</x><y/><z k=\"v\">2</z><S><i>3</i></S></tVO>",
                               RecordReply::Vehicle),
              "<a><tVO><x></x><y/><z k=\"v\"></z><S><i>3</i></S></tVO>");
    EXPECT_EQ(markerSearchText("<tVOS><x>1</x></tVOS>", RecordReply::Vehicle),
              "<tVOS><x>1</x></tVOS>");
    EXPECT_EQ(markerSearchText("<tVO><x>1</x></tVO>", RecordReply::None), "<tVO><x>1</x></tVO>");
    EXPECT_EQ(recordReplyOf(kVehicleUrl), RecordReply::Vehicle);
    EXPECT_EQ(recordReplyOf(kClientUrl), RecordReply::Client);
    EXPECT_EQ(recordReplyOf(kUpdateUrl), RecordReply::None);
}
