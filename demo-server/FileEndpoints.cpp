#include "demo-server/FileEndpoints.h"

#include <cctype>
#include <filesystem>
#include <fstream>

#include <QDateTime>
#include <QImage>
#include <QString>

#include "app/Cp1252.h"
#include "demo-server/ClientStatements.h"
#include "demo-server/GuiThread.h"
#include "demo-server/ReportPdf.h"
#include "demo-server/StatementReplies.h"

namespace fs = std::filesystem;

namespace {

const FormField* field(const std::vector<FormField>& fields, std::string_view name, int nth = 0)
{
    for (const FormField& candidate : fields) {
        if (candidate.name == name && nth-- == 0)
            return &candidate;
    }
    return nullptr;
}

Reply logItem(const std::string& message)
{
    return Reply{logItemsDocument(message), kXmlContentType, {}};
}

std::string safeFileName(const std::string& text)
{
    std::string name;
    for (char c : text)
        name += std::isalnum(static_cast<unsigned char>(c)) || c == '-' ? c : '_';
    return name;
}

} // namespace

std::string utf8FromClient(std::string_view cp1252)
{
    return fromCp1252(cp1252).toUtf8().toStdString();
}

Reply photoReply(ServerContext& context, std::string_view fileName)
{
    const auto bytes = context.photos.read(fileName);
    if (!bytes)
        return logItem("Photo introuvable : « " + std::string(fileName) + " ».");
    return Reply{*bytes, "image/jpeg", {}};
}

Reply uploadReply(ServerContext& context, const std::vector<FormField>& fields)
{
    const FormField* photoName = field(fields, "NFImage");
    const FormField* miniName = field(fields, "NFImageMini");
    const FormField* statement = field(fields, "SQLExecute");
    const FormField* photo = field(fields, "File", 0);
    const FormField* mini = field(fields, "File", 1);
    if (!statement)
        return logItem("Envoi de photo incomplet : le champ SQLExecute manque.");
    if (!photoName || !photo || !miniName || !mini)
        return logItem("Envoi de photo incomplet : il faut NFImage, NFImageMini et deux parties "
                       "File.");
    for (const FormField* name : {photoName, miniName}) {
        if (!isPlainPhotoName(name->content))
            return logItem("Nom de photo refusé : « " + name->content +
                           " » (lettres, chiffres, tirets, terminé par .jpg).");
    }
    // The statement runs first: one refused or failed leaves the image folder as it was.
    const ChangeResult result = runClientChange(context.store, utf8FromClient(statement->content));
    // The files kept are those of the photo the statement recorded: "N.jpg" and "Nm.jpg".
    const auto recorded = result.inserted.find("NomImage");
    const std::string name =
        recorded != result.inserted.end() ? recorded->second.value_or("") : std::string();
    const std::pair<const FormField*, std::string> expected[] = {{photoName, name + ".jpg"},
                                                                 {miniName, name + "m.jpg"}};
    for (const auto& [fileName, recordedName] : expected) {
        if (name.empty() || fileName->content != recordedName)
            return logItem("Fichier de photo refusé : « " + fileName->content +
                           " » n'est pas un nom de photo que l'instruction enregistre.");
    }
    if (!context.photos.write(photoName->content, photo->content) ||
        !context.photos.write(miniName->content, mini->content))
        return logItem("Impossible d'enregistrer la photo dans " + context.photos.folder() + ".");
    return Reply{changeReplyDocument(result), kXmlContentType, {}};
}

Reply reportReply(ServerContext& context, const std::string& name, const std::string& select)
{
    ReportPage page;
    {
        auto session = context.store.session();
        page = buildReport(session.db(), name, select);
    }
    std::string photoBytes;
    if (!page.photoFile.empty())
        photoBytes = context.photos.read(page.photoFile).value_or("");
    QByteArray pdf;
    runOnGuiThread([&] {
        const QImage photo = QImage::fromData(reinterpret_cast<const uchar*>(photoBytes.data()),
                                              int(photoBytes.size()), "JPEG");
        pdf = renderReportPdf(page, photo);
    });
    const std::string fileName = safeFileName(name + "-" + select) + ".pdf";
    std::error_code ignored;
    fs::create_directories(context.pdfFolder, ignored);
    std::ofstream(fs::path(context.pdfFolder) / fileName, std::ios::binary | std::ios::trunc)
        .write(pdf.constData(), pdf.size());
    return Reply{pdf.toStdString(), "application/pdf", fileName};
}

Reply smsReply(ServerContext& context, const std::vector<FormField>& fields)
{
    const FormField* recipient = field(fields, "destinataire");
    const FormField* text = field(fields, "texte");
    if (!recipient || recipient->content.empty())
        return logItem("SMS refusé : le destinataire manque.");
    {
        auto session = context.store.session();
        Statement insert(
            session.db(),
            "INSERT INTO tSmsMessages (DateEnvoi, destinataire, texte) VALUES (?1, ?2, ?3)");
        insert.bind(1, QDateTime::currentDateTime().toString("yyyy-MM-dd hh:mm:ss").toStdString());
        insert.bind(2, recipient->content);
        insert.bind(3, text ? text->content : std::string());
        insert.step();
    }
    XmlOut out;
    out.open("document");
    out.element("Result", kSmsSuccess);
    out.close("document");
    return Reply{out.windows1252(), kXmlContentType, {}};
}
