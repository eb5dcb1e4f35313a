// Attaching a local photo to the vehicle: the two reduced files, the blurring editor when asked,
// the FTP transfer, the upload with the statement that records it, and the default photo.
#include "ui/TAxKelvaro.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLabel>

#include "app/Cp1252.h"
#include "app/IniFile.h"
#include "editing/SaveRules.h"
#include "photos/BusyCursor.h"
#include "photos/FrmBlur.h"
#include "photos/FtpUpload.h"
#include "photos/Jpeg.h"
#include "photos/PhotoFolder.h"
#include "photos/PhotoRecords.h"
#include "photos/PhotoReduction.h"
#include "photos/QtPictures.h"
#include "server/Endpoints.h"
#include "ui/controls/AllKinds.h"

namespace {

std::string fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

// The FTP server of the photos from the section "Deployment" of the settings; nothing when none
// is set.
std::optional<FtpEndpoint> photoFtpEndpoint(const QString& settingsPath, bool proxied)
{
    auto value = [&](const char* key) {
        return toCp1252(QString::fromStdString(
            iniRead(settingsPath.toStdString(), "Deployment", key).value_or(std::string())));
    };
    return chooseFtpEndpoint({value("FtpHost"), value("FtpPort"), value("FtpUser"),
                              value("FtpPassword"), value("FtpRelay")},
                             proxied);
}

// The memo's line for an upload the web server did not record; the warning line's own
// "Exception : " is left out, the sentence says already that it failed.
QString uploadFailureText(QString warning)
{
    if (warning.startsWith(QStringLiteral("Exception : ")))
        warning.remove(0, 12);
    return QStringLiteral("Échec de l'envoi du cliché au serveur web : ") +
           (warning.isEmpty() ? QStringLiteral("le cliché n'a pas été enregistré.") : warning);
}

// Removes the files of an upload the server did not record; the memo's line that says so.
QString removeSentFiles(FtpSession& session, const QStringList& names)
{
    std::string failure;
    for (const QString& name : names)
        if (const std::string removal = session.remove(toCp1252(name)); failure.empty())
            failure = removal;
    return failure.empty()
               ? QStringLiteral("Les fichiers envoyés par FTP ont été supprimés du serveur.")
               : QStringLiteral("Les fichiers envoyés par FTP n'ont pas pu être supprimés du "
                                "serveur : ") +
                     QString::fromStdString(failure);
}

} // namespace

void TAxKelvaro::photoProgress(const QString& line)
{
    Memo->appendPlainText(line);
    WriteTrace(line);
    Memo->repaint();
}

void TAxKelvaro::photoFailure(const QString& line)
{
    photoProgress(line);
    setWarningText(line);
}

void TAxKelvaro::czCmdAssociateImageClick()
{
    ProcAssociateImage(false);
}

void TAxKelvaro::czCmdAssociateImageBlurClick()
{
    ProcAssociateImage(true);
}

