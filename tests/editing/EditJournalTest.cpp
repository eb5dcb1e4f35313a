// The journal of unsaved edits: its text read back whole, a damaged file refused, the file
// written whole and readable by the user only, and offered only to its user on its server.
#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "editing/EditJournal.h"
#include "tests/support/TempFolder.h"

TEST(EditJournal, TheTextReadsBackAndAnyDamageIsRefused)
{
    EditJournal journal{"VO", "1003", 0, 1765339200, {}};
    journal.fields = {{1, "PrixVente", "27777.00"},
                      {1, "Commentaires", "Ligne 1\r\nTab\there \\ fin"},
                      {7, "CliNom", "O'NEIL \xE9"},
                      {5, "Libelle", "Pare-brise", "nouvelle"}};
    const std::string text = journalText(journal);
    const auto back = parseJournal(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->kind, "VO");
    EXPECT_EQ(back->id, "1003");
    EXPECT_EQ(back->written, 1765339200);
    ASSERT_EQ(back->fields.size(), 4u);
    EXPECT_EQ(back->fields[1].value, "Ligne 1\r\nTab\there \\ fin");
    EXPECT_EQ(back->fields[2].entry, 7);
    EXPECT_EQ(back->fields[2].line, "");
    EXPECT_EQ(back->fields[3].line, "nouvelle");
    EXPECT_EQ(back->fields[3].value, "Pare-brise");

    const std::string damaged[] = {
        "",
        text.substr(0, text.size() / 2), // cut by a power failure
        text.substr(0, text.size() - 4), // the end mark missing
        "Journal Saisie des Fiches 1\nkind\tVO\nid\t../x\nstarted\t0\nwritten\t1\nfin\n",
        "Journal Saisie des Fiches "
        "1\nkind\tVO\nid\t1\nstarted\t0\nwritten\t1\nfield\t12\tA\tB\nfin\n",
        "Journal Saisie des Fiches 1\nkind\tVO\nid\t1\nstarted\t0\nwritten\tx\nfin\n",
        "Journal Saisie des Fiches "
        "1\nkind\tVO\nid\t1\nstarted\t0\nwritten\t1\nfield\t1\tA\tB\\\nfin\n",
        "Journal Saisie des Fiches "
        "1\nkind\tVO\nid\t1\nstarted\t0\nwritten\t1\ncell\t5\t\tA\tB\nfin\n", // a line without key
    };
    for (const std::string& bad : damaged)
        EXPECT_FALSE(parseJournal(bad)) << bad;
}

TEST(EditJournal, FileNamesFollowTheRecordAndRefuseOddIdentifiers)
{
    const std::string owner = "journal-dfb45e5cde9949e2-"; // user "12" on "http://srv/"
    EXPECT_EQ(journalFileName({"VO", "1003", 0, 0, {}, "12", "http://srv/"}),
              owner + "VO-1003.txt");
    EXPECT_EQ(journalFileName({"CL", "", 17653, 0, {}, "12", "http://srv/"}),
              owner + "CL-nouveau-17653.txt");
    EXPECT_EQ(journalFileName({"CL", "-1", 5}), "");
    EXPECT_EQ(journalFileName({"VO", "../1", 0}), "");
    EXPECT_EQ(journalFileName({"", "1", 0}), "");
}

TEST(EditJournal, TheFileIsWrittenWholeForItsUserOnly)
{
    TempFolder folder;
    const std::string path = folder.file("journal-VO-1003.txt");
    const std::string text = journalText({"VO", "1003", 0, 1, {{1, "Km", "12000"}}});
    ASSERT_TRUE(writeJournalFile(path, text));
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), text);
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    EXPECT_EQ(journalFiles(folder.path()), std::vector<std::string>{path});
    const std::string aside = setJournalAside(path);
    EXPECT_EQ(aside, path + ".endommage");
    EXPECT_TRUE(journalFiles(folder.path()).empty());
    EXPECT_FALSE(writeJournalFile(folder.file("absent/journal-VO-1.txt"), text));
}

