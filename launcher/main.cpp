// kelvaro-launch: writes start parameters into section "Options" of the settings file, then asks
// the running client to reload them, or starts the client when none runs. It is also the handler
// of the links "kelvaro:ouvrir?..." of the dealerships' web application.
#include <cstdio>

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "app/FileVersion.h"
#include "app/IniFile.h"
#include "app/Paths.h"
#include "app/SingleInstance.h"
#include "launcher/LaunchLink.h"
#include "launcher/LaunchOptions.h"
#include "launcher/Refusal.h"

namespace {

const char* kUsage =
    "Usage : kelvaro-launch [--set Clé=Valeur]... [--deploy Clé=Valeur]... [--reload]\n"
    "                       [--program CHEMIN]\n"
    "        kelvaro-launch 'kelvaro:ouvrir?Clé=Valeur&...'\n"
    "        kelvaro-launch\n"
    "  --set Clé=Valeur   écrit la clé dans la section \"Options\" du fichier de paramètres\n"
    "                     (répétable ; une valeur vide efface la valeur de la clé)\n"
    "  --deploy Clé=Valeur\n"
    "                     écrit la clé dans la section \"Deployment\" (répétable) : FtpHost,\n"
    "                     FtpPort, FtpUser, FtpPassword, FtpRelay, SmsGateway, SmsRecipient,\n"
    "                     DebugUserId, DebugUserName, AllowedServers\n"
    "  --reload           demande au client en cours de relire ses paramètres (message 1024),\n"
    "                     ou démarre le client s'il ne tourne pas\n"
    "  --program CHEMIN   le programme client à démarrer (par défaut : kelvaro à côté de ce\n"
    "                     programme, sinon la clé \"Application\", sinon kelvaro dans le PATH)\n"
    "  kelvaro:ouvrir?... un lien de l'application web : ses paramètres (HttpRoot, BaseHRef,\n"
    "                     idTVO, OCXName, OCXVersion, URLImages, idUser, UserConcession,\n"
    "                     UserSite, idClient, idTypeVO) sont vérifiés, écrits, puis le client\n"
    "                     recharge ou démarre, comme avec --set ... --reload\n"
    "  sans argument      amène le client en cours au premier plan, ou le démarre\n";

QString clientProgram(const std::string& given)
{
    if (!given.empty())
        return QString::fromStdString(given);
    const QString sibling = QCoreApplication::applicationDirPath() + "/kelvaro";
    if (QFileInfo(sibling).isExecutable())
        return sibling;
    const auto recorded = iniRead(SettingsFileName(), "Options", "Application");
    if (recorded && QFileInfo(QString::fromStdString(*recorded)).isExecutable())
        return QString::fromStdString(*recorded);
    return QStandardPaths::findExecutable("kelvaro");
}

bool writeSettings(const std::string& settings, const char* section, const LaunchSettings& pairs)
{
    for (const auto& [key, value] : pairs) {
        if (!iniWrite(settings, section, key, value)) {
            std::fprintf(stderr, "kelvaro-launch : impossible d'écrire %s dans %s\n", key.c_str(),
                         settings.c_str());
            return false;
        }
    }
    return true;
}

// Sends the message to the running client, or starts the client when none runs.
int reachClient(const char* message, const std::string& program)
{
    if (SingleInstance::send(message))
        return 0;
    const QString client = clientProgram(program);
    if (client.isEmpty() || !QProcess::startDetached(client, {})) {
        std::fprintf(stderr, "kelvaro-launch : impossible de démarrer le client %s\n",
                     client.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    std::string error;
    auto options = parseLaunchOptions(arguments, error);
    if (!options) {
        std::fprintf(stderr, "kelvaro-launch : %s\n%s", error.c_str(), kUsage);
        return 2;
    }
    if (options->help) {
        std::printf("kelvaro-launch %s\n%s", compiledFileVersion(), kUsage);
        return 0;
    }

    const std::string settings = SettingsFileName();
    makeSettingsFolder();
    if (!options->link.empty()) {
        // Nothing of a refused link is written.
        const auto accepted = acceptLaunchLink(options->link, settings, error);
        if (!accepted) {
            QCoreApplication application(argc, argv);
            return reportRefusedLink(error);
        }
        options->settings = *accepted;
    }

    QCoreApplication application(argc, argv);
    if (!writeSettings(settings, "Options", options->settings) ||
        !writeSettings(settings, "Deployment", options->deployment))
        return 1;
    if (options->open)
        return reachClient("raise", options->program);
    if (!options->reload)
        return 0;
    return reachClient("1024", options->program);
}
