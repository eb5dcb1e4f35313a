#pragma once

#include <memory>
#include <string>

#include "tests/demo-server/DemoServerProcess.h"
#include "tests/support/WindowHarness.h"

class TAxKelvaro;

// The real window against the real demo server: the start parameters of a user with every right
// of the first dealership, the timer stopped so that the test decides when records load.
class DemoWindow {
public:
    explicit DemoWindow(const WindowHarness::Options& options = {},
                        const std::string& dataFolder = {});
    ~DemoWindow();

    TAxKelvaro& window() { return harness_->window(); }
    DemoServerProcess& server() { return *server_; }
    WindowHarness& harness() { return *harness_; }
    // Writes the keys into the settings file and sends the reload message, as the launcher does.
    void open(const WindowHarness::Options& keys);

private:
    std::unique_ptr<DemoServerProcess> server_;
    std::unique_ptr<WindowHarness> harness_;
};
