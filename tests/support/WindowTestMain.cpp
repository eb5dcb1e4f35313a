// Window tests run the real widgets on the offscreen platform.
#include <cstdlib>
#include <filesystem>
#include <string>

#include <QApplication>
#include <gtest/gtest.h>

#include "ui/Fonts.h"
#include "ui/Translations.h"

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        const std::string runtime = (std::filesystem::temp_directory_path() /
                                     ("kelvaro-runtime-" + std::to_string(getuid())))
                                        .string();
        std::filesystem::create_directories(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    installFontSubstitutes();
    installFrenchTranslations();
    return RUN_ALL_TESTS();
}
