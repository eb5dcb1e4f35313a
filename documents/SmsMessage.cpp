#include "documents/SmsMessage.h"

namespace {
constexpr size_t kMaxLatin1Bytes = 1024;
constexpr std::string_view kSuccessPhrase = "telephonySmsSend successfull";
} // namespace

std::string Latin1CharToUtf8(unsigned char byte)
{
    if (byte < 128)
        return std::string(1, char(byte));
    return {char(192 + byte / 64), char(128 + byte % 64)};
}

std::string Latin1ToUtf8(std::string_view text)
{
    std::string out;
    if (text.size() >= kMaxLatin1Bytes)
        return out;
    out.reserve(text.size() * 2);
    for (const char c : text)
        out += Latin1CharToUtf8(static_cast<unsigned char>(c));
    return out;
}

MultipartForm smsForm(std::string_view recipient, std::string_view site, std::string_view identity)
{
    std::string message = "de Bresman ";
    message += site;
    message += ",\r\n\r\npour un test d'envoi \xE0 ";
    message += identity;
    return {FormPart::field("destinataire", std::string(recipient)),
            FormPart::field("texte", Latin1ToUtf8(message))};
}

std::string smsWarning(std::string_view reply)
{
    if (reply.find(kSuccessPhrase) != std::string_view::npos)
        return {};
    return std::string(reply);
}
