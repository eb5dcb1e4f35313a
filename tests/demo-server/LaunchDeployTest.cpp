// kelvaro-launch --deploy: the deployment settings the demo writes for the client.
#include <cstdlib>

#include <gtest/gtest.h>

#include "app/IniFile.h"
#include "app/Paths.h"
#include "launcher/LaunchOptions.h"
#include "tests/support/TempFolder.h"

namespace {

TEST(LaunchDeploy, ReadsEveryFormAndKeepsTheOrder)
{
    std::string error;
    const auto options = parseLaunchOptions({"--deploy", "FtpHost=127.0.0.1", "--set", "idTVO=1001",
                                             "--deploy=FtpPort=2121", "--deploy", "FtpRelay="},
                                            error);
    ASSERT_TRUE(options) << error;
    const std::vector<std::pair<std::string, std::string>> deployment = {
        {"FtpHost", "127.0.0.1"}, {"FtpPort", "2121"}, {"FtpRelay", ""}};
    EXPECT_EQ(options->deployment, deployment);
    EXPECT_EQ(options->settings,
              (std::vector<std::pair<std::string, std::string>>{{"idTVO", "1001"}}));
}

TEST(LaunchDeploy, RefusesUnknownKeysAndMissingValues)
{
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--deploy", "Password=x"}, "clé de déploiement inconnue « Password »"},
        {{"--deploy"}, "valeur manquante après --deploy"},
        {{"--deploy", "=x"}, "--deploy attend Clé=Valeur"},
        {{"--deploy=FtpHost"}, "--deploy attend Clé=Valeur"},
    };
    for (const auto& [arguments, message] : cases) {
        std::string error;
        EXPECT_FALSE(parseLaunchOptions(arguments, error));
        EXPECT_NE(error.find(message), std::string::npos) << error;
    }
}

TEST(LaunchDeploy, TheLauncherWritesTheDeploymentSection)
{
    TempFolder folder;
    isolateEnvironment(folder);
    const std::string command = std::string(DEMO_LAUNCHER_PROGRAM) +
                                " --set UserSite='CHARTRES;DREUX' --deploy "
                                "FtpUser=kelvaro --deploy SmsGateway=127.0.0.1:8080 --deploy "
                                "DebugUserName=MARTIN";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string settings = SettingsFileName();
    EXPECT_EQ(iniRead(settings, "Deployment", "FtpUser").value_or("?"), "kelvaro");
    EXPECT_EQ(iniRead(settings, "Deployment", "SmsGateway").value_or("?"), "127.0.0.1:8080");
    EXPECT_EQ(iniRead(settings, "Deployment", "DebugUserName").value_or("?"), "MARTIN");
    EXPECT_EQ(iniRead(settings, "Options", "UserSite").value_or("?"), "CHARTRES;DREUX");
    // Deployment keys never go into the launcher's section.
    EXPECT_FALSE(iniRead(settings, "Options", "FtpUser"));
}

} // namespace
