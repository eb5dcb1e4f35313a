#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "server/RequestClient.h"
#include "server/TXml.h"

// The photos attached to a vehicle: what its record document says of them and the statements that
// change them on the server.

struct AttachedPhoto {
    QString name;   // "NomImage", without extension
    int number = 0; // "NumImage"; 0 when it is not a number
    QString date;   // "DateImage", shown as the server wrote it
};

struct AttachedPhotos {
    QString defaultName; // the vehicle's "NomImage"
    std::vector<AttachedPhoto> photos;
    int maxNumber = 0; // the highest "NumImage", 0 without photos
};

// From the record document of a vehicle (element "tVO", its "NomImage" and its "ImageS").
AttachedPhotos readAttachedPhotos(const TXml& recordDoc);

// "Update tVehicles set NomImage='N' where idVO=V"; NomImage=NULL for an empty name. The name is
// written as a statement literal, so a quote in it cannot end the text early.
std::string defaultPhotoStatement(std::string_view idVO, std::string_view name);
// "Delete * From [tVO - Liens Images] where idVO=V and NomImage='N'".
std::string photoDeletionStatement(std::string_view idVO, std::string_view name);
// The row recording an attached photo; the time stamp "yyyy-mm-dd hh:mm:ss".
std::string photoInsertStatement(std::string_view idVO, int number, std::string_view name,
                                 std::string_view stamp);
QString insertTimeStamp(const QDateTime& time);

// The default photo after a deletion: the first other photo of the list, in list order; empty
// when there is none.
QString nextDefaultPhoto(const QStringList& names, const QString& deleted);

// The multipart form of the upload to AxInsert, its seven parts in order: NFImage,
// XMLC_OutputFormat, SQLExecute, MAX_FILE_SIZE, File (the photo), NFImageMini, File (the
// miniature). File parts have the content type "file".
MultipartForm photoUploadForm(const std::string& photoFile, const std::string& photoBytes,
                              const std::string& miniatureFile, const std::string& miniatureBytes,
                              const std::string& statement);
