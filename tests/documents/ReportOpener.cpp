#include "tests/documents/ReportOpener.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include <QDeadlineTimer>
#include <QImage>
#include <QProcess>
#include <QTest>

namespace fs = std::filesystem;

RecordingOpener::RecordingOpener()
{
    const char* path = std::getenv("PATH");
    savedPath_ = path ? path : "";
    fs::create_directories(folder_.file("bin"));
    const std::string script = folder_.file("bin/xdg-open");
    writeFile(script, "#!/bin/sh\nprintf '%s\\n' \"$*\" >> '" + folder_.file("opened.txt") + "'\n");
    fs::permissions(script, fs::perms::owner_all);
    setenv("PATH", (folder_.file("bin") + ":" + savedPath_).c_str(), 1);
}

RecordingOpener::~RecordingOpener()
{
    setenv("PATH", savedPath_.c_str(), 1);
}

std::vector<std::string> RecordingOpener::addresses(size_t expected)
{
    std::vector<std::string> lines;
    auto read = [&] {
        lines.clear();
        std::istringstream in(readFile(folder_.file("opened.txt")));
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines.size() >= expected;
    };
    // The caller compares what arrived with what it expected.
    static_cast<void>(QTest::qWaitFor(read, 5000));
    return lines;
}

void RecordingOpener::forget()
{
    fs::remove(folder_.file("opened.txt"));
}

void RecordingOpener::removeFromPath()
{
    fs::create_directories(folder_.file("empty"));
    setenv("PATH", folder_.file("empty").c_str(), 1);
}

std::string firstPageText(const std::string& pdf, const std::string& folder)
{
    const QString input = QString::fromStdString(folder + "/report.pdf");
    const QString picture = QString::fromStdString(folder + "/page");
    const QString text = QString::fromStdString(folder + "/page.txt");
    writeFile(input.toStdString(), pdf);
    if (QProcess::execute("/usr/bin/pdftoppm", {"-f", "1", "-l", "1", "-r", "40", "-png",
                                                "-singlefile", input, picture}) != 0 ||
        QProcess::execute("/usr/bin/pdftotext",
                          {"-f", "1", "-l", "1", "-enc", "UTF-8", input, text}) != 0)
        return {};
    // An A4 page at 40 dots per inch (331 x 468), with ink on at least one pixel in a hundred.
    const QImage page = QImage(picture + ".png").convertToFormat(QImage::Format_Grayscale8);
    if (page.width() < 300 || page.height() < 400)
        return {};
    long inked = 0;
    for (int y = 0; y < page.height(); ++y) {
        const uchar* row = page.constScanLine(y);
        for (int x = 0; x < page.width(); ++x)
            inked += row[x] < 200;
    }
    if (inked * 100 < long(page.width()) * page.height())
        return {};
    return readFile(text.toStdString());
}
