#include "launcher/LaunchLink.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iterator>

#include <QList>
#include <QString>
#include <QStringDecoder>

#include "app/Cp1252.h"
#include "app/IniFile.h"

const char* const kLinkKeys[11] = {"HttpRoot",   "BaseHRef",  "idTVO",   "OCXName",
                                   "OCXVersion", "URLImages", "idUser",  "UserConcession",
                                   "UserSite",   "idClient",  "idTypeVO"};
const char* const kLinkServerKeys[3] = {"HttpRoot", "BaseHRef", "URLImages"};

namespace {

constexpr std::string_view kScheme = "kelvaro:";
constexpr std::string_view kAction = "ouvrir";
constexpr size_t kMostValueBytes = 1000;

bool sameAscii(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return (x >= 'A' && x <= 'Z' ? char(x - 'A' + 'a') : x) ==
                      (y >= 'A' && y <= 'Z' ? char(y - 'A' + 'a') : y);
           });
}

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Text of a message: what cannot be shown (a control, a byte that is not UTF-8) becomes "?".
std::string shown(std::string_view bytes)
{
    QString text = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    for (QChar& c : text)
        if (isControl(c.unicode()) || c == QChar::ReplacementCharacter)
            c = '?';
    if (text.size() > 60)
        text = text.left(60) + QString::fromUtf8("…");
    return text.toStdString();
}

// "%hh" sequences to bytes and "+" to a blank, as a form's query is written.
std::optional<std::string> percentDecoded(std::string_view text, std::string& error)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out += ' ';
        } else if (text[i] != '%') {
            out += text[i];
        } else {
            const std::string_view digits = text.substr(i + 1, 2);
            unsigned byte = 0;
            const auto [end, failure] =
                std::from_chars(digits.data(), digits.data() + digits.size(), byte, 16);
            if (digits.size() != 2 || failure != std::errc() ||
                end != digits.data() + digits.size()) {
                error = "séquence « " + shown(text.substr(i, 3)) + " » invalide dans le lien";
                return std::nullopt;
            }
            out += char(byte);
            i += 2;
        }
    }
    return out;
}

// What makes a value unfit for the settings file and the client, or nothing.
std::optional<std::string> valueProblem(const std::string& key, const std::string& value)
{
    const std::string of = "la valeur du paramètre « " + key + " »";
    if (value.size() > kMostValueBytes)
        return of + " dépasse 1 000 octets";
    // Stateless: a sequence cut by the end is an error. An initial byte order mark is a character
    // of the value, not a mark to drop.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless |
                                                  QStringConverter::Flag::ConvertInitialBom);
    const QString text = utf8.decode(QByteArrayView(value.data(), qsizetype(value.size())));
    if (utf8.hasError())
        return of + " n'est pas un texte UTF-8 valide";
    const QList<uint> characters = text.toUcs4();
    if (std::any_of(characters.begin(), characters.end(),
                    [](uint c) { return isControl(char32_t(c)); }))
        return of + " contient un caractère de contrôle";
    if (fromCp1252(toCp1252(text)) == text)
        return std::nullopt;
    for (uint c : characters) {
        const QString one = QStringView(QChar::fromUcs4(char32_t(c))).toString();
        if (fromCp1252(toCp1252(one)) != one) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", c);
            return of + " contient le caractère « " + one.toStdString() + " » (" + code +
                   "), que le jeu de caractères Windows-1252 ne peut pas représenter";
        }
    }
    return of + " contient un caractère que le jeu de caractères Windows-1252 ne peut pas "
                "représenter";
}

bool isAsciiDigit(uint c)
{
    return c >= '0' && c <= '9';
}

