// The photos page: the local folder's JPEG files on the left, the vehicle's attached photos on the
// right, their previews, and the folder picker.
#include "ui/TAxKelvaro.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>

#include "app/Cp1252.h"
#include "photos/BusyCursor.h"
#include "photos/Jpeg.h"
#include "photos/ListViewSort.h"
#include "photos/PhotoFolder.h"
#include "photos/PhotoRecords.h"
#include "photos/QtPictures.h"
#include "photos/Thumbnails.h"
#include "server/Endpoints.h"
#include "ui/controls/AllKinds.h"

namespace {

// Both list views: report style with their columns, headers shown.
void prepareLists(ListView& local, ListView& attached)
{
    local.setColumns({QStringLiteral("Nom du Cliché"), QStringLiteral("Date")}, {125, 125});
    attached.setColumns(
        {QStringLiteral("Nom du Cliché"), QStringLiteral("Date"), QStringLiteral("***")},
        {110, 125, 40});
}

} // namespace

void TAxKelvaro::LoadInfoCliche()
{
    if (cListImageSource->columnCount() >= 2)
        return;
    prepareLists(*cListImageSource, *cListImageVO);
    ShowListeImages(GetTagRegistry(QStringLiteral("PathImages")));
}

void TAxKelvaro::ShowListeImages(const QString& folder)
{
    ImagePath = folder;
    cTxtPathImage->setText(folder);
    ImageSelection->setPicture(ImageNoPhoto->picture());
    czCmdAssociateImage->setEnabled(false);
    czCmdAssociateImageBlur->setEnabled(false);
    cListImageSource->clearItems();
    if (Thumbnails)
        Thumbnails->cancel();

    const FolderListing listing = listJpegFiles(folder);
    if (!listing.error.isEmpty()) {
        photoFailure(listing.error);
        return;
    }
    for (const LocalPhoto& photo : listing.photos)
        cListImageSource->addItem(photo.name, {listTimeText(photo.modified)});
    if (listing.photos.empty())
        return;
    auto* sorter = new TListViewSort(*cListImageSource, {0, 5});
    sorter->SortColumn = 1;
    sorter->SortAscending = false;
    sorter->Sort();
    loadThumbnails();
}

void TAxKelvaro::loadThumbnails()
{
    if (!Thumbnails)
        Thumbnails = new ThumbnailLoader(*cListImageSource);
    Thumbnails->start(ImagePath);
}

void TAxKelvaro::GetDataImages()
{
    MaxNumImage = readAttachedPhotos(RecordDoc).maxNumber;
    showAttachedPhotos();
}

void TAxKelvaro::showAttachedPhotos()
{
    const AttachedPhotos attached = readAttachedPhotos(RecordDoc);
    cListImageVO->clearItems();
    for (const AttachedPhoto& photo : attached.photos) {
        QStringList subItems{photo.date};
        if (photo.name == attached.defaultName)
            subItems << QStringLiteral("***");
        cListImageVO->addItem(photo.name, subItems);
    }
}

void TAxKelvaro::czCmdSelPathListImageClick()
{
    if (!commitFocusedControl())
        return;
    const QString folder =
        BrowseForFolder(QStringLiteral("Sélection du répertoire des Clichés"), ImagePath, false);
    if (folder.isEmpty())
        return;
    ShowListeImages(folder);
    SetTagRegistry(QStringLiteral("PathImages"), folder);
}

QString TAxKelvaro::BrowseForFolder(const QString& title, const QString& initialFolder,
                                    bool newFolderButton)
{
    // Qt's own dialog: the same on every desktop, and it can hide the new-folder button.
    QFileDialog dialog(this, title, initialFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly, !newFolderButton);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front().left(260);
}

void TAxKelvaro::czCmdRefreshListImageClick()
{
    if (!commitFocusedControl())
        return;
    ShowListeImages(cTxtPathImage->text());
    showAttachedPhotos();
}

void TAxKelvaro::cListImageSourceSelectItem(ListView& sender, int item, bool selected)
{
    if (!selected)
        return;
    const QString path = ImagePath + QLatin1Char('/') + sender.caption(item);
    // Decoded at about the size of its box, so that a camera photo shows at once.
    const QSize box = ImageSelection->size();
    DecodedJpeg preview;
    runInBackground([&] { preview = readJpegFileScaled(path, box.width(), box.height()); });
    if (!preview.ok()) {
        WriteTrace(preview.error);
        photoFailure(refusedPhotoText(preview, sender.caption(item)));
        return;
    }
    ImageSelection->setPicture(QPixmap::fromImage(toQImage(preview.picture)));
    czCmdAssociateImage->setEnabled(true);
    czCmdAssociateImageBlur->setEnabled(true);
}

void TAxKelvaro::cListImageVOSelectItem(ListView& sender, int item, bool selected)
{
    if (!selected)
        return;
    const QString name = sender.caption(item);
    if (name.isEmpty()) {
        ImageVO->setPicture(ImageNoPhoto->picture());
        ImageMini->setPicture(ImageNoPhoto->picture());
        return;
    }
    const BusyCursor busy;
    const std::string url = endpoint::photo(toCp1252(URLImages), toCp1252(name));
    LoadRemoteJpeg(*ImageVO, url);
    // The same picture: the second download of the design is spared.
    ImageMini->setPicture(ImageVO->picture());
}

void TAxKelvaro::LoadRemoteJpeg(PictureBox& image, const std::string& url)
{
    WriteTrace("LoadRemoteJpeg : " + fromCp1252(url));
    HttpReply reply;
    DecodedJpeg decoded;
    runInBackground([&] {
        reply = IdHTTP2->get(url, RequestMode{.file = true});
        if (reply.ok)
            decoded = decodeJpeg(reply.body);
    });
    if (!reply.ok || !decoded.ok()) {
        WriteTrace("LoadRemoteJpeg : " + (reply.ok ? decoded.error : fromCp1252(reply.error)));
        image.setPicture(ImageNoPhoto->picture());
        return;
    }
    image.setPicture(QPixmap::fromImage(toQImage(decoded.picture)));
}