TEST(EditJournal, GridLinesAreKeptByKeyAndFoundAgain)
{
    std::vector<TsLine> lines(4);
    for (TsLine& line : lines) {
        line.Cells[1].FieldName = "idFrevo";
        line.Cells[3].FieldName = "LibelleFrevo";
    }
    auto edit = [&](size_t position, const char* key, const char* statement) {
        lines[position].Cells[1].OrgValue = lines[position].Cells[1].Value = key;
        lines[position].Cells[3].Value = "Pare-brise";
        lines[position].Statement = statement;
    };
    edit(1, "9011", "Delete * from [tVO - Frevo] where (idFrevo=9011)"); // no edit to keep
    edit(2, "9012", "Update [tVO - Frevo] set LibelleFrevo='Pare-brise' where (idFrevo=9012)");
    edit(3, "", "Insert into [tVO - Frevo] (LibelleFrevo) Values ('Pare-brise')");
    const NewLineTest added = [](size_t position) { return position == 3; };
    const std::vector<JournalField> kept = lineJournalFields(5, lines, added);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].line, "9012");
    EXPECT_EQ(kept[0].name, "LibelleFrevo");
    EXPECT_EQ(kept[1].line, kJournalNewLine);
    EXPECT_EQ(journalLinePosition(lines, added, "9012"), 2u);
    EXPECT_EQ(journalLinePosition(lines, added, kJournalNewLine), 3u);
    EXPECT_EQ(journalLinePosition(lines, added, "9099"), 0u); // deleted meanwhile
}

TEST(EditJournal, OnlyASmallPlainJournalOfThisUserAndServerIsOffered)
{
    const std::string user = "12", server = "http://127.0.0.1:8080/";
    auto journal = [](std::string who, std::string where, size_t count, size_t size = 5) {
        const std::vector<JournalField> fields(count, {1, "Champ", std::string(size, 'x')});
        return EditJournal{"VO", "1003", 0, 1, fields, who, where};
    };
    const std::string mine = journalFileName(journal(user, server, 1));
    const EditJournal other = journal("13", server, 1), elsewhere = journal(user, "http://b/", 1);
    ASSERT_NE(journalFileName(other), mine); // each keeps a file of their own
    const std::string text = journalText(journal(user, server, 1));
    using enum JournalFound;
    const struct {
        const char* what;
        std::string name, content;
        JournalFound found;
        int listed = 0; // lines of the box
    } cases[] = {
        {"regular", mine, text, Offered, 1},
        {"FIFO", mine, "", Refused},
        {"link to /dev/zero", mine, "", Refused},
        {"too big", mine, journalText(journal(user, server, 1, 1 << 20)), Refused},
        {"cut", mine, text.substr(0, 40), Damaged},
        {"other user", journalFileName(other), journalText(other), Foreign},
        {"other server", journalFileName(elsewhere), journalText(elsewhere), Foreign},
        {"other user's, renamed", mine, journalText(other), Foreign},
        {"20 000 lines", mine, journalText(journal(user, server, 20000)), Offered, 31},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const std::string path = folder.file(c.name);
        if (c.what == std::string("FIFO"))
            ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
        else if (c.content.empty())
            ASSERT_EQ(symlink("/dev/zero", path.c_str()), 0);
        else
            writeFile(path, c.content);
        const FoundJournal found = readJournal(path, user, server);
        EXPECT_EQ(found.found, c.found);
        QStringList values;
        for (const JournalField& field : found.journal.fields)
            values << QString::fromStdString(field.name + " : " + field.value);
        EXPECT_EQ(listedLines(values).count('\n'), c.listed);
        EXPECT_EQ(listedLines(values).endsWith("\n… et 19970 autres"), c.listed == 31);
    }
}
