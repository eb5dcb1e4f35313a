#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <QString>
#include <QStringList>

#include "view/TsPage.h"

// The journal of unsaved edits: one small file per record in the settings folder, so that edits a
// crash, a killed process or a power cut interrupted can be offered back. It holds field names and
// values of the record's pages and grid lines only: never a password nor a deployment setting.
// A journal belongs to the user who typed the edits on one server: its name and its text say so,
// and it is offered to nobody else.

struct JournalField {
    int entry = 0;     // tab entry of the field, or of the grid
    std::string name;  // its field name
    std::string value; // the value typed (Windows-1252)
    // A cell of a grid line: the line's key, "nouvelle" for the line being added; empty for a
    // field of a page.
    std::string line = {};
};
inline constexpr const char* kJournalNewLine = "nouvelle";

struct EditJournal {
    std::string kind;      // "VO", "VD", "VN", "CL"
    std::string id;        // the record's identifier; empty for a record not yet created
    long long started = 0; // for a record not yet created: when it was started (seconds)
    long long written = 0; // when the edits were last written (seconds since 1970, UTC)
    std::vector<JournalField> fields = {};
    std::string user = {};   // idUser of who typed them
    std::string server = {}; // the server they are meant for (BaseHRef)
};

// Grid lines in the journal: lines[0] is the grid's template, newLine(position) tells the line
// being added. The changed cells of the lines waiting to be sent, by line key; a deletion is no
// edit to keep.
using NewLineTest = std::function<bool(size_t position)>;
std::vector<JournalField> lineJournalFields(int entry, std::span<const TsLine> lines,
                                            const NewLineTest& newLine);
// The position of the line a journal names by its key, or of the line being added; 0 when none.
size_t journalLinePosition(std::span<const TsLine> lines, const NewLineTest& newLine,
                           const std::string& key);

// "journal-<owner>-VO-1003.txt", or "journal-<owner>-CL-nouveau-<started>.txt" for a record not
// yet created, where <owner> stands for the user and the server; empty when the identifier is not
// a plain number.
std::string journalFileName(const EditJournal& journal);

std::string journalText(const EditJournal& journal);
// Nothing when the text is not a whole journal (truncated, damaged or foreign).
std::optional<EditJournal> parseJournal(std::string_view text);

// Writes the text to a temporary file readable by the user only, flushes it to disk and renames
// it over the journal; false when the folder cannot be written.
bool writeJournalFile(const std::string& path, const std::string& text);
// The bytes of a journal file; nothing when it cannot be read. Only a regular file of at most
// kJournalMaxBytes is read, without following a link nor waiting on a pipe; "refusal" then says
// why (UTF-8).
inline constexpr long long kJournalMaxBytes = 1 << 20;
std::optional<std::string> readJournalFile(const std::string& path, std::string* refusal = nullptr);

// What a journal file left in the folder is to this user on this server.
enum class JournalFound {
    Offered, // theirs: offered back
    Foreign, // another user's or another server's: left alone
    Damaged, // theirs by its name but not a whole journal: to set aside
    Refused, // not a small regular file: ignored
};
struct FoundJournal {
    JournalFound found = JournalFound::Refused;
    EditJournal journal; // when offered
    std::string reason;  // when refused (UTF-8)
};
FoundJournal readJournal(const std::string& path, std::string_view user, std::string_view server);

// The lines a box lists: at most "most", then "… et N autres"; each shown on one line of the box
// and cut after kJournalLineLength characters, so that the box stays within the screen.
inline constexpr size_t kJournalListed = 30;
inline constexpr int kJournalLineLength = 100;
QString listedLines(const QStringList& lines, size_t most = kJournalListed);

// The journal files of a folder, by name.
std::vector<std::string> journalFiles(const std::string& folder);
// A journal that cannot be read is renamed "<name>.endommage", out of the way; the new path.
std::string setJournalAside(const std::string& path);
