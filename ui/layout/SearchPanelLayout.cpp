// The search panel Panel1: search-type selectors, filters, searched text and the result grid.
#include "ui/layout/LayoutTable.h"

namespace {
using K = Kind;
using G = pictures::Glyph;

constexpr Design selectorLabel(const char* caption, const char* hint)
{
    return {.text = caption, .hint = hint, .flags = flag::HandCursor | flag::Centered};
}

constexpr Design selector(unsigned flags = 0)
{
    return {.hint = "choix du type de recherche", .flags = flags, .glyph = int(G::Selector)};
}

// Selectors stand in slots 72 pixels wide from x 10: the button, its caption below it.
const ControlSpec kSearchPanel[] = {
    {KELVARO_CONTROL(TSNVO), K::B, 10, 14, 68, 26, 5, selector()},
    {KELVARO_CONTROL(TSImmat), K::B, 82, 14, 68, 26, 6, selector(flag::Disabled)},
    {KELVARO_CONTROL(TSClient), K::B, 154, 14, 68, 26, 7, selector(flag::Disabled)},
    {KELVARO_CONTROL(TSTelephone), K::B, 226, 14, 68, 26, 8, selector(flag::Disabled)},
    {KELVARO_CONTROL(TSMobile), K::B, 298, 14, 68, 26, 9, selector(flag::Disabled)},
    {KELVARO_CONTROL(TSLbNVO), K::Label, 10, 42, 68, 18, -1,
     selectorLabel("N°VO", "recherche par numéro de VO")},
    {KELVARO_CONTROL(TSLbImmat), K::Label, 82, 42, 68, 18, -1,
     selectorLabel("Immatricul.", "recherche par immatriculation")},
    {KELVARO_CONTROL(TSLbClient), K::Label, 154, 42, 68, 18, -1,
     selectorLabel("Nom Client", "recherche par nom de client")},
    {KELVARO_CONTROL(TSLbTelephone), K::Label, 226, 42, 68, 18, -1,
     selectorLabel("Téléphone", "recherche par téléphone du domicile")},
    {KELVARO_CONTROL(TSLbMobile), K::Label, 298, 42, 68, 18, -1,
     selectorLabel("Mobile", "recherche par téléphone mobile")},
    {KELVARO_CONTROL(ncbLbSite), K::Label, 400, 17, 0, 0, -1, {.text = "Site :"}},
    {KELVARO_CONTROL(ncbSite), K::C, 500, 14, 163, 22, 1, {.hint = "filtre sur le site"}},
    {KELVARO_CONTROL(ncbLbTypeVO), K::Label, 400, 43, 0, 0, -1, {.text = "Type Véhicule :"}},
    {KELVARO_CONTROL(ncbTypeVO),
     K::L,
     500,
     40,
     163,
     22,
     2,
     {.hint = "filtre sur le type de véhicule"}},
    {KELVARO_CONTROL(ncbInfoSearch), K::Label, 400, 66, 0, 0, -1, {.flags = flag::Hidden}},
    {KELVARO_CONTROL(LbSearch),
     K::Label,
     14,
     80,
     92,
     18,
     -1,
     {.text = "à rechercher :",
      .hint = "recherche exacte ou approchée",
      .fontColor = color::Blue,
      .flags = flag::HandCursor}},
    {KELVARO_CONTROL(ncbSearch),
     K::M,
     110,
     77,
     250,
     23,
     0,
     {.hint = "texte à rechercher", .maxLength = 50, .flags = flag::NoLineBreaks}},
    {KELVARO_CONTROL(ncbLabel), K::Label, 370, 81, 185, 18, -1},
    {KELVARO_CONTROL(JvXPBtnSearchPlus),
     K::B,
     561,
     72,
     102,
     32,
     4,
     {.text = "plus+50enrg.",
      .hint = "recherche de 50 enregistrements de plus",
      .glyph = int(G::SearchMore)}},
    {KELVARO_CONTROL(ngSearch), K::Grid, 14, 111, 649, 393, 3},
};
} // namespace

std::span<const ControlSpec> searchPanelLayout()
{
    return kSearchPanel;
}
