#include "photos/PhotoRecords.h"

#include "app/Cp1252.h"
#include "app/Numbers.h"
#include "editing/Statements.h"

AttachedPhotos readAttachedPhotos(const TXml& recordDoc)
{
    AttachedPhotos attached;
    TXml cursor = recordDoc;
    XmlFind(cursor, "tVO");
    attached.defaultName = fromCp1252(XmlText(cursor, "NomImage"));
    XmlFind(cursor, "ImageS");
    while (XmlNext(cursor, "Image") > 0) {
        AttachedPhoto photo;
        photo.name = fromCp1252(XmlText(cursor, "NomImage"));
        photo.number = int(parseWholeNumber(XmlText(cursor, "NumImage")).value_or(0));
        photo.date = fromCp1252(XmlText(cursor, "DateImage"));
        attached.maxNumber = std::max(attached.maxNumber, photo.number);
        attached.photos.push_back(photo);
    }
    return attached;
}

std::string defaultPhotoStatement(std::string_view idVO, std::string_view name)
{
    return "Update tVehicles set NomImage=" + (name.empty() ? std::string("NULL") : SqlText(name)) +
           " where idVO=" + std::string(idVO);
}

std::string photoDeletionStatement(std::string_view idVO, std::string_view name)
{
    return "Delete * From [tVO - Liens Images] where idVO=" + std::string(idVO) +
           " and NomImage=" + SqlText(name);
}

std::string photoInsertStatement(std::string_view idVO, int number, std::string_view name,
                                 std::string_view stamp)
{
    return "INSERT INTO [tVO - Liens Images] (idImage, idVO, NumImage, NomImage, DateImage)"
           " VALUES (:NewID, " +
           std::string(idVO) + ", " + std::to_string(number) + ", '" + std::string(name) + "', '" +
           std::string(stamp) + "')";
}

QString insertTimeStamp(const QDateTime& time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString nextDefaultPhoto(const QStringList& names, const QString& deleted)
{
    for (const QString& name : names)
        if (name != deleted)
            return name;
    return {};
}

MultipartForm photoUploadForm(const std::string& photoFile, const std::string& photoBytes,
                              const std::string& miniatureFile, const std::string& miniatureBytes,
                              const std::string& statement)
{
    return {FormPart::field("NFImage", photoFile),
            FormPart::field("XMLC_OutputFormat", "XML"),
            FormPart::field("SQLExecute", statement),
            FormPart::field("MAX_FILE_SIZE", "4096000"),
            FormPart::file("File", photoFile, photoBytes, "file"),
            FormPart::field("NFImageMini", miniatureFile),
            FormPart::file("File", miniatureFile, miniatureBytes, "file")};
}
