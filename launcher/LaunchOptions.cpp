#include "launcher/LaunchOptions.h"

std::optional<LaunchOptions> parseLaunchOptions(const std::vector<std::string>& arguments,
                                                std::string& error)
{
    LaunchOptions options;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        auto nextValue = [&](const char* option) -> std::optional<std::string> {
            if (i + 1 >= arguments.size()) {
                error = std::string("valeur manquante après ") + option;
                return std::nullopt;
            }
            return arguments[++i];
        };
        if (argument == "--set" || argument.rfind("--set=", 0) == 0) {
            std::string pair;
            if (argument == "--set") {
                const auto value = nextValue("--set");
                if (!value)
                    return std::nullopt;
                pair = *value;
            } else {
                pair = argument.substr(6);
            }
            const size_t eq = pair.find('=');
            if (eq == std::string::npos || eq == 0) {
                error = "--set attend Clé=Valeur, reçu « " + pair + " »";
                return std::nullopt;
            }
            options.settings.emplace_back(pair.substr(0, eq), pair.substr(eq + 1));
        } else if (argument == "--reload") {
            options.reload = true;
        } else if (argument == "--program") {
            const auto value = nextValue("--program");
            if (!value)
                return std::nullopt;
            options.program = *value;
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else {
            error = "option inconnue « " + argument + " »";
            return std::nullopt;
        }
    }
    return options;
}
