#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "view/TsPage.h"

// The journal of unsaved edits: one small file per record in the settings folder, so that edits a
// crash, a killed process or a power cut interrupted can be offered back. It holds field names and
// values of the record's pages and grid lines only: never a password nor a deployment setting.

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
    std::vector<JournalField> fields;
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

// "journal-VO-1003.txt", or "journal-CL-nouveau-<started>.txt" for a record not yet created;
// empty when the identifier is not a plain number.
std::string journalFileName(std::string_view kind, std::string_view id, long long started);

std::string journalText(const EditJournal& journal);
// Nothing when the text is not a whole journal (truncated, damaged or foreign).
std::optional<EditJournal> parseJournal(std::string_view text);

// Writes the text to a temporary file readable by the user only, flushes it to disk and renames
// it over the journal; false when the folder cannot be written.
bool writeJournalFile(const std::string& path, const std::string& text);
// The bytes of a journal file; nothing when it cannot be read.
std::optional<std::string> readJournalFile(const std::string& path);
// The journal files of a folder, by name.
std::vector<std::string> journalFiles(const std::string& folder);
// A journal that cannot be read is renamed "<name>.endommage", out of the way; the new path.
std::string setJournalAside(const std::string& path);
