#pragma once

#include <map>
#include <memory>
#include <string>

#include "tests/support/TempFolder.h"

class TAxKelvaro;

// A main window on the offscreen platform with its own settings folder and reply folder. The
// settings given are written into section "Options" before the window starts; tracing is on and
// the log exists, so every trace line is kept.
class WindowHarness {
public:
    using Options = std::map<std::string, std::string>;
    explicit WindowHarness(const Options& options = {});
    ~WindowHarness();

    TAxKelvaro& window() { return *window_; }
    const TempFolder& folder() const { return folder_; }
    std::string settingsPath() const;
    std::string replyFolder() const { return folder_.file("tmp"); }
    std::string replyFile(const std::string& name) const { return replyFolder() + "/" + name; }
    std::string traceLog() const;
    // Runs the event loop for a while (timer ticks, queued work).
    static void processEventsFor(int milliseconds);

private:
    TempFolder folder_;
    std::unique_ptr<TAxKelvaro> window_;
};
