// Page Sheet03: the new vehicle. Fields at x 100 (second fields at 215, 244 and 276), x 492 and
// x 596 to 700; the accounting panel PanelCompta at the lower right.
#include "ui/layout/LayoutTable.h"

namespace {
using K = Kind;

constexpr Design reservation()
{
    return {.fontColor = color::Fuchsia, .flags = flag::Hidden | flag::Bold};
}

const ControlSpec kSheet03[] = {
    {KELVARO_CONTROL(cVNNVO), K::N, 100, 1, 80, 21, 0},
    {KELVARO_CONTROL(cVNSite), K::L, 244, 1, 137, 21, 1},
    {KELVARO_CONTROL(cVNInfoMarque), K::L, 100, 23, 149, 21, 2},
    {KELVARO_CONTROL(czVNOptions),
     K::B,
     272,
     23,
     57,
     20,
     5,
     {.text = "Options", .hint = "sélection des options"}},
    {KELVARO_CONTROL(cVNInfoModele), K::L, 100, 45, 115, 21, 3},
    {KELVARO_CONTROL(cVNInfoTypeVersion), K::L, 215, 45, 115, 21, 4},
    {KELVARO_CONTROL(cVNInfoVersion),
     K::M,
     100,
     67,
     284,
     21,
     7,
     {.maxLength = 50, .flags = flag::NoLineBreaks}},
    {KELVARO_CONTROL(cVNCarrosserie), K::L, 100, 89, 137, 21, 8},
    {KELVARO_CONTROL(cVNEnergie), K::L, 244, 89, 140, 21, 9},
    {KELVARO_CONTROL(cVNBoiteVitesse), K::L, 100, 111, 137, 21, 10},
    {KELVARO_CONTROL(cVNNbPortes), K::L, 244, 111, 63, 21, 11},
    {KELVARO_CONTROL(cVNCV), K::N, 100, 133, 63, 21, 12},
    {KELVARO_CONTROL(cVNNbPlaces), K::N, 244, 133, 63, 21, 13},
    {KELVARO_CONTROL(cVNInfoCouleur), K::C, 100, 155, 232, 21, 14},
    {KELVARO_CONTROL(cVNInfoCouleurInt), K::C, 100, 177, 232, 21, 15},
    {KELVARO_CONTROL(cVNChassis), K::T, 100, 199, 207, 21, 16, {.maxLength = 25}},
    {KELVARO_CONTROL(cVNMEC), K::D, 100, 221, 100, 21, 17, {.color = dates::Past}},
    {KELVARO_CONTROL(cVNImmatriculation), K::T, 244, 221, 100, 21, 18},
    {KELVARO_CONTROL(cVNCommentaires), K::M, 100, 243, 284, 65, 19, {.maxLength = 250}},
    {KELVARO_CONTROL(cVNStatutVN), K::C, 100, 316, 137, 21, 20, {.dropDownCount = 12}},
    {KELVARO_CONTROL(cVNDateUpdateCde), K::D, 276, 316, 100, 21, 21},
    {KELVARO_CONTROL(cVNDateCdeVW), K::D, 100, 337, 97, 21, 22},
    {KELVARO_CONTROL(cVNDateFabrication), K::D, 100, 358, 97, 21, 23},
    {KELVARO_CONTROL(LbDateFabrication),
     K::Label,
     200,
     359,
     80,
     18,
     -1,
     {.fontColor = color::Blue, .flags = flag::Hidden}},
    {KELVARO_CONTROL(cVNDateDeclareLivre), K::D, 100, 379, 97, 21, 24},
    {KELVARO_CONTROL(cVNDateFacture), K::D, 100, 400, 97, 21, 25},
    {KELVARO_CONTROL(cVNDateDebutGarantie), K::D, 100, 421, 97, 21, 26},
    {KELVARO_CONTROL(cVNCFMemo), K::M, 100, 443, 284, 21, 27},
    {KELVARO_CONTROL(cVNStatutVD), K::C, 492, 1, 100, 21, 28, {.dropDownCount = 12}},
    {KELVARO_CONTROL(cVNUtilisateur), K::M, 596, 1, 209, 21, 29, {.maxLength = 250}},
    {KELVARO_CONTROL(cVNFlagNonDiffuse), K::L, 700, 23, 55, 21, 30, {.flags = flag::Hidden}},
    {KELVARO_CONTROL(cVNPrixVente), K::N2, 492, 23, 100, 21, 31},
    {KELVARO_CONTROL(cVNPrixCatalogue), K::N2, 596, 23, 100, 21, 32},
    {KELVARO_CONTROL(cVNCodeRemise), K::T, 700, 45, 100, 21, 33, {.flags = flag::Hidden}},
    {KELVARO_CONTROL(cVNDateOrdre), K::D, 492, 45, 100, 21, 34, {.color = dates::Bounded}},
    {KELVARO_CONTROL(cVNVendeur), K::L, 596, 45, 100, 21, 35},
    {KELVARO_CONTROL(cVNAcheteur), K::C, 596, 67, 120, 21, 36, {.listWidth = 180}},
    {KELVARO_CONTROL(cVNDestination), K::L, 492, 67, 100, 21, 37, {.flags = flag::Capitals}},
    {KELVARO_CONTROL(cVNCP), K::T, 492, 89, 60, 21, 38},
    {KELVARO_CONTROL(cVNDateLivrMaxi), K::D, 596, 89, 100, 21, 39, {.color = dates::Future}},
    {KELVARO_CONTROL(cVNDateDisponibilite), K::D, 700, 89, 100, 21, 40, {.color = dates::Future}},
    {KELVARO_CONTROL(cVNDateLivraison), K::D, 492, 111, 100, 21, 41, {.color = dates::Bounded}},
    {KELVARO_CONTROL(cVNFlagEligible), K::L, 596, 111, 55, 21, 42},
    {KELVARO_CONTROL(cVNTypeFinancement), K::L, 492, 138, 100, 21, 43},
    {KELVARO_CONTROL(cVNTypeFinancementDelai), K::L, 492, 160, 100, 21, 44},
    {KELVARO_CONTROL(cVNVFinancement), K::N2, 492, 182, 100, 21, 45},
    {KELVARO_CONTROL(cVNDatePresFinancement),
     K::D,
     492,
     204,
     100,
     21,
     46,
     {.color = dates::Bounded}},
    {KELVARO_CONTROL(cVNFinanceur), K::L, 492, 226, 100, 21, 47},
    {KELVARO_CONTROL(cVNComFinPrevue), K::N2, 492, 248, 100, 21, 48},
    {KELVARO_CONTROL(cVNDatePaiement), K::D, 492, 270, 100, 21, 49, {.color = dates::Bounded}},
    {KELVARO_CONTROL(cVNComFinRecue), K::N2, 492, 292, 100, 21, 50},
    {KELVARO_CONTROL(cVNReprNVO), K::N, 492, 330, 90, 21, 51},
    {KELVARO_CONTROL(cVNReprMarque), K::L, 492, 352, 90, 21, 52},
    {KELVARO_CONTROL(cVNReprModele), K::M, 492, 374, 90, 21, 53},
    {KELVARO_CONTROL(cVNReprPrix), K::N2, 492, 396, 90, 21, 54},
    {KELVARO_CONTROL(cVNDateAnnulation), K::D, 492, 430, 100, 21, 55, {.color = dates::Bounded}},
    // The reservation banner lies over the right column.
    {KELVARO_CONTROL(LbResa1), K::Label, 596, 138, 213, 18, -1, reservation()},
    {KELVARO_CONTROL(LbResa2), K::Label, 596, 157, 213, 18, -1, reservation()},
    {KELVARO_CONTROL(LbResa3), K::Label, 596, 177, 213, 18, -1, reservation()},
    {KELVARO_CONTROL(LbResa4), K::Label, 596, 196, 213, 18, -1, reservation()},
    {KELVARO_CONTROL(PanelCompta), K::Panel, 592, 267, 217, 216, 56, {.color = 13545898}},
    {KELVARO_CONTROL(cVNInfoOptions),
     K::LB,
     338,
     0,
     53,
     77,
     6,
     {.flags = flag::Hidden, .itemHeight = 15}},
};

// Accounting fields at x 122 of the panel.
const ControlSpec kPanelCompta[] = {
    {KELVARO_CONTROL(LbPanelCompta),
     K::Label,
     8,
     4,
     0,
     0,
     -1,
     {.text = "Suivi Comptabilité",
      .hint = "édition du suivi comptable",
      .fontColor = color::Blue,
      .flags = flag::HandCursor | flag::Bold}},
    {KELVARO_CONTROL(cVNDateAchat), K::D, 122, 22, 93, 19, 0},
    {KELVARO_CONTROL(cVNMontantAchat), K::N2, 122, 41, 93, 19, 1},
    {KELVARO_CONTROL(cVNDateEcheance), K::D, 122, 60, 93, 19, 2},
    {KELVARO_CONTROL(cVNSituationAchat), K::L, 122, 79, 93, 19, 3},
    {KELVARO_CONTROL(cVNDateEchTresorerie), K::D, 122, 98, 93, 19, 4},
    {KELVARO_CONTROL(cVNDateEchReglement), K::D, 122, 117, 93, 19, 5},
    {KELVARO_CONTROL(cVNDateRecPaiement), K::D, 122, 136, 93, 19, 6},
    {KELVARO_CONTROL(cVNDateRecFinancement), K::D, 122, 155, 93, 19, 7},
    {KELVARO_CONTROL(cVNMontantAcompte), K::N2, 122, 174, 93, 19, 8},
    {KELVARO_CONTROL(cVNSolde), K::N2, 122, 193, 93, 19, 9},
};
} // namespace

std::span<const ControlSpec> sheet03Layout()
{
    return kSheet03;
}

std::span<const ControlSpec> panelComptaLayout()
{
    return kPanelCompta;
}
