#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;

// The pictures of the window, drawn by the program: the six pictures of the grids' image list,
// the button glyphs, the placeholder photo, the window icon and the dealership's splash picture.
namespace pictures {

// Pictures of the image list, by index: 0 delete this line, 1 add or record this new line,
// 2 no action, 3 information, 4 open, 5 open (inactive).
inline constexpr int kListCount = 6;
inline constexpr int kListSize = 16;
QPixmap listPicture(int index);

enum class Glyph {
    Sweep,
    DeleteRecord,
    Print,
    Search,
    NewRecord,
    Save,
    Reload,
    Calendar,
    Folder,
    Refresh,
    Upload,
    Blur,
    DeletePhoto,
    DefaultPhoto,
    Add,
    NewVehicle,
    Phone,
    Sheet,
    Options,
    Selector,
    SearchMore,
};
QPixmap glyph(Glyph which, int size = 32);

// Shown where a vehicle has no photo.
QPixmap noPhoto();
QIcon windowIcon(const QString& letter = QStringLiteral("K"));
// The window icon drawn in a 64 x 64 box of the painter (scale the painter for other sizes).
void paintWindowIcon(QPainter& p, const QString& letter = QStringLiteral("K"));
// The splash picture of the dealership "BRESMAN", on a transparent background.
QPixmap splashPicture();

} // namespace pictures
