// kelvaro-launch: writes start parameters into section "Options" of the settings file, then asks
// the running client to reload them, or starts the client when none runs.
#include <cstdio>

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "app/FileVersion.h"
#include "app/IniFile.h"
#include "app/Paths.h"
#include "app/SingleInstance.h"
#include "launcher/LaunchOptions.h"

namespace {

const char* kUsage =
    "Usage : kelvaro-launch [--set Clé=Valeur]... [--deploy Clé=Valeur]... [--reload]\n"
    "                       [--program CHEMIN]\n"
    "  --set Clé=Valeur   écrit la clé dans la section \"Options\" du fichier de paramètres\n"
    "                     (répétable ; une valeur vide efface la valeur de la clé)\n"
    "  --deploy Clé=Valeur\n"
    "                     écrit la clé dans la section \"Deployment\" (répétable) : FtpHost,\n"
    "                     FtpPort, FtpUser, FtpPassword, FtpRelay, SmsGateway, SmsRecipient,\n"
    "                     DebugUserId, DebugUserName\n"
    "  --reload           demande au client en cours de relire ses paramètres (message 1024),\n"
    "                     ou démarre le client s'il ne tourne pas\n"
    "  --program CHEMIN   le programme client à démarrer (par défaut : kelvaro à côté de ce\n"
    "                     programme, sinon la clé \"Application\", sinon kelvaro dans le PATH)\n";

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

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    std::string error;
    const auto options = parseLaunchOptions(arguments, error);
    if (!options) {
        std::fprintf(stderr, "kelvaro-launch : %s\n%s", error.c_str(), kUsage);
        return 2;
    }
    if (options->help) {
        std::printf("kelvaro-launch %s\n%s", compiledFileVersion(), kUsage);
        return 0;
    }

    const std::string settings = SettingsFileName();
    makeFolder(settingsFolder());
    const std::pair<const char*, const std::vector<std::pair<std::string, std::string>>*>
        sections[] = {{"Options", &options->settings}, {"Deployment", &options->deployment}};
    for (const auto& [section, pairs] : sections) {
        for (const auto& [key, value] : *pairs) {
            if (!iniWrite(settings, section, key, value)) {
                std::fprintf(stderr, "kelvaro-launch : impossible d'écrire %s dans %s\n",
                             key.c_str(), settings.c_str());
                return 1;
            }
        }
    }
    if (!options->reload)
        return 0;
    if (SingleInstance::send("1024"))
        return 0;

    const QString program = clientProgram(options->program);
    if (program.isEmpty() || !QProcess::startDetached(program, {})) {
        std::fprintf(stderr, "kelvaro-launch : impossible de démarrer le client %s\n",
                     program.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
