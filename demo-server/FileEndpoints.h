#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "demo-server/RequestHandlers.h"

// The endpoints that carry files: photos, the photo upload, reports, and the SMS gateway.

// A photo of the image folder as image/jpeg; a log item when there is none.
Reply photoReply(ServerContext& context, std::string_view fileName);

// The multipart insert of a photo: "SQLExecute" is executed as an insert; once it has recorded
// the photo N (its NomImage), the first "File" part is stored in the image folder as "N.jpg" and
// the second as "Nm.jpg", the names "NFImage" and "NFImageMini" must give. No other file is
// written.
Reply uploadReply(ServerContext& context, const std::vector<FormField>& fields);

// A PDF sheet (rptName, rptSelect), also kept in the PDF folder.
Reply reportReply(ServerContext& context, const std::string& name, const std::string& select);

// The SMS gateway: records "destinataire" and "texte" and answers the success phrase.
Reply smsReply(ServerContext& context, const std::vector<FormField>& fields);

// A Windows-1252 text of the client as UTF-8, the database's encoding.
std::string utf8FromClient(std::string_view cp1252);
