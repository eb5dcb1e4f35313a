#include "launcher/Refusal.h"

#include <cstdio>

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

namespace {
// A link opened from a browser has no terminal to write to: the user needs a window.
bool screenAvailable()
{
    if (qEnvironmentVariable("QT_QPA_PLATFORM") == "offscreen")
        return false;
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

// Installed in libexec/kelvaro beside bin/, or beside the launcher in the build folder.
QString dialogProgram()
{
    const QString here = QCoreApplication::applicationDirPath();
    for (const QString& candidate :
         {here + "/../libexec/kelvaro/kelvaro-link-refused", here + "/kelvaro-link-refused"})
        if (QFileInfo(candidate).isExecutable())
            return candidate;
    return {};
}
} // namespace

int reportRefusedLink(const std::string& reason)
{
    std::fprintf(stderr, "kelvaro-launch : lien refusé : %s\n", reason.c_str());
    if (screenAvailable()) {
        const QString program = dialogProgram();
        if (!program.isEmpty())
            QProcess::startDetached(program, {QString::fromStdString(reason)});
    }
    return 3;
}
