// Page Sheet01: the used vehicle. Columns at x 100 (second fields at 244), 494, 606 and 710,
// rows 22 pixels apart.
#include "ui/Pictures.h"
#include "ui/TAxKelvaro.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/DatePicker.h"
#include "ui/controls/MemoEdit.h"
#include "ui/controls/NumberEdit.h"
#include "ui/controls/PictureButton.h"
#include "ui/controls/ShapeFrame.h"
#include "ui/controls/TextEdit.h"
#include "ui/controls/TextLabel.h"
#include "ui/layout/ControlSpec.h"
#include "ui/layout/DateColors.h"

namespace {
using K = Kind;

const ControlSpec kSheet01[] = {
    // The blinking frame of list maintenance, placed around its combo box when shown;
    // first, so that it lies under the controls.
    {KELVARO_CONTROL(Shape1),
     K::Shape,
     0,
     0,
     27,
     25,
     -1,
     {.color = 14384424, .flags = flag::Hidden | flag::Disabled}},
    {KELVARO_CONTROL(cNVO), K::N, 100, 0, 80, 21, 0},
    {KELVARO_CONTROL(cOrigine), K::L, 244, 0, 140, 21, 1},
    {KELVARO_CONTROL(cOrigineVendeur), K::L, 100, 22, 137, 21, 2},
    {KELVARO_CONTROL(cDateEntree), K::D, 244, 22, 100, 21, 3, {.color = dates::Bounded}},
    {KELVARO_CONTROL(cInfoMarque),
     K::L,
     100,
     44,
     137,
     21,
     4,
     {.flags = flag::AutoComplete | flag::AutoDropDown}},
    {KELVARO_CONTROL(cInfoModele), K::L, 244, 44, 140, 21, 5},
    {KELVARO_CONTROL(cInfoVersion), K::M, 100, 66, 284, 21, 6, {.maxLength = 50}},
    {KELVARO_CONTROL(cCarrosserie), K::L, 100, 88, 137, 21, 7},
    {KELVARO_CONTROL(cEnergie), K::L, 244, 88, 140, 21, 8},
    {KELVARO_CONTROL(cBoiteVitesse), K::L, 100, 110, 137, 21, 9},
    {KELVARO_CONTROL(cNbPortes), K::L, 244, 110, 63, 21, 10},
    {KELVARO_CONTROL(cCV), K::N, 100, 132, 63, 21, 11},
    {KELVARO_CONTROL(cNbPlaces), K::N, 244, 132, 63, 21, 12},
    {KELVARO_CONTROL(cInfoCouleur),
     K::C,
     100,
     154,
     137,
     21,
     13,
     {.maxLength = 20, .dropDownCount = 16, .listWidth = 200}},
    {KELVARO_CONTROL(cKMS), K::N, 244, 154, 63, 21, 14},
    {KELVARO_CONTROL(cChassis), K::T, 100, 176, 207, 21, 15, {.maxLength = 25}},
    {KELVARO_CONTROL(cMEC), K::D, 100, 198, 100, 21, 16, {.color = dates::Past}},
    {KELVARO_CONTROL(cImmatriculation), K::T, 244, 198, 100, 21, 17},
    {KELVARO_CONTROL(cSite), K::L, 100, 220, 137, 21, 18},
    {KELVARO_CONTROL(cCommentaires), K::M, 100, 242, 260, 43, 19, {.maxLength = 250}},
    {KELVARO_CONTROL(cDestination), K::L, 100, 290, 137, 21, 20},
    {KELVARO_CONTROL(czFeuilleMarge),
     K::B,
     244,
     288,
     140,
     25,
     21,
     {.text = "Feuille de Marge",
      .hint = "impression de la feuille de marge",
      .glyph = int(pictures::Glyph::Sheet)}},
    {KELVARO_CONTROL(cFlagPrepaMecanique), K::L, 100, 315, 55, 21, 22},
    {KELVARO_CONTROL(cFlagPrepaCarrosserie), K::L, 172, 315, 55, 21, 23},
    {KELVARO_CONTROL(cFlagPrepaEsthetique), K::L, 244, 315, 55, 21, 24},
    {KELVARO_CONTROL(cLieuStockage), K::L, 100, 337, 137, 21, 25},
    {KELVARO_CONTROL(cPrixVente), K::N2, 494, 0, 105, 21, 26},
    {KELVARO_CONTROL(cPrixReprise), K::N2, 494, 22, 105, 21, 27},
    {KELVARO_CONTROL(cNomImage),
     K::T,
     100,
     359,
     137,
     21,
     28,
     {.text = "cNomImage", .flags = flag::Centered}},
    {KELVARO_CONTROL(cTPVO), K::N2, 494, 44, 105, 21, 29},
    {KELVARO_CONTROL(cTypeGarantie), K::L, 494, 66, 105, 21, 30},
    {KELVARO_CONTROL(cDureeGarantie), K::L, 606, 66, 100, 21, 31},
    {KELVARO_CONTROL(cPrixGarantie), K::N2, 494, 88, 105, 21, 32},
    {KELVARO_CONTROL(cDateValidationGarantie),
     K::D,
     606,
     88,
     100,
     21,
     33,
     {.color = dates::Bounded}},
    {KELVARO_CONTROL(cModeTVA), K::L, 494, 110, 105, 21, 34},
    {KELVARO_CONTROL(ccTVA), K::T, 606, 110, 100, 21, 35, {.flags = flag::Disabled}},
    {KELVARO_CONTROL(Label2), K::Label, 416, 135, 0, 0, -1, {.text = "Marge brute:"}},
    {KELVARO_CONTROL(cMBrute), K::T, 494, 132, 105, 21, 36, {.flags = flag::Disabled}},
    {KELVARO_CONTROL(Label3), K::Label, 416, 157, 0, 0, -1, {.text = "Totel Frevo:"}},
    {KELVARO_CONTROL(cTotFrevo), K::T, 494, 154, 105, 21, 37, {.flags = flag::Disabled}},
    {KELVARO_CONTROL(Label4), K::Label, 416, 179, 0, 0, -1, {.text = "Marge nette:"}},
    {KELVARO_CONTROL(cMNette), K::T, 494, 176, 105, 21, 38, {.flags = flag::Disabled}},
    {KELVARO_CONTROL(cDateOrdre), K::D, 494, 208, 105, 21, 39, {.color = dates::Bounded}},
    {KELVARO_CONTROL(cVendeur), K::L, 606, 208, 100, 21, 40},
    {KELVARO_CONTROL(cMtComVendeur), K::N2, 710, 208, 100, 21, 41},
    {KELVARO_CONTROL(cCommentaireReprise), K::T, 494, 230, 105, 21, 42, {.maxLength = 20}},
    {KELVARO_CONTROL(cMontantReprise), K::N2, 606, 230, 100, 21, 43},
    {KELVARO_CONTROL(cIntermediaire), K::T, 494, 252, 105, 21, 44, {.maxLength = 20}},
    {KELVARO_CONTROL(cMtComIntermediaire), K::N2, 606, 252, 100, 21, 45},
    {KELVARO_CONTROL(cAcheteur), K::C, 494, 274, 120, 21, 46, {.maxLength = 20, .listWidth = 180}},
    {KELVARO_CONTROL(cCP), K::T, 710, 274, 60, 21, 47, {.maxLength = 5}},
    {KELVARO_CONTROL(cDateDisponibilite), K::D, 494, 296, 105, 21, 48, {.color = dates::Future}},
    {KELVARO_CONTROL(cDateLivraison), K::D, 606, 296, 100, 21, 49, {.color = dates::Bounded}},
    {KELVARO_CONTROL(cFlagEligible), K::L, 710, 296, 55, 21, 50},
    {KELVARO_CONTROL(cTypeFinancement), K::L, 494, 328, 105, 21, 51},
    {KELVARO_CONTROL(cVFinancement), K::N2, 606, 328, 100, 21, 52},
    {KELVARO_CONTROL(cDatePresFinancement), K::D, 710, 328, 100, 21, 53, {.color = dates::Bounded}},
    {KELVARO_CONTROL(cFinanceur), K::L, 494, 350, 105, 21, 54},
    {KELVARO_CONTROL(cComFinPrevue), K::N2, 606, 350, 100, 21, 55},
    {KELVARO_CONTROL(cDatePaiement), K::D, 494, 372, 105, 21, 56, {.color = dates::Bounded}},
    {KELVARO_CONTROL(cComFinRecue), K::N2, 606, 372, 100, 21, 57},
};
} // namespace

std::span<const ControlSpec> sheet01Layout() {
    return kSheet01;
}
