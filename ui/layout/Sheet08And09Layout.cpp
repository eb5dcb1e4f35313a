// Pages Sheet08 (client vehicles: the grid on the left, the selected vehicle's fields at x 495
// and 670) and Sheet09 (purchase plan).
#include "ui/layout/LayoutTable.h"

namespace {
using K = Kind;

const ControlSpec kSheet08[] = {
    {KELVARO_CONTROL(JvXPBtnNewVehicle),
     K::B,
     9,
     1,
     57,
     31,
     24,
     {.hint = "ajout d'un nouveau véhicule",
      .flags = flag::Hidden,
      .glyph = int(pictures::Glyph::NewVehicle)}},
    {KELVARO_CONTROL(ngVehicles), K::Grid, 8, 32, 377, 257, 0},
    {KELVARO_CONTROL(vTypeVO), K::L, 494, 0, 140, 21, 1},
    {KELVARO_CONTROL(vDateOrdre), K::D, 670, 0, 100, 21, 2, {.color = dates::Past}},
    {KELVARO_CONTROL(vInfoMarque), K::L, 495, 33, 115, 19, 3},
    {KELVARO_CONTROL(vInfoModele), K::L, 670, 33, 115, 19, 4},
    {KELVARO_CONTROL(vInfoVersion), K::M, 495, 53, 310, 19, 5, {.maxLength = 50}},
    {KELVARO_CONTROL(vInfoTypeVersion), K::M, 495, 73, 310, 19, 6, {.maxLength = 50}},
    {KELVARO_CONTROL(vSite), K::C, 495, 93, 140, 19, 7},
    {KELVARO_CONTROL(vMEC), K::D, 670, 93, 100, 19, 8, {.color = dates::Past}},
    {KELVARO_CONTROL(vImmatriculation), K::T, 495, 113, 100, 19, 9},
    {KELVARO_CONTROL(vKMS), K::N, 670, 113, 95, 19, 10},
    {KELVARO_CONTROL(vDateFinGarantie), K::D, 495, 133, 100, 19, 11, {.color = dates::Bounded}},
    {KELVARO_CONTROL(vTypeFinancement), K::L, 670, 133, 135, 19, 12},
    {KELVARO_CONTROL(vMensualiteFinancement), K::N0, 495, 153, 100, 19, 13},
    {KELVARO_CONTROL(vAbbrFinancement), K::L, 670, 153, 135, 19, 14},
    {KELVARO_CONTROL(vDateFinFinancement), K::D, 495, 173, 100, 19, 15, {.color = dates::Bounded}},
    {KELVARO_CONTROL(vLieuEntretien1), K::M, 495, 203, 310, 19, 16, {.maxLength = 50}},
    {KELVARO_CONTROL(vLieuEntretien2), K::M, 495, 223, 310, 19, 17, {.maxLength = 50}},
    {KELVARO_CONTROL(vDateLastSAV), K::D, 495, 253, 100, 19, 18, {.color = dates::Past}},
    {KELVARO_CONTROL(vKmLastSAV), K::N0, 670, 253, 95, 19, 19},
    {KELVARO_CONTROL(zLbKmLastSAV), K::Label, 768, 255, 0, 0, -1, {.text = "km"}},
    {KELVARO_CONTROL(vDateNextSAV), K::D, 495, 273, 100, 19, 20, {.color = dates::Future}},
    {KELVARO_CONTROL(vKmNextSAV), K::N0, 670, 273, 95, 19, 21},
    {KELVARO_CONTROL(zLbKmNextSAV), K::Label, 768, 275, 0, 0, -1, {.text = "km"}},
    {KELVARO_CONTROL(vSatisfVehicle), K::L, 495, 299, 140, 21, 22},
    {KELVARO_CONTROL(vSatisfSAV), K::L, 670, 299, 135, 21, 23},
};

constexpr Design plan(unsigned flags = 0)
{
    return {.flags = flags, .itemHeight = 17};
}

const ControlSpec kSheet09[] = {
    {KELVARO_CONTROL(cPACliDateProchainAchat), K::D, 118, 6, 100, 21, 0, {.color = dates::Future}},
    {KELVARO_CONTROL(cPAPATypeVO), K::LB, 0, 45, 110, 56, 1, plan()},
    {KELVARO_CONTROL(cPAPASegment), K::LB, 0, 120, 110, 124, 2, plan()},
    {KELVARO_CONTROL(cPAPACarrosserie), K::LB, 0, 264, 110, 90, 3, plan()},
    {KELVARO_CONTROL(cPAPAEnergie), K::LB, 0, 376, 110, 106, 4, plan(flag::Hidden)},
    {KELVARO_CONTROL(cPAPAChoix1), K::LB, 118, 45, 110, 436, 5, plan()},
    {KELVARO_CONTROL(cPAPAChoix2), K::LB, 234, 45, 110, 436, 6, plan()},
    {KELVARO_CONTROL(zLbPAAutresModeles), K::Label, 352, 28, 0, 0, -1, {.text = "Autres Modèles:"}},
    {KELVARO_CONTROL(cPAPAMarque1), K::L, 351, 45, 115, 21, 7, {.flags = flag::NoSelectOnEnter}},
    {KELVARO_CONTROL(cPAPAModele1), K::L, 471, 45, 115, 21, 8},
    {KELVARO_CONTROL(cPAPAMarque2), K::L, 351, 68, 115, 21, 9},
    {KELVARO_CONTROL(cPAPAModele2), K::L, 471, 68, 115, 21, 10},
    {KELVARO_CONTROL(cPAPADateSpirit), K::D, 496, 91, 100, 21, 11, {.color = dates::Bounded}},
};
} // namespace

std::span<const ControlSpec> sheet08Layout()
{
    return kSheet08;
}

std::span<const ControlSpec> sheet09Layout()
{
    return kSheet09;
}
