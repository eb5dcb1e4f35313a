#pragma once

#include <string>
#include <vector>

#include "tests/support/TempFolder.h"

// A script named xdg-open placed first on PATH for the life of the object: it records every
// address it is given, one a line, and opens nothing.
class RecordingOpener {
public:
    RecordingOpener();
    ~RecordingOpener();
    RecordingOpener(const RecordingOpener&) = delete;
    RecordingOpener& operator=(const RecordingOpener&) = delete;

    // The addresses received so far, waiting up to a few seconds for the expected count (the
    // opener runs detached).
    std::vector<std::string> addresses(size_t expected);
    void forget();
    // PATH holds only an empty folder: no opener can be found.
    void removeFromPath();

private:
    TempFolder folder_;
    std::string savedPath_;
};

// Text of page 1 of a PDF document, read with pdftotext after pdftoppm rendered the page; empty
// when either tool fails or the page renders as nothing.
std::string firstPageText(const std::string& pdf, const std::string& folder);
