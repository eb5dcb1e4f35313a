// The window's own controls: the top strip, the bottom strip and the overlay panels.
#include "ui/layout/LayoutTable.h"

namespace {
using K = Kind;
using G = pictures::Glyph;

constexpr unsigned kHeaderBack = 15461355;
constexpr unsigned kStatusColor = 12615680;
constexpr int kHeaderFont = 16;

constexpr Design header(unsigned flags, unsigned text = color::Black)
{
    return {.color = kHeaderBack,
            .fontColor = text,
            .fontHeight = kHeaderFont,
            .flags = flag::Disabled | flags,
            .disabledFontColor = text};
}

constexpr Design command(const char* hint, G glyph, unsigned flags = 0,
                         const char* caption = nullptr)
{
    return {.text = caption, .hint = hint, .flags = flags, .glyph = int(glyph)};
}

constexpr Design status(unsigned flags)
{
    return {
        .fontColor = kStatusColor, .fontHeight = 11, .fontFamily = "MS Sans Serif", .flags = flags};
}

const ControlSpec kWindow[] = {
    {KELVARO_CONTROL(xcInfoNVO), K::T, 8, 2, 73, 31, -1, header(flag::Centered)},
    {KELVARO_CONTROL(xcInfoTitre), K::T, 80, 2, 289, 31, -1, header(0)},
    {KELVARO_CONTROL(xcIdentity), K::T, 8, 2, 361, 31, -1, header(flag::Hidden, color::Fuchsia)},
    {KELVARO_CONTROL(xcInfoField1), K::T, 368, 2, 169, 31, -1, header(flag::Centered)},
    {KELVARO_CONTROL(xcInfoField2), K::T, 536, 2, 145, 31, -1, header(flag::Centered)},
    {KELVARO_CONTROL(xcInfoField3), K::T, 680, 2, 145, 31, -1, header(flag::Centered)},
    {KELVARO_CONTROL(LbInfoOptions), K::Label, 9, 35, 435, 20, -1},
    {KELVARO_CONTROL(JvXPBtnSweep), K::B, 448, 34, 45, 45, -1,
     command("suppression des enregistrements VN annulés", G::Sweep, flag::Hidden)},
    {KELVARO_CONTROL(JvXPBtnSuppr), K::B, 496, 34, 45, 45, -1,
     command("suppression de l'enregistrement", G::DeleteRecord)},
    {KELVARO_CONTROL(JvXPBtnPrint), K::B, 544, 34, 45, 45, -1,
     command("impression de la fiche du véhicule", G::Print)},
    {KELVARO_CONTROL(JvXPBtnSearch), K::B, 592, 34, 60, 45, -1,
     command("recherche d'un client ou d'un véhicule", G::Search)},
    {KELVARO_CONTROL(JvXPBtnNewVO), K::B, 656, 34, 68, 45, -1,
     command("nouveau véhicule", G::NewRecord, flag::Bold, "VO")},
    {KELVARO_CONTROL(JvXPBtnSave), K::B, 728, 34, 45, 45, -1,
     command("enregistrement des modifications", G::Save)},
    {KELVARO_CONTROL(JvXPBtnActualize), K::B, 776, 34, 45, 45, -1,
     command("rechargement des informations du véhicule", G::Reload)},
    // Bottom strip; the labels at 608 and below lie outside the client area until moved.
    {KELVARO_CONTROL(JvXPPrev),
     K::B,
     688,
     570,
     65,
     25,
     -1,
     {.text = "<< Enrg.Préc.", .hint = "enregistrement précédent", .flags = flag::Disabled}},
    {KELVARO_CONTROL(JvXPNext),
     K::B,
     752,
     570,
     71,
     25,
     -1,
     {.text = ">> Enrg.Suiv.", .hint = "enregistrement suivant", .flags = flag::Disabled}},
    {KELVARO_CONTROL(LbInfoTimer), K::Label, 557, 576, 128, 14, -1, status(flag::Hidden)},
    {KELVARO_CONTROL(LbHttpRoot), K::Label, 630, 576, 195, 14, -1, status(flag::Hidden)},
    {KELVARO_CONTROL(LbBaseHRef), K::Label, 630, 592, 195, 14, -1, status(flag::Hidden)},
    {KELVARO_CONTROL(LbVersion), K::Label, 630, 608, 195, 14, -1, status(0)},
    {KELVARO_CONTROL(LbIdTVO), K::Label, 630, 624, 100, 14, -1, status(flag::Opaque)},
    {KELVARO_CONTROL(LbIDCustomer), K::Label, 734, 624, 91, 14, -1, status(0)},
    {KELVARO_CONTROL(LbDebugInfo3), K::Label, 0, 576, 555, 14, -1, {.flags = flag::Hidden}},
    {KELVARO_CONTROL(LbDebugInfo2), K::Label, 0, 592, 625, 14, -1, {.flags = flag::Hidden}},
    {KELVARO_CONTROL(LbDebugInfo1), K::Label, 0, 608, 625, 14, -1, {.flags = flag::Hidden}},
    {KELVARO_CONTROL(LbDebugInfo0), K::Label, 0, 624, 625, 14, -1, {.fontColor = color::Red}},
};

const ControlSpec kOverlays[] = {
    {KELVARO_CONTROL(PanelWarning),
     K::Warning,
     0,
     0,
     825,
     81,
     -1,
     {.color = color::Red, .flags = flag::Hidden}},
    {KELVARO_CONTROL(Panel1), K::Panel, 66, 624, 681, 521, -1, {.flags = flag::Hidden}},
    {KELVARO_CONTROL(PanelSplash),
     K::Panel,
     16,
     16,
     793,
     545,
     -1,
     {.color = color::ButtonFace, .flags = flag::Hidden}},
};

const ControlSpec kSplash[] = {
    {KELVARO_CONTROL(ImageSplash), K::Image, 24, 48, 545, 81, -1},
    {KELVARO_CONTROL(LbConcession),
     K::Label,
     16,
     10,
     662,
     130,
     -1,
     {.text = "NomConcession", .fontColor = color::Blue, .fontHeight = 93, .flags = flag::Hidden}},
    {KELVARO_CONTROL(LbSplash),
     K::Label,
     24,
     136,
     600,
     20,
     -1,
     {.fontColor = color::Blue, .fontHeight = 13}},
};
} // namespace

std::span<const ControlSpec> windowLayout()
{
    return kWindow;
}

std::span<const ControlSpec> overlayLayout()
{
    return kOverlays;
}

std::span<const ControlSpec> splashLayout()
{
    return kSplash;
}
