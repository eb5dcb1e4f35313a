#include "tests/view/DemoWindow.h"

#include <QTimer>

#include "app/IniFile.h"
#include "ui/TAxKelvaro.h"

DemoWindow::DemoWindow(const WindowHarness::Options& options, const std::string& dataFolder)
    : server_(std::make_unique<DemoServerProcess>(dataFolder))
{
    WindowHarness::Options all = {{"HttpRoot", server_->baseUrl()},
                                  {"BaseHRef", server_->baseUrl()},
                                  {"URLImages", server_->imageUrl()},
                                  {"OCXName", "kelvaro"},
                                  {"OCXVersion", "1,0,0,0"},
                                  {"idUser", "1000001"},
                                  {"UserConcession", "BRESMAN"},
                                  {"UserSite", "CHARTRES;DREUX;EVREUX"},
                                  {"idTypeVO", "1"},
                                  {"idTVO", ""},
                                  {"idClient", ""}};
    for (const auto& [key, value] : options)
        all[key] = value;
    harness_ = std::make_unique<WindowHarness>(all);
    window().Timer1->stop();
}

DemoWindow::~DemoWindow() = default;

void DemoWindow::open(const WindowHarness::Options& keys)
{
    for (const auto& [key, value] : keys)
        iniWrite(harness_->settingsPath(), "Options", key, value);
    window().OnMsgActualize();
}
