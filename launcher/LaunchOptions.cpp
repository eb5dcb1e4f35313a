#include "launcher/LaunchOptions.h"

#include <algorithm>
#include <iterator>

#include "launcher/LaunchLink.h"
#include "launcher/ServerAddress.h"

const char* const kDeploymentKeys[10] = {
    "FtpHost",    "FtpPort",      "FtpUser",     "FtpPassword",   "FtpRelay",
    "SmsGateway", "SmsRecipient", "DebugUserId", "DebugUserName", "AllowedServers"};

namespace {

// "Key=Value" of --set and --deploy; nothing, with a French message, when it has no key.
std::optional<std::pair<std::string, std::string>>
keyValue(const std::string& option, const std::string& pair, std::string& error)
{
    const size_t eq = pair.find('=');
    if (eq == std::string::npos || eq == 0) {
        error = option + " attend Clé=Valeur, reçu « " + pair + " »";
        return std::nullopt;
    }
    return std::make_pair(pair.substr(0, eq), pair.substr(eq + 1));
}

bool isDeploymentKey(const std::string& key)
{
    return std::any_of(std::begin(kDeploymentKeys), std::end(kDeploymentKeys),
                       [&](const char* known) { return key == known; });
}

} // namespace

std::optional<LaunchOptions> parseLaunchOptions(const std::vector<std::string>& arguments,
                                                std::string& error)
{
    LaunchOptions options;
    options.open = arguments.empty();
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        auto nextValue = [&](const char* option) -> std::optional<std::string> {
            if (i + 1 >= arguments.size()) {
                error = std::string("valeur manquante après ") + option;
                return std::nullopt;
            }
            return arguments[++i];
        };
        // "--set Key=Value" or "--set=Key=Value", and the same for --deploy.
        const bool isSet = argument == "--set" || argument.rfind("--set=", 0) == 0;
        const bool isDeploy = argument == "--deploy" || argument.rfind("--deploy=", 0) == 0;
        if (isSet || isDeploy) {
            const std::string option = isSet ? "--set" : "--deploy";
            const auto pair = argument == option
                                  ? nextValue(option.c_str())
                                  : std::optional(argument.substr(option.size() + 1));
            if (!pair)
                return std::nullopt;
            const auto setting = keyValue(option, *pair, error);
            if (!setting)
                return std::nullopt;
            if (isDeploy && !isDeploymentKey(setting->first)) {
                error = "clé de déploiement inconnue « " + setting->first +
                        " » (FtpHost, FtpPort, FtpUser, FtpPassword, FtpRelay, SmsGateway, "
                        "SmsRecipient, DebugUserId, DebugUserName ou AllowedServers)";
                return std::nullopt;
            }
            std::string wrongServer;
            if (isDeploy && setting->first == "AllowedServers" &&
                !parseServerList(setting->second, wrongServer)) {
                error = "AllowedServers : " + wrongServer;
                return std::nullopt;
            }
            (isSet ? options.settings : options.deployment).push_back(*setting);
        } else if (argument == "--reload") {
            options.reload = true;
        } else if (argument == "--program") {
            const auto value = nextValue("--program");
            if (!value)
                return std::nullopt;
            options.program = *value;
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (isLaunchLink(argument) && options.link.empty()) {
            options.link = argument;
        } else {
            error = "option inconnue « " + argument + " »";
            return std::nullopt;
        }
    }
    // A link sets only what a web page may set: it comes alone, with at most the client to start.
    if (!options.link.empty() && (!options.settings.empty() || !options.deployment.empty())) {
        error = "un lien kelvaro: ne se combine ni avec --set ni avec --deploy";
        return std::nullopt;
    }
    if (!options.link.empty())
        options.reload = true;
    return options;
}
