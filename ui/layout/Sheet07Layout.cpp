// Page Sheet07: the client, with the follow-up actions grid below the fields. Fields at x 100
// and x 492.
#include "ui/layout/LayoutTable.h"

namespace {
using K = Kind;

// A duplicate counter: "??" until the count arrives.
constexpr Design counter()
{
    return {.text = "??",
            .color = 15461355,
            .fontColor = color::Fuchsia,
            .flags = flag::Centered | flag::HandCursor | flag::Hidden | flag::NoSelectOnEnter,
            .disabledColor = color::MenuBar,
            .disabledFontColor = color::Fuchsia};
}

const ControlSpec kSheet07[] = {
    {KELVARO_CONTROL(aSite), K::L, 100, 2, 128, 21, 0, {.flags = flag::NoSelectOnEnter}},
    {KELVARO_CONTROL(aidCom), K::L, 232, 2, 128, 21, 1, {.listWidth = 190}},
    {KELVARO_CONTROL(aCliCivilite), K::L, 100, 25, 80, 21, 2},
    {KELVARO_CONTROL(aCliOrigine), K::L, 232, 25, 128, 21, 3},
    {KELVARO_CONTROL(aCliNom), K::M, 100, 48, 258, 19, 4},
    {KELVARO_CONTROL(DblNom), K::T, 361, 48, 30, 20, 26, counter()},
    {KELVARO_CONTROL(aCliPrenom), K::M, 100, 68, 258, 19, 5},
    {KELVARO_CONTROL(DblIdent), K::T, 361, 68, 30, 20, 25, counter()},
    {KELVARO_CONTROL(aCliAdresse1), K::M, 100, 88, 258, 19, 6},
    {KELVARO_CONTROL(aCliAdresse2), K::M, 100, 108, 258, 19, 7},
    {KELVARO_CONTROL(aCliCP), K::T, 100, 128, 50, 19, 8, {.text = "txtcCliCP", .maxLength = 5}},
    {KELVARO_CONTROL(aCliVille),
     K::T,
     153,
     128,
     150,
     19,
     9,
     {.text = "txtcCliVille", .maxLength = 5}},
    {KELVARO_CONTROL(aCliPays),
     K::L,
     306,
     128,
     54,
     19,
     10,
     {.flags = flag::AutoComplete, .dropDownCount = 20, .listWidth = 100}},
    {KELVARO_CONTROL(aCliObservations), K::M, 100, 149, 260, 60, 11},
    {KELVARO_CONTROL(aCliEmail), K::M, 492, 8, 260, 19, 12},
    {KELVARO_CONTROL(aCliMobile), K::M, 492, 30, 141, 19, 13},
    {KELVARO_CONTROL(DblMobile), K::T, 634, 30, 30, 20, 23, counter()},
    {KELVARO_CONTROL(JvXPBtnSMS),
     K::B,
     666,
     30,
     45,
     20,
     27,
     {.text = "SMS",
      .hint = "envoi d'un SMS pour test",
      .flags = flag::HandCursor,
      .glyph = int(pictures::Glyph::Phone)}},
    {KELVARO_CONTROL(aCliTelDom), K::M, 492, 50, 141, 19, 14},
    {KELVARO_CONTROL(DblTelDom), K::T, 634, 50, 30, 20, 24, counter()},
    {KELVARO_CONTROL(aCliTelBur), K::M, 492, 70, 141, 19, 15},
    {KELVARO_CONTROL(aCliProfession), K::M, 492, 92, 260, 19, 16},
    {KELVARO_CONTROL(aCliEmployeur), K::M, 492, 112, 260, 19, 17},
    {KELVARO_CONTROL(aCliDateNaissance), K::D, 492, 134, 100, 21, 18, {.color = dates::Birth}},
    {KELVARO_CONTROL(aCliSituationFamille), K::L, 596, 134, 110, 21, 19},
    {KELVARO_CONTROL(aCliNbEnfants), K::N, 710, 134, 40, 21, 20},
    {KELVARO_CONTROL(JvXPBtnNewAction),
     K::B,
     1,
     182,
     57,
     31,
     22,
     {.hint = "ajout d'un nouveau enregistrement suivi ",
      .flags = flag::Hidden,
      .glyph = int(pictures::Glyph::Add)}},
    {KELVARO_CONTROL(ngAction), K::Grid, 0, 212, 814, 265, 21},
};
} // namespace

std::span<const ControlSpec> sheet07Layout()
{
    return kSheet07;
}