bool isAsciiLetter(uint c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Every character is allowed and there are at most `most` of them.
bool madeOf(const QString& value, qsizetype most, bool (*allowed)(uint))
{
    const QList<uint> characters = value.toUcs4();
    return characters.size() <= most && std::all_of(characters.begin(), characters.end(), allowed);
}

bool isNameChar(uint c)
{
    return QChar::isLetter(char32_t(c)) || isAsciiDigit(c) || c == ' ' || c == '-' || c == '_';
}

// What a key other than an address may hold when a link sets it. Each value goes into a request
// URL or a statement as it is, so none may hold "&", "?", "#", "%", a quote or a control character.
struct ValueShape {
    const char* key;
    const char* description;
    bool (*fits)(const QString&);
};

constexpr const char* kRecordNumber = "un numéro de fiche (9 chiffres au plus, précédés d'un « - » "
                                      "pour une nouvelle fiche) ou vide";
constexpr const char* kWholeNumber = "un nombre entier de 9 chiffres au plus ou vide";

bool isRecordNumber(const QString& value)
{
    const QString digits = value.startsWith('-') ? value.mid(1) : value;
    return value.isEmpty() || (!digits.isEmpty() && madeOf(digits, 9, isAsciiDigit));
}

bool isWholeNumber(const QString& value)
{
    return madeOf(value, 9, isAsciiDigit);
}

const ValueShape kValueShapes[] = {
    {"idTVO", kRecordNumber, isRecordNumber},
    {"idClient", kRecordNumber, isRecordNumber},
    {"idUser", kWholeNumber, isWholeNumber},
    {"idTypeVO", kWholeNumber, isWholeNumber},
    {"UserConcession", "un nom (lettres, chiffres, blancs, « - » et « _ », 60 caractères au plus)",
     [](const QString& value) { return madeOf(value, 60, isNameChar); }},
    // The sites the user may edit: names, separated by ";" or ",".
    {"UserSite",
     "une liste de sites (lettres, chiffres, blancs, « - », « _ », « ; » et « , », 200 "
     "caractères au plus)",
     [](const QString& value) {
         return madeOf(value, 200, [](uint c) { return isNameChar(c) || c == ';' || c == ','; });
     }},
    // A file beside the client: no folder, no hidden file.
    {"OCXName",
     "un nom de fichier (lettres, chiffres, « . », « - » et « _ », 64 caractères au plus)",
     [](const QString& value) {
         return !value.startsWith('.') && madeOf(value, 64, [](uint c) {
             return isAsciiLetter(c) || isAsciiDigit(c) || c == '.' || c == '-' || c == '_';
         });
     }},
    {"OCXVersion", "un numéro de version (chiffres, « . », « , » et blancs, 32 caractères au plus)",
     [](const QString& value) {
         return madeOf(value, 32,
                       [](uint c) { return isAsciiDigit(c) || c == '.' || c == ',' || c == ' '; });
     }},
};

// The description of what the key may hold when the value does not fit it, or nothing.
std::optional<std::string> shapeProblem(const std::string& key, const std::string& value)
{
    for (const ValueShape& shape : kValueShapes)
        if (key == shape.key && !shape.fits(QString::fromStdString(value)))
            return "la valeur du paramètre « " + key + " », « " + shown(value) + " », n'est pas " +
                   shape.description;
    return std::nullopt;
}

bool isLinkKey(const std::string& key)
{
    return std::any_of(std::begin(kLinkKeys), std::end(kLinkKeys),
                       [&](const char* known) { return key == known; });
}

bool isServerKey(const std::string& key)
{
    return std::any_of(std::begin(kLinkServerKeys), std::end(kLinkServerKeys),
                       [&](const char* known) { return key == known; });
}

} // namespace

bool isLaunchLink(std::string_view argument)
{
    return argument.size() >= kScheme.size() &&
           sameAscii(argument.substr(0, kScheme.size()), kScheme);
}

