// The rules of the documents: report addresses, the address given to the opener, the SMS text and
// form, the gateway's answer and the reservation banner.
#include <gtest/gtest.h>

#include "documents/Reports.h"
#include "documents/Reservation.h"
#include "documents/SmsMessage.h"
#include "server/TXml.h"

namespace {
const char* kBase = "http://h/k/";
} // namespace

TEST(DocumentRules, ReportAddressesByRecordKindAndCtrl)
{
    const struct {
        Report report;
        const char* kind;
        const char* caption;
        const char* key;
        bool ctrl;
        const char* address;
    } cases[] = {
        // The window's tests click the others; a new vehicle's print button is disabled.
        {Report::Sheet, "_TVN", "VN", "5201", true,
         "http://h/k/ReportPDF?rptSelect=idVO=5201&rptName=VN - Fiche Commerciale"},
        {Report::MarginSheet, "_TVD", "VD", "5101", true,
         "http://h/k/ReportPDF?rptSelect=idVO=5101&rptName=VO - Feuille de Marge"},
        {Report::Sheet, "_TCL", "CL", "2001", true,
         "http://h/k/ReportPDF?rptSelect=idClient=2001&rptName=Fiche Ostrel"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reportAddress(kBase, c.report, c.kind, c.caption, c.key, c.ctrl), c.address)
            << c.kind << " ctrl " << c.ctrl;
}

TEST(DocumentRules, OnlyBlanksAreEncodedForTheOpener)
{
    const std::pair<const char*, const char*> cases[] = {
        {" a  b ", "%20a%20%20b%20"},
        {"x%20y#\xE9'&?", "x%20y#\xE9'&?"},
    };
    for (const auto& [address, opened] : cases)
        EXPECT_EQ(browserAddress(address), opened);
}

TEST(DocumentRules, Latin1ToUtf8)
{
    const std::pair<std::string, std::string> cases[] = {
        {"abc", "abc"},
        {"\xE0", "\xC3\xA0"},
        {"\xE9t\xE9", "\xC3\xA9t\xC3\xA9"},
        {"\xFF\x80\x7F", "\xC3\xBF\xC2\x80\x7F"},
        {std::string(1023, 'a'), std::string(1023, 'a')},
        {std::string(1024, 'a'), ""},
        {"", ""},
    };
    for (const auto& [latin1, utf8] : cases)
        EXPECT_EQ(Latin1ToUtf8(latin1), utf8) << latin1.size();
    EXPECT_EQ(Latin1CharToUtf8(224), "\xC3\xA0");
}

TEST(DocumentRules, TheSmsFormNamesTheSiteAndTheIdentity)
{
    const MultipartForm form = smsForm("+33612345678", "\xC9VREUX", "M. L\xC9ON Andr\xE9");
    ASSERT_EQ(form.size(), 2u);
    EXPECT_EQ(form[0].name, "destinataire");
    EXPECT_EQ(form[0].data, "+33612345678");
    EXPECT_EQ(form[1].name, "texte");
    EXPECT_EQ(form[1].data, "de Bresman \xC3\x89VREUX,\r\n\r\npour un test d'envoi \xC3\xA0 "
                            "M. L\xC3\x89ON Andr\xC3\xA9");
    for (const FormPart& part : form)
        EXPECT_FALSE(part.isFile);
}

TEST(DocumentRules, TheGatewaysAnswerBecomesTheWarning)
{
    const std::pair<const char*, const char*> cases[] = {
        {"<Result>telephonySmsSend successfull</Result>", ""},
        {"ok telephonySmsSend successfull.", ""},
        {"telephonySmsSend failed: quota", "telephonySmsSend failed: quota"},
        {" - Erreur de transfert sur le serveur ", " - Erreur de transfert sur le serveur "},
    };
    for (const auto& [reply, warning] : cases)
        EXPECT_EQ(smsWarning(reply), warning) << reply;
}

TEST(DocumentRules, TheReservationBannerReadsTheFirstReservation)
{
    using Lines = std::array<std::string, 4>;
    const struct {
        const char* document;
        std::optional<Lines> lines;
    } cases[] = {
        {"<tVO><idVO>5201</idVO><ResaS><Resa><DResaMax>31/12/2026</DResaMax><Vendeur>LAMBERT "
         "Hugo</Vendeur><Acheteur>LEFEBVRE Camille</Acheteur><Commentaire>Plaques &amp; "
         "tapis</Commentaire></Resa><Resa><DResaMax>01/01/2027</DResaMax></Resa></ResaS></tVO>",
         Lines{"R\xE9servation jusqu'au 31/12/2026 inclus.", "Vendeur : LAMBERT Hugo",
               "Acheteur : LEFEBVRE Camille", "Plaques & tapis"}},
        {"<tVO><ResaS><Resa><DResaMax>05/12/2026</DResaMax><Vendeur>A</Vendeur><Acheteur>B"
         "</Acheteur><Commentaire></Commentaire></Resa></ResaS></tVO>",
         Lines{"R\xE9servation jusqu'au 05/12/2026 inclus.", "Vendeur : A", "Acheteur : B", ""}},
        {"<tVO><idVO>5203</idVO><ResaS></ResaS></tVO>", std::nullopt},
        {"<tVO><idVO>5203</idVO><ResaS/></tVO>", std::nullopt},
        {"<tVO><idVO>5203</idVO></tVO>", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reservationLines(TXml(c.document)), c.lines) << c.document;
}
