// Pages Sheet04 (equipment lists), Sheet05 (reconditioning costs) and Sheet06 (photos).
#include "ui/layout/LayoutTable.h"

namespace {
using K = Kind;
using G = pictures::Glyph;

constexpr Design equipment()
{
    return {.itemHeight = 17};
}

constexpr Design spare()
{
    return {.flags = flag::Hidden | flag::Disabled, .glyph = int(G::Options)};
}

const ControlSpec kSheet04[] = {
    {KELVARO_CONTROL(cInfoEquiInterieur), K::LB, 0, 24, 201, 377, 0, equipment()},
    {KELVARO_CONTROL(cInfoEquiExterieur), K::LB, 204, 24, 201, 377, 1, equipment()},
    {KELVARO_CONTROL(cInfoEquiSecurite), K::LB, 408, 24, 201, 377, 2, equipment()},
    {KELVARO_CONTROL(cInfoComplement), K::LB, 612, 24, 201, 145, 3, equipment()},
    {KELVARO_CONTROL(czCmdEquiSec), K::B, 408, 404, 22, 22, -1, spare()},
    {KELVARO_CONTROL(czCmdEquiExt), K::B, 204, 404, 22, 22, -1, spare()},
    {KELVARO_CONTROL(czCmdEquiInt), K::B, 0, 404, 22, 22, -1, spare()},
    {KELVARO_CONTROL(czCmdEquiInf), K::B, 612, 172, 22, 22, -1, spare()},
};

constexpr Design total()
{
    return {.flags = flag::Disabled | flag::RightAligned, .disabledFontColor = color::Black};
}

// What each total is: the cost types left of the rows, the two columns beside the title.
constexpr Design totalCaption(const char* text)
{
    return {.text = text, .fontHeight = 11, .flags = flag::RightAligned};
}

// Totals up to the end of the delivery month at x 618, of all lines at x 710.
const ControlSpec kSheet05[] = {
    {KELVARO_CONTROL(ngFrevo), K::Grid, 0, 24, 814, 265, 0},
    {KELVARO_CONTROL(cFrevoInfo), K::Label, 640, 290, 0, 0, -1, {.text = "Frevo FDM et Totaux"}},
    {nullptr, "LbFrevoFDM", K::Label, 600, 292, 38, 14, -1, totalCaption("FDM")},
    {nullptr, "LbFrevoTous", K::Label, 772, 292, 30, 14, -1, totalCaption("Tous")},
    {nullptr, "LbFrevoPrevision", K::Label, 530, 312, 84, 14, -1, totalCaption("Prévisions")},
    {nullptr, "LbFrevoFixe", K::Label, 530, 332, 84, 14, -1, totalCaption("Fixe")},
    {nullptr, "LbFrevoInterne", K::Label, 530, 352, 84, 14, -1, totalCaption("Interne")},
    {nullptr, "LbFrevoExterne", K::Label, 530, 372, 84, 14, -1, totalCaption("Externe")},
    {nullptr, "LbFrevoTotal", K::Label, 530, 392, 84, 14, -1, totalCaption("Total")},
    {KELVARO_CONTROL(cFrevoPrevFDM), K::N2, 618, 309, 92, 20, 1, total()},
    {KELVARO_CONTROL(cFrevoFixeFDM), K::N2, 618, 329, 92, 20, 2, total()},
    {KELVARO_CONTROL(cFrevoIntFDM), K::N2, 618, 349, 92, 20, 3, total()},
    {KELVARO_CONTROL(cFrevoExtFDM), K::N2, 618, 369, 92, 20, 4, total()},
    {KELVARO_CONTROL(cFrevoTotFDM), K::N2, 618, 389, 92, 20, 5, total()},
    {KELVARO_CONTROL(cFrevo), K::N2, 710, 389, 92, 20, 6, total()},
    {KELVARO_CONTROL(cFrevoExterne), K::N2, 710, 369, 92, 20, 7, total()},
    {KELVARO_CONTROL(cFrevoInterne), K::N2, 710, 349, 92, 20, 8, total()},
    {KELVARO_CONTROL(cFrevoFixe), K::N2, 710, 329, 92, 20, 9, total()},
    {KELVARO_CONTROL(cFrevoPrevision), K::N2, 710, 309, 92, 20, 10, total()},
};

constexpr Design photoButton(const char* hint, G glyph)
{
    return {.hint = hint, .glyph = int(glyph)};
}

const ControlSpec kSheet06[] = {
    {KELVARO_CONTROL(cTxtPathImage), K::T, 8, 24, 287, 25, 0, {.text = "cTxtPathImage"}},
    {KELVARO_CONTROL(cListImageSource), K::LV, 8, 64, 287, 137, 1},
    {KELVARO_CONTROL(czCmdSelPathListImage), K::B, 300, 24, 40, 40, 2,
     photoButton("définir le chemin de recherche des clichés", G::Folder)},
    {KELVARO_CONTROL(czCmdRefreshListImage), K::B, 300, 64, 40, 40, 3,
     photoButton("actualisation de la liste des clichés", G::Refresh)},
    {KELVARO_CONTROL(czCmdAssociateImage), K::B, 300, 104, 40, 40, 4,
     photoButton("transfert du cliché sélectionné", G::Upload)},
    {KELVARO_CONTROL(czCmdAssociateImageBlur), K::B, 300, 144, 40, 40, 5,
     photoButton("floutage avant transfert", G::Blur)},
    {KELVARO_CONTROL(cListImageVO), K::LV, 344, 24, 289, 137, 6},
    {KELVARO_CONTROL(czCmdDeleteImageVO), K::B, 636, 24, 40, 40, 7,
     photoButton("suppression du cliché sélectionné", G::DeletePhoto)},
    {KELVARO_CONTROL(czCmdDefaultImageVO), K::B, 636, 64, 40, 40, 8,
     photoButton("cliché par défaut du véhicule", G::DefaultPhoto)},
    {KELVARO_CONTROL(Memo),
     K::M,
     344,
     384,
     289,
     105,
     9,
     {.color = color::InactiveCaptionText, .flags = flag::ReadOnly}},
    {KELVARO_CONTROL(ImageSelection), K::Image, 8, 205, 287, 215, -1},
    {KELVARO_CONTROL(ImageNoPhoto), K::Image, 300, 200, 41, 33, -1, {.flags = flag::Hidden}},
    {KELVARO_CONTROL(ImageVO), K::Image, 344, 164, 287, 215, -1},
    {KELVARO_CONTROL(ImageMini), K::Image, 648, 164, 160, 120, -1},
    {KELVARO_CONTROL(VOImage),
     K::Image,
     648,
     360,
     160,
     120,
     -1,
     {.flags = flag::Disabled | flag::Stretched}},
};
} // namespace

std::span<const ControlSpec> sheet04Layout()
{
    return kSheet04;
}

std::span<const ControlSpec> sheet05Layout()
{
    return kSheet05;
}

std::span<const ControlSpec> sheet06Layout()
{
    return kSheet06;
}