std::optional<LaunchSettings> parseLaunchLink(std::string_view link, std::string& error)
{
    if (!isLaunchLink(link)) {
        error = "le lien doit commencer par « kelvaro:ouvrir »";
        return std::nullopt;
    }
    std::string_view rest = link.substr(kScheme.size());
    rest = rest.substr(0, rest.find('#'));
    const size_t question = rest.find('?');
    std::string_view action = rest.substr(0, question);
    const std::string_view query =
        question == std::string_view::npos ? std::string_view() : rest.substr(question + 1);
    // "kelvaro:ouvrir", and the forms "kelvaro://ouvrir" and "kelvaro://ouvrir/" of some pages.
    if (action.substr(0, 2) == "//")
        action.remove_prefix(2);
    if (!action.empty() && action.back() == '/')
        action.remove_suffix(1);
    if (!sameAscii(action, kAction)) {
        error = "action « " + shown(action) +
                " » inconnue : le lien attendu est kelvaro:ouvrir?Clé=Valeur&…";
        return std::nullopt;
    }

    LaunchSettings settings;
    size_t start = 0;
    while (start < query.size()) {
        size_t end = query.find('&', start);
        if (end == std::string_view::npos)
            end = query.size();
        const std::string_view item = query.substr(start, end - start);
        start = end + 1;
        if (item.empty())
            continue;
        const size_t eq = item.find('=');
        const auto key = percentDecoded(item.substr(0, eq), error);
        if (!key)
            return std::nullopt;
        const auto value = percentDecoded(
            eq == std::string_view::npos ? std::string_view() : item.substr(eq + 1), error);
        if (!value)
            return std::nullopt;
        if (key->empty()) {
            error = "le lien contient un paramètre sans nom";
            return std::nullopt;
        }
        if (!isLinkKey(*key)) {
            error = "le paramètre « " + shown(*key) + " » ne peut pas être modifié par un lien";
            return std::nullopt;
        }
        auto problem = valueProblem(*key, *value);
        if (!problem)
            problem = shapeProblem(*key, *value);
        if (problem) {
            error = *problem;
            return std::nullopt;
        }
        settings.emplace_back(*key, *value);
    }
    return settings;
}

bool linkServersAllowed(const LaunchSettings& settings, const std::vector<ServerAddress>& allowed,
                        std::string& error)
{
    for (const auto& [key, value] : settings) {
        // An empty address points at no server.
        if (!isServerKey(key) || value.empty())
            continue;
        // The client appends its requests to the address: one allowed folder, nothing more.
        const auto address = serverOf(value, false);
        if (!address) {
            error = "la valeur du paramètre « " + key + " », « " + shown(value) +
                    " », n'est pas une adresse de serveur (schéma://serveur[:port]/chemin/, sans "
                    "requête ni caractère encodé)";
            return false;
        }
        if (std::find(allowed.begin(), allowed.end(), *address) == allowed.end()) {
            error = "l'adresse « " + address->text() + " » du paramètre « " + key +
                    " » n'est pas autorisée (liste AllowedServers de la section Deployment)";
            return false;
        }
    }
    return true;
}

std::optional<std::vector<ServerAddress>> allowedServers(const std::string& settingsPath,
                                                         std::string& error)
{
    const std::string list = iniRead(settingsPath, "Deployment", "AllowedServers").value_or("");
    if (list.find_first_not_of(";, \t") != std::string::npos) {
        std::string wrong;
        auto servers = parseServerList(list, wrong);
        if (!servers)
            error = "la liste AllowedServers de la section Deployment est fausse : " + wrong;
        return servers;
    }
    std::vector<ServerAddress> servers;
    for (const char* key : kLinkServerKeys) {
        const auto value = iniRead(settingsPath, "Options", key);
        if (const auto server = value ? serverOf(*value, false) : std::nullopt)
            servers.push_back(*server);
    }
    return servers;
}

std::optional<LaunchSettings> acceptLaunchLink(std::string_view link,
                                               const std::string& settingsPath, std::string& error)
{
    auto settings = parseLaunchLink(link, error);
    if (!settings)
        return std::nullopt;
    const auto allowed = allowedServers(settingsPath, error);
    if (!allowed || !linkServersAllowed(*settings, *allowed, error))
        return std::nullopt;
    return settings;
}
