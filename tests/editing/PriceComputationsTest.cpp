// The computed controls follow the edits of the real window's fields: VAT and margins of a used
// vehicle, the balance and the due dates of a new vehicle.
#include "app/Cp1252.h"
#include "tests/editing/EditingWindow.h"
#include "ui/controls/AllKinds.h"
#include "view/ListSource.h"

namespace {
class UsedVehicleMargins : public EditingWindow {
protected:
    UsedVehicleMargins()
    {
        w().RecordKind = "_TVO";
        w().cModeTVA->setItems({"TVA sur marge", "Hors TVA"});
        w().cModeTVA->setItemIndex(0);
        w().FrevoTotal = "1 000.00";
        addKey(1, "idVO", "5001");
        vat = bind(1, w().ccTVA, "cTVA", 5, "");
        gross = bind(1, w().cMBrute, "MBrute", 5, "");
        bind(1, w().cPrixReprise, "PrixReprise", 5, "9000.00");
        bind(1, w().cTPVO, "TPVO", 5, "500.00");
        bind(1, w().cPrixGarantie, "PrixGarantie", 5, "300.00");
        price = bind(1, w().cPrixVente, "PrixVente", 5, "11000.00");
    }
    int vat = 0, gross = 0, price = 0;
};

class NewVehicleDates : public EditingWindow {
protected:
    NewVehicleDates()
    {
        w().RecordKind = "_TVN";
        entry = entryOf(w().cVNDateLivraison);
        addKey(entry, "idVO", "7");
        w().cVNDestination->setItems({"PARTICULIERS", "GROUPE"});
        w().cVNTypeFinancement->setItems({"COMPTANT", "CREDIT"});
        // Date pickers start on a date of their own.
        for (ControlFace* date : {w().cVNDateAchat, w().cVNDateLivraison, w().cVNDateDisponibilite,
                                  w().cVNDateDeclareLivre, w().cVNDateEcheance})
            date->setText("");
    }
    void useLists(const std::string& document)
    {
        w().ListsDoc = TXml(document);
        w().ListsIndex = std::make_unique<IndexedLists>(w().ListsDoc);
    }
    int entry = 0;
};
} // namespace

TEST_F(UsedVehicleMargins, ThePriceTypedGivesTheVatAndTheMargins)
{
    w().cPrixVente->setText("12000.00");
    EXPECT_EQ(w().cTotFrevo->text(), "1000.00"); // written with a blank as thousands separator
    EXPECT_EQ(w().ccTVA->text(), "491.64");
    EXPECT_EQ(w().cMBrute->text(), "3008.36");
    EXPECT_EQ(w().cMNette->text(), "1708.36");
    // The price is recorded and saved; the computed read-only fields are not.
    EXPECT_EQ(field(1, price).Value, "12000.00");
    EXPECT_NE(w().TabDesc[1].Statement.find("PrixVente=12000"), std::string::npos);

    w().cModeTVA->setText("Hors TVA");
    EXPECT_EQ(w().ccTVA->text(), "0.00");
    EXPECT_EQ(w().cMBrute->text(), "2926.42");
    EXPECT_EQ(w().cMNette->text(), "1626.42");
}

TEST_F(UsedVehicleMargins, WithoutVatListOnlyTheCostTotalFollows)
{
    w().cModeTVA->setItems({});
    w().ccTVA->setText("1.00");
    w().cPrixVente->setText("12000.00");
    EXPECT_EQ(w().cTotFrevo->text(), "1000.00");
    EXPECT_EQ(w().ccTVA->text(), "1.00");
}

TEST_F(UsedVehicleMargins, AnotherKindOfRecordLeavesTheUsedVehiclePageAlone)
{
    w().RecordKind = "_TVN";
    const QString shown = w().ccTVA->text();
    w().UpdateTVAetMarges();
    EXPECT_EQ(w().ccTVA->text(), shown);
    EXPECT_EQ(w().TabDesc[1].Statement, "");
}

TEST_F(NewVehicleDates, TheBalanceFollowsEveryAmount)
{
    const int balance = bind(entry, w().cVNSolde, "Solde", 5, "0.00");
    for (auto [control, text] : {std::pair{w().cVNPrixVente, "20000"},
                                 {w().cVNVFinancement, "12000"},
                                 {w().cVNReprPrix, "3000"},
                                 {w().cVNMontantAcompte, "1000"}})
        control->setText(text);
    EXPECT_EQ(w().cVNSolde->text(), "4000.00");
    EXPECT_EQ(field(entry, balance).Value, "4000.00");
}

TEST_F(NewVehicleDates, DeliveryGivesTheTreasuryAndPaymentDueDates)
{
    useLists("<ParsS><Pars><type>TypeFinancement</type><text>CREDIT</text></Pars>"
             "<Pars><type>TypeFinancementDelai</type><text>20</text></Pars>"
             "<Pars><type>typefinancementdelai</type><text>Credit : 45</text></Pars></ParsS>");
    w().cVNDateAchat->setText("01/03/2007");
    w().cVNDateEcheance->setText("31/03/2007");
    w().cVNTypeFinancement->setText("CREDIT");
    w().cVNDateLivraison->setText("15/03/2007");
    EXPECT_EQ(w().cVNDateEchTresorerie->text(), "20/03/2007");
    EXPECT_EQ(w().cVNDateEchReglement->text(), "29/04/2007");

    w().cVNTypeFinancement->setText("COMPTANT"); // the first entry is the default delay
    EXPECT_EQ(w().cVNDateEchReglement->text(), "04/04/2007");
    w().cVNDestination->setText("GROUPE");
    EXPECT_EQ(w().cVNDateEchReglement->text(), "30/04/2007");

    w().cVNDateDeclareLivre->setText("12/03/2007");
    EXPECT_EQ(w().cVNDateEchTresorerie->text(), "17/03/2007");

    // Neither delivery nor availability: no payment due date.
    w().cVNDateLivraison->setText("");
    EXPECT_EQ(w().cVNDateEchReglement->text(), "");
    EXPECT_EQ(w().cVNDateEchTresorerie->text(), "17/03/2007");
}

TEST_F(NewVehicleDates, WithoutDelayListPaymentIsDueOnDelivery)
{
    useLists("<ParsS></ParsS>");
    w().cVNTypeFinancement->setText("CREDIT");
    w().cVNDateDisponibilite->setText("10/03/2007");
    EXPECT_EQ(w().cVNDateEchTresorerie->text(), "10/03/2007");
    EXPECT_EQ(w().cVNDateEchReglement->text(), "10/03/2007");
}
