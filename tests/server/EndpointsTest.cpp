#include <gtest/gtest.h>

#include "server/Endpoints.h"

TEST(Endpoints, EveryUrlWithItsKeysInOrder)
{
    const std::string b = "http://h/ax/";
    struct Case {
        std::string composed, expected;
    } cases[] = {
        {endpoint::infoVO(b, "12", "7"), b + "AxInfoVO?XMLC_OutputFormat=XML&idTVO=12&UserID=7"},
        {endpoint::infoCL(b, "7"), b + "AxInfoCL?XMLC_OutputFormat=XML&UserID=7"},
        {endpoint::infoEquip(b, "BRESMAN"),
         b + "AxInfoEquip?XMLC_OutputFormat=XML&UserConcession=BRESMAN&WHERE_CLAUSE=Where "
             "(RubricItem='..') or (RubricItem='BRESMAN')"},
        {endpoint::infoStruct(b, "BRESMAN"),
         b + "AxInfoStruct?XMLC_OutputFormat=XML&UserConcession=BRESMAN"},
        {endpoint::querySearch(b, "Select 1", 50),
         b + "AxQuery?XMLC_OutputFormat=XML&SQL=Select 1&MaxRows=50"},
        {endpoint::queryCount(b, "Select 1"), b + "AxQuery?XMLC_OutputFormat=XML&SQL=Select 1"},
        {endpoint::update(b, "Update t"), b + "AxUpdate?XMLC_OutputFormat=XML&SQLExecute=Update t"},
        {endpoint::insert(b, "Insert :NewID"),
         b + "AxInsert?XMLC_OutputFormat=XML&SQLExecute=Insert :NewID"},
        {endpoint::insertPost(b + "AxUpdate?XMLC_OutputFormat=XML&SQLExecute=x"), b + "AxInsert"},
        {endpoint::insertPost("http://h"), "http://h/AxInsert"},
        {endpoint::reportClient(b, "55"),
         b + "ReportPDF?rptSelect=idClient=55&rptName=Fiche Ostrel"},
        {endpoint::reportVehicle(b, "9", "VO"),
         b + "ReportPDF?rptSelect=idVO=9&rptName=VO - Fiche Commerciale"},
        {endpoint::reportMargin(b, "9"),
         b + "ReportPDF?rptSelect=idVO=9&rptName=VO - Feuille de Marge"},
        {endpoint::photo("http://h/voimages/", "VO123_1"), "http://h/voimages/VO123_1.jpg"},
        {endpoint::smsGateway("sms.local:8080/"),
         "http://sms.local:8080/tools/smssend/smssend.php5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.composed, c.expected);
}
