// The window as designed: regions, positions, captions, hints, texts, states, colours and fonts.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "tests/support/WindowHarness.h"
#include "tests/ui/ControlTable.h"
#include "tests/ui/QtPrinting.h"
#include "ui/Colors.h"
#include "ui/TAxKelvaro.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/ListBox.h"
#include "ui/controls/PictureBox.h"

namespace {

class WindowLayout : public testing::Test {
protected:
    QWidget* widget(const char* name)
    {
        if (harness_.window().objectName() == name)
            return &harness_.window();
        auto* found = harness_.window().findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    ControlFace* face(const char* name) { return dynamic_cast<ControlFace*>(widget(name)); }

    WindowHarness harness_;
};

struct Box {
    const char* name;
    int x, y, w, h; // w, h 0: only the position is designed
};

const Box kBoxes[] = {
    {"xcInfoNVO", 8, 2, 73, 31},
    {"xcInfoTitre", 80, 2, 289, 31},
    {"xcIdentity", 8, 2, 361, 31},
    {"xcInfoField1", 368, 2, 169, 31},
    {"xcInfoField2", 536, 2, 145, 31},
    {"xcInfoField3", 680, 2, 145, 31},
    {"JvXPBtnSweep", 448, 34, 45, 45},
    {"JvXPBtnSuppr", 496, 34, 45, 45},
    {"JvXPBtnPrint", 544, 34, 45, 45},
    {"JvXPBtnSearch", 592, 34, 60, 45},
    {"JvXPBtnNewVO", 656, 34, 68, 45},
    {"JvXPBtnSave", 728, 34, 45, 45},
    {"JvXPBtnActualize", 776, 34, 45, 45},
    {"Tabs", 0, 56, 825, 513},
    {"JvXPPrev", 688, 570, 65, 25},
    {"JvXPNext", 752, 570, 71, 25},
    {"LbInfoTimer", 557, 576, 0, 0},
    {"LbHttpRoot", 630, 576, 0, 0},
    {"LbBaseHRef", 630, 592, 0, 0},
    {"LbVersion", 630, 608, 0, 0},
    {"LbIdTVO", 630, 624, 0, 0},
    {"LbIDCustomer", 734, 624, 0, 0},
    {"LbDebugInfo3", 0, 576, 0, 0},
    {"LbDebugInfo2", 0, 592, 0, 0},
    {"LbDebugInfo1", 0, 608, 0, 0},
    {"LbDebugInfo0", 0, 624, 0, 0},
    {"LbInfoOptions", 9, 35, 0, 0},
    {"PanelSplash", 16, 16, 793, 545},
    {"LbSplash", 24, 136, 0, 0},
    {"ImageSplash", 24, 48, 545, 81},
    {"LbConcession", 16, 10, 662, 130},
    {"PanelWarning", 0, 0, 825, 81},
    {"Panel1", 66, 624, 681, 521},
    {"ngSearch", 14, 111, 649, 393},
    // Sheet01
    {"Label2", 416, 135, 0, 0},
    {"Label3", 416, 157, 0, 0},
    {"Label4", 416, 179, 0, 0},
    {"cCommentaires", 100, 242, 260, 43},
    // Sheet02 and Sheet03
    {"czVDOptions", 336, 44, 57, 20},
    {"cVDInfoOptions", 364, 0, 61, 77},
    {"cVDInfoVersion", 100, 66, 260, 49},
    {"cVNSite", 244, 1, 0, 0},
    {"czVNOptions", 272, 23, 57, 20},
    {"cVNInfoOptions", 338, 0, 53, 77},
    {"cVNDateUpdateCde", 276, 316, 0, 0},
    {"PanelCompta", 592, 267, 217, 216},
    {"LbDateFabrication", 200, 359, 0, 0},
    {"LbResa1", 596, 138, 0, 0},
    {"LbResa4", 596, 196, 0, 0},
    {"cVNDateAchat", 122, 22, 0, 0},
    {"cVNSolde", 122, 193, 0, 0},
    // Sheet04 and Sheet05
    {"cInfoEquiInterieur", 0, 24, 201, 377},
    {"cInfoEquiExterieur", 204, 24, 201, 377},
    {"cInfoEquiSecurite", 408, 24, 201, 377},
    {"cInfoComplement", 612, 24, 201, 145},
    {"czCmdEquiSec", 408, 404, 22, 22},
    {"ngFrevo", 0, 24, 814, 265},
    {"cFrevoInfo", 640, 290, 0, 0},
    {"cFrevoPrevFDM", 618, 309, 92, 20},
    {"cFrevoTotFDM", 618, 389, 92, 20},
    {"cFrevoPrevision", 710, 309, 92, 20},
    {"cFrevo", 710, 389, 92, 20},
    {"cFrevoExterne", 710, 369, 92, 20},
    // Sheet06
    {"cTxtPathImage", 8, 24, 287, 25},
    {"cListImageSource", 8, 64, 287, 137},
    {"czCmdSelPathListImage", 300, 24, 40, 40},
    {"czCmdRefreshListImage", 300, 64, 40, 40},
    {"czCmdAssociateImage", 300, 104, 40, 40},
    {"czCmdAssociateImageBlur", 300, 144, 40, 40},
    {"cListImageVO", 344, 24, 289, 137},
    {"czCmdDeleteImageVO", 636, 24, 40, 40},
    {"czCmdDefaultImageVO", 636, 64, 40, 40},
    {"Memo", 344, 384, 289, 105},
    {"ImageSelection", 8, 205, 287, 215},
    {"ImageNoPhoto", 300, 200, 41, 33},
    {"ImageVO", 344, 164, 287, 215},
    {"ImageMini", 648, 164, 160, 120},
    {"VOImage", 648, 360, 160, 120},
    // Sheet07
    {"ngAction", 0, 212, 814, 265},
    {"JvXPBtnNewAction", 1, 182, 57, 31},
    {"DblNom", 361, 48, 30, 20},
    {"DblMobile", 634, 30, 30, 20},
    {"DblTelDom", 634, 50, 30, 20},
    {"JvXPBtnSMS", 666, 30, 45, 20},
    {"aCliObservations", 100, 149, 260, 60},
    // Sheet08
    {"ngVehicles", 8, 32, 377, 257},
    {"JvXPBtnNewVehicle", 9, 1, 57, 31},
    {"vTypeVO", 494, 0, 0, 0},
    {"zLbKmLastSAV", 768, 255, 0, 0},
    {"zLbKmNextSAV", 768, 275, 0, 0},
    // Sheet09
    {"cPACliDateProchainAchat", 118, 6, 0, 0},
    {"cPAPATypeVO", 0, 45, 110, 56},
    {"cPAPASegment", 0, 120, 110, 124},
    {"cPAPACarrosserie", 0, 264, 110, 90},
    {"cPAPAEnergie", 0, 376, 110, 106},
    {"cPAPAChoix1", 118, 45, 110, 436},
    {"cPAPAChoix2", 234, 45, 110, 436},
    {"cPAPAMarque1", 351, 45, 0, 0},
    {"cPAPAModele1", 471, 45, 0, 0},
    {"cPAPAMarque2", 351, 68, 0, 0},
    {"cPAPAModele2", 471, 68, 0, 0},
    {"cPAPADateSpirit", 496, 91, 0, 0},
    {"zLbPAAutresModeles", 352, 28, 0, 0},
};

// A number designed for a control: a width, a maximum length.
struct Number {
    const char* name;
    int value;
};

const Number kWidths[] = {
    {"cCV", 63},
    {"cKMS", 63},
    {"cNbPlaces", 63},
    {"cFlagPrepaMecanique", 55},
    {"cFlagPrepaCarrosserie", 55},
    {"cFlagPrepaEsthetique", 55},
    {"cAcheteur", 120},
    {"cVDInfoMarque", 149},
    {"cVDInfoModele", 115},
    {"cVDInfoTypeVersion", 115},
    {"cVDInfoCouleur", 232},
    {"cVDInfoCouleurInt", 232},
    {"cVDFlagNonDiffuse", 55},
    {"cVNInfoMarque", 149},
    {"cVNInfoModele", 115},
    {"cVNInfoTypeVersion", 115},
    {"cVNInfoCouleur", 232},
    {"cVNAcheteur", 120},
    {"aSite", 128},
    {"aidCom", 128},
    {"aCliPays", 54},
    {"aCliMobile", 141},
    {"aCliTelDom", 141},
    {"aCliTelBur", 141},
    {"vInfoMarque", 115},
    {"vInfoModele", 115},
    {"vSite", 140},
    {"Shape1", 27},
};

struct Text {
    const char* name;
    const char* text;
};

// Captions and the texts that differ from "txt" + name.
const Text kTexts[] = {
    {"JvXPBtnNewVO", "VO"},
    {"JvXPPrev", "<< Enrg.Préc."},
    {"JvXPNext", ">> Enrg.Suiv."},
    {"czFeuilleMarge", "Feuille de Marge"},
    {"czVDOptions", "Options"},
    {"czVNOptions", "Options"},
    {"TSLbNVO", "N°VO"},
    {"TSLbImmat", "Immatricul."},
    {"TSLbClient", "Nom Client"},
    {"TSLbTelephone", "Téléphone"},
    {"TSLbMobile", "Mobile"},
    {"ncbLbSite", "Site :"},
    {"ncbLbTypeVO", "Type Véhicule :"},
    {"LbSearch", "à rechercher :"},
    {"JvXPBtnSearchPlus", "plus+50enrg."},
    {"Label2", "Marge brute:"},
    {"Label3", "Totel Frevo:"},
    {"Label4", "Marge nette:"},
    {"LbPanelCompta", "Suivi Comptabilité"},
    {"cFrevoInfo", "Frevo FDM et Totaux"},
    {"zLbKmLastSAV", "km"},
    {"zLbKmNextSAV", "km"},
    {"zLbPAAutresModeles", "Autres Modèles:"},
    {"LbInfoOptions", ""},
    {"cNomImage", "cNomImage"},
    {"cVDNomImage", "txtcNomImage"},
    {"aCliCP", "txtcCliCP"},
    {"aCliVille", "txtcCliVille"},
    {"cTxtPathImage", "cTxtPathImage"},
    {"DblNom", "??"},
    {"DblIdent", "??"},
    {"DblMobile", "??"},
    {"DblTelDom", "??"},
};

const Text kHints[] = {
    {"JvXPBtnSweep", "suppression des enregistrements VN annulés"},
    {"JvXPBtnSuppr", "suppression de l'enregistrement"},
    {"JvXPBtnPrint", "impression de la fiche du véhicule"},
    {"JvXPBtnSearch", "recherche d'un client ou d'un véhicule"},
    {"JvXPBtnNewVO", "nouveau véhicule"},
    {"JvXPBtnSave", "enregistrement des modifications"},
    {"JvXPBtnActualize", "rechargement des informations du véhicule"},
    {"JvXPPrev", "enregistrement précédent"},
    {"JvXPNext", "enregistrement suivant"},
    {"czFeuilleMarge", "impression de la feuille de marge"},
    {"czVDOptions", "sélection des options"},
    {"czVNOptions", "sélection des options"},
    {"czCmdSelPathListImage", "définir le chemin de recherche des clichés"},
    {"czCmdRefreshListImage", "actualisation de la liste des clichés"},
    {"czCmdAssociateImage", "transfert du cliché sélectionné"},
    {"czCmdAssociateImageBlur", "floutage avant transfert"},
    {"czCmdDeleteImageVO", "suppression du cliché sélectionné"},
    {"czCmdDefaultImageVO", "cliché par défaut du véhicule"},
    {"JvXPBtnNewAction", "ajout d'un nouveau enregistrement suivi "},
    {"JvXPBtnSMS", "envoi d'un SMS pour test"},
    {"JvXPBtnNewVehicle", "ajout d'un nouveau véhicule"},
};

struct State {
    const char* name;
    bool visible;
    bool enabled;
};

const State kStates[] = {
    {"xcInfoNVO", true, false},
    {"xcInfoTitre", true, false},
    {"xcIdentity", false, false},
    {"xcInfoField1", true, false},
    {"xcInfoField2", true, false},
    {"xcInfoField3", true, false},
    {"JvXPBtnSweep", false, true},
    {"JvXPBtnSuppr", true, true},
    {"JvXPBtnPrint", true, true},
    {"JvXPBtnSearch", true, true},
    {"JvXPBtnNewVO", true, true},
    {"JvXPBtnSave", true, true},
    {"JvXPBtnActualize", true, true},
    {"JvXPPrev", true, false},
    {"JvXPNext", true, false},
    {"LbInfoTimer", false, true},
    {"LbHttpRoot", false, true},
    {"LbBaseHRef", false, true},
    {"LbVersion", true, true},
    {"LbIdTVO", true, true},
    {"LbIDCustomer", true, true},
    {"LbDebugInfo3", false, true},
    {"LbDebugInfo2", false, true},
    {"LbDebugInfo1", false, true},
    {"LbDebugInfo0", true, true},
    {"PanelWarning", false, true},
    {"Panel1", false, true},
    {"TSNVO", true, true},
    {"TSImmat", true, false},
    {"TSClient", true, false},
    {"TSTelephone", true, false},
    {"TSMobile", true, false},
    {"ncbInfoSearch", false, true},
    {"Shape1", false, false},
    {"ccTVA", true, false},
    {"cMBrute", true, false},
    {"cTotFrevo", true, false},
    {"cMNette", true, false},
    {"cVDInfoOptions", false, true},
    {"cVNInfoOptions", false, true},
    {"cVNFlagNonDiffuse", false, true},
    {"cVNCodeRemise", false, true},
    {"LbDateFabrication", false, true},
    {"LbResa1", false, true},
    {"LbResa2", false, true},
    {"LbResa3", false, true},
    {"LbResa4", false, true},
    {"PanelCompta", true, true},
    {"czCmdEquiSec", false, false},
    {"czCmdEquiExt", false, false},
    {"czCmdEquiInt", false, false},
    {"czCmdEquiInf", false, false},
    {"cFrevoPrevFDM", true, false},
    {"cFrevoFixeFDM", true, false},
    {"cFrevoIntFDM", true, false},
    {"cFrevoExtFDM", true, false},
    {"cFrevoTotFDM", true, false},
    {"cFrevoPrevision", true, false},
    {"cFrevoFixe", true, false},
    {"cFrevoInterne", true, false},
    {"cFrevoExterne", true, false},
    {"cFrevo", true, false},
    {"ImageNoPhoto", false, true},
    {"VOImage", true, false},
    {"JvXPBtnNewAction", false, true},
    {"DblNom", false, true},
    {"DblIdent", false, true},
    {"DblMobile", false, true},
    {"DblTelDom", false, true},
    {"JvXPBtnSMS", true, true},
    {"JvXPBtnNewVehicle", false, true},
    {"cPAPAEnergie", false, true},
};

const Number kLengths[] = {
    {"cInfoVersion", 50},
    {"cInfoCouleur", 20},
    {"cChassis", 25},
    {"cCommentaires", 250},
    {"cCommentaireReprise", 20},
    {"cIntermediaire", 20},
    {"cAcheteur", 20},
    {"cCP", 5},
    {"cVDInfoVersion", 50},
    {"cVDCommentaires", 250},
    {"cVDUtilisateur", 250},
    {"cVNInfoVersion", 50},
    {"cVNChassis", 25},
    {"cVNCommentaires", 250},
    {"cVNUtilisateur", 250},
    {"aCliCP", 5},
    {"aCliVille", 5},
    {"vInfoVersion", 50},
    {"vInfoTypeVersion", 50},
    {"vLieuEntretien1", 50},
    {"vLieuEntretien2", 50},
    {"ncbSearch", 50},
    {"cNVO", 0},
    {"cImmatriculation", 0},
    {"aCliNom", 0},
};

struct Colours {
    const char* name;
    unsigned color;
    unsigned fontColor;
};

constexpr unsigned kAny = color::None;
const Colours kColours[] = {
    {"xcInfoNVO", 15461355, kAny},
    {"xcIdentity", 15461355, color::Fuchsia},
    {"xcInfoField3", 15461355, kAny},
    {"LbInfoTimer", kAny, 12615680},
    {"LbVersion", kAny, 12615680},
    {"LbIdTVO", kAny, 12615680},
    {"LbIDCustomer", kAny, 12615680},
    {"LbDebugInfo0", kAny, color::Red},
    {"PanelWarning", color::Red, kAny},
    {"LbSplash", kAny, color::Blue},
    {"LbConcession", kAny, color::Blue},
    {"LbSearch", kAny, color::Blue},
    {"Shape1", 14384424, kAny},
    {"cDateEntree", 16777200, kAny},
    {"cMEC", 15794175, kAny},
    {"cDateValidationGarantie", 16777200, kAny},
    {"cDateOrdre", 16777200, kAny},
    {"cDateDisponibilite", 16773375, kAny},
    {"cDateLivraison", 16777200, kAny},
    {"cDatePresFinancement", 16777200, kAny},
    {"cDatePaiement", 16777200, kAny},
    {"cVDMEC", 15794175, kAny},
    {"cVNMEC", 15794175, kAny},
    {"cVNDateOrdre", 16777200, kAny},
    {"cVNDateLivrMaxi", 16773375, kAny},
    {"cVNDateDisponibilite", 16773375, kAny},
    {"cVNDateLivraison", 16777200, kAny},
    {"cVNDatePresFinancement", 16777200, kAny},
    {"cVNDatePaiement", 16777200, kAny},
    {"cVNDateAnnulation", 16777200, kAny},
    {"LbResa1", kAny, color::Fuchsia},
    {"PanelCompta", 13545898, kAny},
    {"LbPanelCompta", kAny, color::Blue},
    {"Memo", color::InactiveCaptionText, kAny},
    {"aCliDateNaissance", 12648447, kAny},
    {"DblNom", 15461355, color::Fuchsia},
    {"DblTelDom", 15461355, color::Fuchsia},
    {"vDateOrdre", 15794175, kAny},
    {"vMEC", 15794175, kAny},
    {"vDateLastSAV", 15794175, kAny},
    {"vDateNextSAV", 16773375, kAny},
    {"vDateFinGarantie", 16777200, kAny},
    {"vDateFinFinancement", 16777200, kAny},
    {"cPACliDateProchainAchat", 16773375, kAny},
    {"cPAPADateSpirit", 16777200, kAny},
};

struct FontSize {
    const char* name;
    int pixels;
};

const FontSize kFonts[] = {
    {"AxKelvaro", 11},  {"Tabs", 12},         {"xcInfoNVO", 16},    {"xcInfoTitre", 16},
    {"xcIdentity", 16}, {"xcInfoField1", 16}, {"LbConcession", 93}, {"LbVersion", 11},
    {"cCP", 12},        {"ngFrevo", 13},
};

} // namespace

TEST_F(WindowLayout, TheWindowIsDesignedSizeWithItsCaptionAndNinePages)
{
    TAxKelvaro& w = harness_.window();
    EXPECT_EQ(w.windowTitle(), "Kelvaro ");
    EXPECT_EQ(w.size(), QSize(825, 596));
    EXPECT_EQ(w.objectName(), "AxKelvaro");
    EXPECT_FALSE(w.windowIcon().isNull());
    ASSERT_EQ(w.Tabs->count(), 9);
    EXPECT_EQ(w.Tabs->currentIndex(), 0);
    EXPECT_EQ(w.palette().color(QPalette::Window), toQColor(color::ButtonFace));
}

TEST_F(WindowLayout, ControlsStandWhereDesigned)
{
    for (const Box& b : kBoxes) {
        QWidget* c = widget(b.name);
        ASSERT_TRUE(c);
        EXPECT_EQ(c->pos(), QPoint(b.x, b.y)) << b.name;
        const QSize designed = b.w > 0 ? QSize(b.w, b.h) : c->size();
        EXPECT_EQ(c->size(), designed) << b.name;
    }
    for (const Number& w : kWidths)
        EXPECT_EQ(widget(w.name)->width(), w.value) << w.name;
}

TEST_F(WindowLayout, CaptionsAndPlaceholderTextsAreDesigned)
{
    for (const Text& t : kTexts)
        EXPECT_EQ(face(t.name)->text(), QString::fromUtf8(t.text)) << t.name;
    // Every other text edit and memo holds "txt" + its name, numbers 0 or 0.00, dates
    // 01/01/2000.
    for (const ControlRow& row : readControlTable(controlTablePath())) {
        const QString name = QString::fromStdString(row.name);
        const auto exception = std::find_if(std::begin(kTexts), std::end(kTexts),
                                            [&](const Text& t) { return row.name == t.name; });
        if (exception != std::end(kTexts))
            continue;
        ControlFace* f = dynamic_cast<ControlFace*>(
            harness_.window().findChild<QObject*>(QString::fromStdString(row.name)));
        if (!f)
            continue;
        QString expected = f->text();
        if (row.kind == "T" || row.kind == "M")
            expected = "txt" + name;
        else if (row.kind == "N")
            expected = "0";
        else if (row.kind == "N2")
            expected = "0.00";
        else if (row.kind == "D")
            expected = "01/01/2000";
        else if (row.kind == "L" || row.kind == "C")
            expected = "";
        EXPECT_EQ(f->text(), expected) << row.name;
    }
}

TEST_F(WindowLayout, HintsAreTheDesignedTexts)
{
    for (const Text& t : kHints)
        EXPECT_EQ(face(t.name)->hint(), QString::fromUtf8(t.text)) << t.name;
}

TEST_F(WindowLayout, VisibleAndEnabledStatesAreDesigned)
{
    for (const State& s : kStates) {
        QWidget* c = widget(s.name);
        ASSERT_TRUE(c);
        EXPECT_EQ(!c->isHidden(), s.visible) << s.name;
        EXPECT_EQ(c->isEnabled(), s.enabled) << s.name;
    }
}

TEST_F(WindowLayout, MaximumLengthsAreDesigned)
{
    for (const Number& l : kLengths)
        EXPECT_EQ(face(l.name)->maxLength(), l.value) << l.name;
    // Typing past the limit adds nothing.
    auto* cp = dynamic_cast<QLineEdit*>(widget("cCP"));
    cp->setText("");
    QTest::keyClicks(cp, "1234567");
    EXPECT_EQ(cp->text(), "12345");
}

TEST_F(WindowLayout, ColoursAreDesignedAndShown)
{
    for (const Colours& c : kColours) {
        ControlFace* f = face(c.name);
        ASSERT_TRUE(f) << c.name;
        if (c.color != kAny) {
            EXPECT_EQ(f->color(), c.color) << c.name;
            EXPECT_EQ(f->widget()->palette().color(QPalette::Base), toQColor(c.color)) << c.name;
        }
        if (c.fontColor != kAny) {
            EXPECT_EQ(f->fontColor(), c.fontColor) << c.name;
            EXPECT_EQ(f->widget()->palette().color(QPalette::Active, QPalette::WindowText),
                      toQColor(c.fontColor))
                << c.name;
        }
    }
    // Disabled header edits keep their colours; disabled duplicate counters turn to the menu bar.
    const QPalette identity = widget("xcIdentity")->palette();
    EXPECT_EQ(identity.color(QPalette::Disabled, QPalette::Text), toQColor(color::Fuchsia));
    const QPalette counter = widget("DblNom")->palette();
    EXPECT_EQ(counter.color(QPalette::Disabled, QPalette::Base), toQColor(color::MenuBar));
    EXPECT_EQ(counter.color(QPalette::Disabled, QPalette::Text), toQColor(color::Fuchsia));
}

TEST_F(WindowLayout, FontsKeepTheDesignedSizes)
{
    for (const FontSize& f : kFonts)
        EXPECT_EQ(widget(f.name)->font().pixelSize(), f.pixels) << f.name;
    EXPECT_EQ(harness_.window().font().family(), "Comic Sans MS");
    EXPECT_EQ(widget("LbVersion")->font().family(), "MS Sans Serif");
    // The design's family is drawn with Comic Neue.
    EXPECT_EQ(QFontInfo(widget("cCP")->font()).family(), "Comic Neue");
}

TEST_F(WindowLayout, HandCursorsAlignmentsAndListsAreDesigned)
{
    for (const char* name :
         {"TSLbNVO", "TSLbImmat", "TSLbClient", "TSLbTelephone", "TSLbMobile", "LbSearch",
          "LbPanelCompta", "DblNom", "DblIdent", "DblMobile", "DblTelDom", "JvXPBtnSMS"})
        EXPECT_EQ(widget(name)->cursor().shape(), Qt::PointingHandCursor) << name;
    for (const char* name : {"xcInfoNVO", "xcInfoField1", "xcInfoField2", "xcInfoField3",
                             "cNomImage", "cVDNomImage", "DblNom", "DblTelDom"})
        EXPECT_TRUE(dynamic_cast<QLineEdit*>(widget(name))->alignment() & Qt::AlignHCenter) << name;
    EXPECT_TRUE(dynamic_cast<QLineEdit*>(widget("cFrevo"))->alignment() & Qt::AlignRight);

    for (const auto& [name, count] : {std::pair{"cInfoCouleur", 16},
                                      {"cVDStatutVD", 12},
                                      {"cVNStatutVN", 12},
                                      {"cVNStatutVD", 12},
                                      {"aCliPays", 20}})
        EXPECT_EQ(dynamic_cast<QComboBox*>(widget(name))->maxVisibleItems(), count) << name;
    for (const auto& [name, width] : {std::pair{"cInfoCouleur", 200},
                                      {"cAcheteur", 180},
                                      {"cVNAcheteur", 180},
                                      {"aidCom", 190},
                                      {"aCliPays", 100}})
        EXPECT_EQ(face(name)->listWidth(), width) << name;
    for (const auto& [name, height] : {std::pair{"cInfoEquiInterieur", 17},
                                       {"cInfoComplement", 17},
                                       {"cPAPAChoix1", 17},
                                       {"cVDInfoOptions", 15},
                                       {"cVNInfoOptions", 15}})
        EXPECT_EQ(dynamic_cast<ListBox*>(widget(name))->itemHeight(), height) << name;

    for (const ControlRow& row : readControlTable(controlTablePath())) {
        if (row.kind == "L" || row.kind == "C") {
            EXPECT_EQ(face(row.name.c_str())->isPickList(), row.kind == "L") << row.name;
        } else if (row.kind == "LB") {
            EXPECT_EQ(dynamic_cast<ListBox*>(widget(row.name.c_str()))->selectionMode(),
                      QAbstractItemView::MultiSelection)
                << row.name;
        }
    }
}

TEST_F(WindowLayout, TheWarningPanelIsShownExactlyWhileTheWarningLabelHoldsText)
{
    TAxKelvaro& w = harness_.window();
    w.setWarningText("Exception : Couldn't connect to server");
    EXPECT_FALSE(w.PanelWarning->isHidden());
    EXPECT_EQ(w.LbDebugInfo0->text(), "Exception : Couldn't connect to server");
    w.setWarningText("");
    EXPECT_TRUE(w.PanelWarning->isHidden());
}

TEST_F(WindowLayout, PicturesAreInPlace)
{
    TAxKelvaro& w = harness_.window();
    EXPECT_FALSE(w.ImageNoPhoto->picture().isNull());
    EXPECT_FALSE(dynamic_cast<PictureBox*>(w.ImageSplash)->picture().isNull());
    EXPECT_TRUE(w.ImageVO->picture().isNull());
}
