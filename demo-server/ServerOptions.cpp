#include "demo-server/ServerOptions.h"

#include <charconv>
#include <cstdlib>

#include "demo-server/GrownData.h"

namespace {

// A whole number from minimum to maximum; nothing when the text is anything else.
std::optional<long long> boundedNumber(const std::string& text, long long minimum,
                                       long long maximum)
{
    long long number = 0;
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || failure != std::errc() || end != text.data() + text.size() ||
        number < minimum || number > maximum)
        return std::nullopt;
    return number;
}

} // namespace

const char* const kServerUsage =
    "Usage : kelvaro-demo-server [--port N] [--data DOSSIER] [--grow N] [--statement-ms N]\n"
    "                           [--reply-bytes N] [--request-ms N] [--connections N]\n"
    "  --port N        port d'écoute sur 127.0.0.1 (0, par défaut : un port libre, écrit sur la\n"
    "                  sortie standard sous la forme « port N »)\n"
    "  --data DOSSIER  dossier des données : base SQLite, photos (www/voimages), rapports PDF,\n"
    "                  clichés d'exemple ; créé et rempli au premier démarrage, conservé ensuite\n"
    "                  (par défaut : ~/.local/share/kelvaro-demo)\n"
    "  --grow N        porte la base à N véhicules et N clients générés en plus des exemples\n"
    "                  (une fois : le nombre est gardé dans la base ; de 0 à 1000000)\n"
    "  --statement-ms N  durée permise d'une instruction du client, en millisecondes (2000)\n"
    "  --reply-bytes N   taille permise d'une réponse, en octets (20 Mo)\n"
    "  --request-ms N    temps permis à un client pour envoyer sa requête, en millisecondes\n"
    "                    (10000)\n"
    "  --connections N   connexions servies à la fois (64)\n";

std::string defaultDataFolder()
{
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data)
        return std::string(data) + "/kelvaro-demo";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : ".") + "/.local/share/kelvaro-demo";
}

std::optional<ServerOptions> parseServerOptions(const std::vector<std::string>& arguments,
                                                std::string& error)
{
    ServerOptions options;
    options.dataFolder = defaultDataFolder();
    for (size_t i = 0; i < arguments.size(); ++i) {
        std::string argument = arguments[i];
        std::string value;
        bool hasValue = false;
        if (const size_t eq = argument.find('=');
            argument.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = argument.substr(eq + 1);
            argument = argument.substr(0, eq);
            hasValue = true;
        }
        auto takeValue = [&]() -> bool {
            if (hasValue)
                return true;
            if (i + 1 >= arguments.size()) {
                error = "valeur manquante après " + argument;
                return false;
            }
            value = arguments[++i];
            return true;
        };
        // A numeric option: its value from minimum to maximum, or a French error.
        auto takeNumber = [&](long long minimum, long long maximum) -> std::optional<long long> {
            if (!takeValue())
                return std::nullopt;
            const auto number = boundedNumber(value, minimum, maximum);
            if (!number)
                error = argument + " : valeur invalide « " + value + " » (attendu un nombre de " +
                        std::to_string(minimum) + " à " + std::to_string(maximum) + ")";
            return number;
        };
        if (argument == "--port") {
            if (!takeValue())
                return std::nullopt;
            const auto port = boundedNumber(value, 0, 65535);
            if (!port) {
                error = "port invalide « " + value + " » (attendu un nombre de 0 à 65535)";
                return std::nullopt;
            }
            options.port = int(*port);
        } else if (argument == "--statement-ms" || argument == "--request-ms") {
            const auto ms = takeNumber(1, 3600 * 1000);
            if (!ms)
                return std::nullopt;
            (argument == "--statement-ms" ? options.limits.statementTime
                                          : options.limits.requestTime) =
                std::chrono::milliseconds(*ms);
        } else if (argument == "--reply-bytes") {
            const auto bytes = takeNumber(1, 1LL << 32);
            if (!bytes)
                return std::nullopt;
            options.limits.replyBytes = size_t(*bytes);
        } else if (argument == "--connections") {
            const auto count = takeNumber(1, 1024);
            if (!count)
                return std::nullopt;
            options.limits.connections = int(*count);
        } else if (argument == "--grow") {
            const auto figure = takeNumber(0, kMaxGrowth);
            if (!figure)
                return std::nullopt;
            options.grow = *figure;
        } else if (argument == "--data") {
            if (!takeValue())
                return std::nullopt;
            if (value.empty()) {
                error = "--data attend un dossier";
                return std::nullopt;
            }
            options.dataFolder = value;
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else {
            error = "option inconnue « " + arguments[i] + " »";
            return std::nullopt;
        }
    }
    return options;
}
