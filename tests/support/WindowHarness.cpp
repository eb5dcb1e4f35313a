#include "tests/support/WindowHarness.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include "app/IniFile.h"
#include "app/Paths.h"
#include "ui/TAxKelvaro.h"

WindowHarness::WindowHarness(const Options& options)
{
    isolateEnvironment(folder_);
    makeFolder(settingsFolder());
    std::map<std::string, std::string> all = {{"Trace", "1"}, {"TraceRepTemp", replyFolder()}};
    for (const auto& [key, value] : options)
        all[key] = value;
    for (const auto& [key, value] : all)
        iniWrite(SettingsFileName(), "Options", key, value);
    writeFile(replyFile("TAXKelvaro.log"), "");
    window_ = std::make_unique<TAxKelvaro>();
}

WindowHarness::~WindowHarness() = default;

std::string WindowHarness::settingsPath() const
{
    return SettingsFileName();
}

std::string WindowHarness::traceLog() const
{
    return readFile(replyFile("TAXKelvaro.log"));
}

void WindowHarness::processEventsFor(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}
