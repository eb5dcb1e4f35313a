#pragma once

#include <functional>

// Qt paints photos and PDF files on the application's own thread; request threads hand such work
// over and wait for it. Called on that thread, the work runs at once.
void runOnGuiThread(const std::function<void()>& work);