void TAxKelvaro::ProcAssociateImage(bool blur)
{
    // The buttons stay enabled when the selection is cleared: without a file there is nothing to
    // do.
    if (cListImageSource->itemIndex() < 0 || !settlePendingChanges())
        return;
    const int item = cListImageSource->itemIndex();
    if (item < 0)
        return;
    ++MaxNumImage; // a stopped attempt still uses up its number
    std::string idVO;
    GetIdVO(true, idVO);
    if (idVO.empty())
        return;
    const QString name = photoName(UserConcession, fromCp1252(idVO), MaxNumImage);
    const QString photoFile = name + QStringLiteral(".jpg");
    const QString miniatureFile = miniatureName(photoFile);
    const QString stamp = insertTimeStamp(QDateTime::currentDateTime());
    const BusyCursor busy;

    const QString source = ImagePath + QLatin1Char('/') + cListImageSource->caption(item);
    if (!ReductionJPG(source, photoFile, !blur))
        return;
    if (blur) {
        const QString caption =
            QStringLiteral("Formulaire de Floutage pour la plaque minéralogique du ") +
            JvXPBtnNewVO->text() + QStringLiteral(" N°") + xcInfoNVO->text();
        DecodedJpeg reduced;
        runInBackground([&] { reduced = readJpegFile(TempFolder + QLatin1Char('/') + photoFile); });
        if (!reduced.ok()) {
            photoFailure(reduced.error);
            return;
        }
        QApplication::restoreOverrideCursor(); // the editor is worked with the normal cursor
        const BlurEditorOutcome outcome = runBlurEditor(this, caption, reduced.picture);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (!outcome.saveRequested)
            return; // the two files stay in TempFolder; nothing is sent
        if (!ReductionJPG(QString(), photoFile, true, &outcome.picture))
            return;
    }

    if (Uncertain == UncertainInsert::Photo && !confirmUncertainInsert())
        return;
    const std::string statement =
        photoInsertStatement(idVO, MaxNumImage, toCp1252(name), toCp1252(stamp));
    LbDebugInfo2->setText(fromCp1252(statement));
    const MultipartForm form =
        photoUploadForm(toCp1252(photoFile), fileBytes(TempFolder + QLatin1Char('/') + photoFile),
                        toCp1252(miniatureFile),
                        fileBytes(TempFolder + QLatin1Char('/') + miniatureFile), statement);
    const std::string reply = replyPath(replyfile::Insert);
    HttpPost(toCp1252(BaseHRef) + "AxInsert", reply, form);
    Uncertain = LastDelivery == Delivery::Unknown ? UncertainInsert::Photo : UncertainInsert::None;
    // A failed POST may leave the warning line empty: its reply then holds no new key.
    if (!LbDebugInfo0->text().isEmpty() || !insertedKey(fileBytes(QString::fromStdString(reply)))) {
        photoFailure(uploadFailureText(LbDebugInfo0->text()));
        const auto endpoint = photoFtpEndpoint(SettingsPath, !ProxyAddress.isEmpty());
        if (!endpoint)
            return; // nothing went by FTP
        if (LastDelivery == Delivery::Unknown) {
            // The server may have recorded the photo: its files must stay where it shows them.
            photoProgress(QStringLiteral("Le serveur n'a pas confirmé l'enregistrement : les "
                                         "fichiers envoyés par FTP sont conservés."));
            return;
        }
        FtpSession session(*endpoint);
        QString removed;
        runInBackground([&] { removed = removeSentFiles(session, {photoFile, miniatureFile}); });
        photoProgress(removed);
        return;
    }

    const int added = cListImageVO->addItem(name, {listTimeText(QDateTime::currentDateTime())});
    if (cListImageVO->itemCount() == 1)
        MaxNumImage = 1;
    if (MaxNumImage == 1) {
        cListImageVO->setSubItems(added, {cListImageVO->subItem(added, 0), QStringLiteral("***")});
        SetDefaultImageVO(name);
        if (LbDebugInfo0->text().isEmpty())
            UpdateView(false);
    }
}

bool TAxKelvaro::ReductionJPG(const QString& source, const QString& destination, bool transfer,
                              const RgbBitmap* blurred)
{
    Memo->clear();
    for (const QString& line : reductionOpeningLines(source, destination))
        photoProgress(line);

    ReducedPhoto reduced;
    if (source.isEmpty()) {
        runInBackground([&] { reduced = reducePhoto(*blurred, TempFolder, destination); });
    } else {
        DecodedJpeg decoded;
        runInBackground([&] { decoded = readJpegFile(source); });
        if (!decoded.ok()) {
            WriteTrace(decoded.error);
            photoFailure(refusedPhotoText(decoded, QFileInfo(source).fileName()));
            return false;
        }
        runInBackground([&] { reduced = reducePhoto(decoded.picture, TempFolder, destination); });
    }
    if (!reduced.ok()) {
        photoFailure(reduced.error);
        return false;
    }
    VOImage->setPicture(QPixmap::fromImage(toQImage(reduced.full)));
    if (!transfer)
        return true;

    const auto endpoint = photoFtpEndpoint(SettingsPath, !ProxyAddress.isEmpty());
    if (!endpoint) {
        // The upload to the web server carries the same files.
        photoFailure(QStringLiteral("Aucun serveur FTP n'est configuré : les photos partent "
                                    "seulement par le serveur web."));
        return true;
    }
    FtpSession session(*endpoint);
    const QString miniature = miniatureName(destination);
    std::string failure;
    runInBackground(
        [&] { failure = session.store(reduced.fullPath.toStdString(), toCp1252(destination)); });
    if (failure.empty()) {
        photoProgress(QStringLiteral("..."));
        runInBackground([&] {
            failure = session.store(reduced.miniaturePath.toStdString(), toCp1252(miniature));
            if (!failure.empty())
                session.remove(toCp1252(destination)); // no photo without its miniature
        });
    }
    if (!failure.empty()) {
        photoFailure(QStringLiteral("Échec du transfert FTP : ") + QString::fromStdString(failure));
        return false;
    }
    photoProgress(QStringLiteral("...Transfert Terminé."));
    return true;
}
