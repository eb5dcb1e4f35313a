// The file version compiled into a program, read back from its file and kept.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "app/FileVersion.h"
#include "tests/support/TempFolder.h"

namespace {

// A marker as a linked program carries it, assembled at run time so that this test program does
// not carry a second one itself.
std::string marker(const std::string& version)
{
    std::string text = "@(#)Kelvaro";
    text += "FileVersion ";
    return text + version + '\0';
}

TEST(FileVersion, FindsTheMarkerWhereverItIs)
{
    TempFolder folder;
    const std::string big(4 * 1024 * 1024, '\x90');
    struct Case {
        const char* name;
        std::string content;
        const char* version;
    } cases[] = {
        {"near-end", big + marker("2.3.4.5") + "tail", "2.3.4.5"},
        {"at-end", big + marker("12.0.1.7"), "12.0.1.7"},
        {"at-start", marker("3.0.0.1") + big, "3.0.0.1"},
        {"plain", big + "no marker here", ""},
        {"empty", "", ""},
        // A marker cut by the end of the file, or not ended by its zero, is not one.
        {"cut", big + marker("4.5.6.7").substr(0, 26), ""},
        {"unended", big + marker("4.5.6.7").substr(0, 30) + "x", ""},
        {"no-digits", marker("").substr(0, 23) + std::string(1, '\0'), ""},
        {"second-complete", marker("").substr(0, 23) + "x" + big + marker("5.6.7.8"), "5.6.7.8"},
    };
    for (const Case& c : cases) {
        const std::string path = folder.file(c.name);
        writeFile(path, c.content);
        EXPECT_EQ(GetFileVersion(path), c.version) << c.name;
    }
    EXPECT_EQ(GetFileVersion(folder.file("absent")), "");
    EXPECT_EQ(GetFileVersion(folder.path()), "");
    EXPECT_EQ(GetFileVersion(""), "");
    EXPECT_EQ(GetFileVersion("/proc/self/exe"), compiledFileVersion());
}

TEST(FileVersion, AKeptAnswerFollowsAChangedFile)
{
    namespace fs = std::filesystem;
    TempFolder folder;
    const std::string path = folder.file("component");
    writeFile(path, "MZ" + marker("1.2.3.4") + "rest");
    const auto written = fs::last_write_time(path);
    EXPECT_EQ(GetFileVersion(path), "1.2.3.4");

    // Same size, same time: the answer kept is given, the file is not read again.
    writeFile(path, "MZ" + marker("5.6.7.8") + "rest");
    fs::last_write_time(path, written);
    EXPECT_EQ(GetFileVersion(path), "1.2.3.4");
    // A new modification time: read again.
    fs::last_write_time(path, written + std::chrono::seconds(2));
    EXPECT_EQ(GetFileVersion(path), "5.6.7.8");
    // A new size at the same time: read again.
    writeFile(path, "MZ" + marker("10.11.12.13") + "rest");
    fs::last_write_time(path, written + std::chrono::seconds(2));
    EXPECT_EQ(GetFileVersion(path), "10.11.12.13");
    // Removed, then back without a marker.
    fs::remove(path);
    EXPECT_EQ(GetFileVersion(path), "");
    writeFile(path, "MZ plain");
    EXPECT_EQ(GetFileVersion(path), "");
}

} // namespace
