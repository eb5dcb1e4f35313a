#include "demo-server/ServerOptions.h"

#include <charconv>
#include <cstdlib>

const char* const kServerUsage =
    "Usage : kelvaro-demo-server [--port N] [--data DOSSIER]\n"
    "  --port N        port d'écoute sur 127.0.0.1 (0, par défaut : un port libre, écrit sur la\n"
    "                  sortie standard sous la forme « port N »)\n"
    "  --data DOSSIER  dossier des données : base SQLite, photos (www/voimages), rapports PDF,\n"
    "                  clichés d'exemple ; créé et rempli au premier démarrage, conservé ensuite\n"
    "                  (par défaut : ~/.local/share/kelvaro-demo)\n";

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
        if (argument == "--port") {
            if (!takeValue())
                return std::nullopt;
            int port = -1;
            const auto [end, failure] =
                std::from_chars(value.data(), value.data() + value.size(), port);
            if (value.empty() || failure != std::errc() || end != value.data() + value.size() ||
                port < 0 || port > 65535) {
                error = "port invalide « " + value + " » (attendu un nombre de 0 à 65535)";
                return std::nullopt;
            }
            options.port = port;
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
