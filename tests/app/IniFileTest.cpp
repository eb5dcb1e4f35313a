#include <gtest/gtest.h>

#include <filesystem>

#include "app/IniFile.h"
#include "tests/support/TempFolder.h"

TEST(IniFile, ValuesSurviveByteForByte)
{
    TempFolder folder;
    const std::string path = folder.file("settings.ini");
    const std::string values[] = {
        "a;b;c",
        "1,5",
        "x=y=z",
        "\"quoted\"",
        "'single'",
        "  two leading blanks",
        "trailing blank ",
        "Évreux, Sébastien à l'œuvre",
        "Where (Site='Évreux') and (Prix > 100)",
        "",
        "#not a comment",
        "[not a section]",
    };
    int n = 0;
    for (const std::string& value : values) {
        const std::string key = "Key" + std::to_string(n++);
        ASSERT_TRUE(iniWrite(path, "Options", key, value));
    }
    n = 0;
    for (const std::string& value : values) {
        const auto read = iniRead(path, "Options", "Key" + std::to_string(n++));
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(*read, value);
    }
}

TEST(IniFile, KeepsOtherSectionsKeysAndLines)
{
    TempFolder folder;
    const std::string path = folder.file("settings.ini");
    writeFile(path, "; written by hand\n[Deployment]\nFtpHost=ftp.example\n\n[Options]\n"
                    "idTVO=12\nidUser=7\n[Other]\nidTVO=99\n");
    std::filesystem::permissions(path, std::filesystem::perms(0644));
    ASSERT_TRUE(iniWrite(path, "Options", "idTVO", "13"));
    ASSERT_TRUE(iniWrite(path, "Options", "BaseHRef", "http://h/"));
    ASSERT_TRUE(iniWrite(path, "New", "k", "v"));
    EXPECT_EQ(iniRead(path, "Options", "idTVO"), "13");
    EXPECT_EQ(iniRead(path, "Options", "idUser"), "7");
    EXPECT_EQ(iniRead(path, "Options", "BaseHRef"), "http://h/");
    EXPECT_EQ(iniRead(path, "Other", "idTVO"), "99");
    EXPECT_EQ(iniRead(path, "Deployment", "FtpHost"), "ftp.example");
    EXPECT_EQ(iniRead(path, "New", "k"), "v");
    const std::string text = readFile(path);
    EXPECT_NE(text.find("; written by hand\n"), std::string::npos);
    // The new key joins its own section, not the end of the file.
    EXPECT_LT(text.find("BaseHRef="), text.find("[Other]"));
    // It holds the FTP password: its owner's only, though the hand-written one was not.
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0600));
}

TEST(IniFile, NamesIgnoreCaseAndAbsentGivesNothing)
{
    TempFolder folder;
    const std::string path = folder.file("settings.ini");
    EXPECT_FALSE(iniRead(path, "Options", "idTVO").has_value());
    writeFile(path, "[options]\r\nIDTVO=5\r\n");
    EXPECT_EQ(iniRead(path, "Options", "idTVO"), "5");
    ASSERT_TRUE(iniWrite(path, "OPTIONS", "idtvo", "6"));
    EXPECT_EQ(iniRead(path, "Options", "idTVO"), "6");
    EXPECT_FALSE(iniRead(path, "Options", "idClient").has_value());
}

TEST(IniFile, RefusesLineBreaksAndUnwritableFolders)
{
    TempFolder folder;
    const std::string path = folder.file("settings.ini");
    EXPECT_FALSE(iniWrite(path, "Options", "k", "two\nlines"));
    EXPECT_FALSE(iniWrite(folder.file("missing/settings.ini"), "Options", "k", "v"));
    EXPECT_FALSE(iniRead(path, "Options", "k").has_value());
}
