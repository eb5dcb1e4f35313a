// Page Sheet02: the demonstration vehicle. Fields at x 100 (second fields at 215 and 244), prices
// at x 494.
#include "ui/layout/LayoutTable.h"

namespace {
using K = Kind;

const ControlSpec kSheet02[] = {
    {KELVARO_CONTROL(cVDNVO), K::N, 100, 0, 80, 21, 0},
    {KELVARO_CONTROL(cVDInfoMarque), K::L, 100, 22, 149, 21, 1},
    {KELVARO_CONTROL(cVDInfoModele), K::L, 100, 44, 115, 21, 2},
    {KELVARO_CONTROL(cVDInfoTypeVersion), K::L, 215, 44, 115, 21, 3},
    {KELVARO_CONTROL(cVDInfoVersion), K::M, 100, 66, 260, 49, 4, {.maxLength = 50}},
    {KELVARO_CONTROL(czVDOptions),
     K::B,
     336,
     44,
     57,
     20,
     5,
     {.text = "Options", .hint = "sélection des options"}},
    {KELVARO_CONTROL(cVDCarrosserie), K::L, 100, 120, 137, 21, 7},
    {KELVARO_CONTROL(cVDEnergie), K::L, 244, 120, 116, 21, 8},
    {KELVARO_CONTROL(cVDBoiteVitesse), K::L, 100, 142, 137, 21, 9},
    {KELVARO_CONTROL(cVDNbPortes), K::L, 244, 142, 63, 21, 10},
    {KELVARO_CONTROL(cVDCV), K::N, 100, 164, 63, 21, 11},
    {KELVARO_CONTROL(cVDNbPlaces), K::N, 244, 164, 63, 21, 12},
    {KELVARO_CONTROL(cVDInfoCouleur), K::C, 100, 186, 232, 21, 13},
    {KELVARO_CONTROL(cVDInfoCouleurInt), K::C, 100, 208, 232, 21, 14},
    {KELVARO_CONTROL(cVDKMS), K::N, 100, 230, 63, 21, 15},
    {KELVARO_CONTROL(cVDChassis), K::T, 100, 252, 207, 21, 16},
    {KELVARO_CONTROL(cVDMEC), K::D, 100, 274, 100, 21, 17, {.color = dates::Past}},
    {KELVARO_CONTROL(cVDImmatriculation), K::T, 244, 274, 100, 21, 18},
    {KELVARO_CONTROL(cVDSite), K::L, 100, 296, 137, 21, 19},
    {KELVARO_CONTROL(cVDCommentaires), K::M, 100, 318, 260, 43, 20, {.maxLength = 250}},
    {KELVARO_CONTROL(cVDStatutVD), K::C, 100, 366, 137, 21, 21, {.dropDownCount = 12}},
    {KELVARO_CONTROL(cVDFlagNonDiffuse), K::L, 244, 366, 55, 21, 22},
    {KELVARO_CONTROL(cVDUtilisateur), K::M, 100, 388, 260, 21, 23, {.maxLength = 250}},
    {KELVARO_CONTROL(cVDPrixVente), K::N2, 494, 0, 105, 21, 24},
    {KELVARO_CONTROL(cVDPrixCatalogue), K::N2, 494, 22, 105, 21, 25},
    {KELVARO_CONTROL(cVDCodeRemise), K::T, 494, 44, 105, 21, 26},
    {KELVARO_CONTROL(cVDNomImage),
     K::T,
     494,
     66,
     105,
     21,
     27,
     {.text = "txtcNomImage", .flags = flag::Centered}},
    // The options list opens over the fields next to its button.
    {KELVARO_CONTROL(cVDInfoOptions),
     K::LB,
     364,
     0,
     61,
     77,
     6,
     {.flags = flag::Hidden, .itemHeight = 15}},
};
} // namespace

std::span<const ControlSpec> sheet02Layout()
{
    return kSheet02;
}
