#include "editing/EditJournal.h"

#include "editing/SaveRules.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

constexpr std::string_view kHeader = "Journal Saisie des Fiches 1";
constexpr std::string_view kEnd = "fin";

std::string escaped(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::optional<std::string> unescaped(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    size_t begin = 0;
    for (size_t end; (end = text.find(separator, begin)) != std::string_view::npos; begin = end + 1)
        parts.push_back(text.substr(begin, end - begin));
    parts.push_back(text.substr(begin));
    return parts;
}

std::optional<long long> number(std::string_view text)
{
    if (text.empty() || text.size() > 18 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stoll(std::string(text));
}

bool plainNumber(std::string_view text)
{
    return number(text).has_value();
}

// Stands for the user and the server in the journal's name: the same pair always gives the same
// sixteen hexadecimal digits (FNV-1a), whatever characters the user's identifier holds.
std::string journalOwner(std::string_view user, std::string_view server)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const std::string_view part : {user, std::string_view("\n"), server}) {
        for (unsigned char c : part)
            hash = (hash ^ c) * 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::optional<std::string> refused(std::string* refusal, const char* reason)
{
    if (refusal)
        *refusal = reason;
    return std::nullopt;
}

} // namespace

std::vector<JournalField> lineJournalFields(int entry, std::span<const TsLine> lines,
                                            const NewLineTest& newLine)
{
    std::vector<JournalField> fields;
    for (size_t position = 1; position < lines.size(); ++position) {
        const TsLine& line = lines[position];
        if (line.Statement.empty() || isDeletion(line.Statement))
            continue;
        const std::string key = newLine(position) ? kJournalNewLine : line.Cells[1].OrgValue;
        for (const TsDesc& cell : line.Cells) {
            if (!key.empty() && !cell.FieldName.empty() && cell.Value != cell.OrgValue)
                fields.push_back({entry, cell.FieldName, cell.Value, key});
        }
    }
    return fields;
}

size_t journalLinePosition(std::span<const TsLine> lines, const NewLineTest& newLine,
                           const std::string& key)
{
    for (size_t position = 1; position < lines.size(); ++position) {
        const bool added = newLine(position);
        if (key == kJournalNewLine ? added : !added && lines[position].Cells[1].OrgValue == key)
            return position;
    }
    return 0;
}

std::string journalFileName(const EditJournal& journal)
{
    const std::string& kind = journal.kind;
    if (kind.empty() ||
        !std::all_of(kind.begin(), kind.end(), [](char c) { return c >= 'A' && c <= 'Z'; }) ||
        (!journal.id.empty() && !plainNumber(journal.id)))
        return {};
    const std::string record =
        journal.id.empty() ? "nouveau-" + std::to_string(journal.started) : journal.id;
    return "journal-" + journalOwner(journal.user, journal.server) + "-" + kind + "-" + record +
           ".txt";
}

std::string journalText(const EditJournal& journal)
{
    std::string text(kHeader);
    text += "\nkind\t" + escaped(journal.kind);
    text += "\nid\t" + escaped(journal.id);
    text += "\nstarted\t" + std::to_string(journal.started);
    text += "\nwritten\t" + std::to_string(journal.written);
    text += "\nuser\t" + escaped(journal.user);
    text += "\nserver\t" + escaped(journal.server);
    for (const JournalField& field : journal.fields) {
        text += field.line.empty()
                    ? "\nfield\t" + std::to_string(field.entry)
                    : "\ncell\t" + std::to_string(field.entry) + "\t" + escaped(field.line);
        text += "\t" + escaped(field.name) + "\t" + escaped(field.value);
    }
    text += "\n";
    text += kEnd;
    text += "\n";
    return text;
}

std::optional<EditJournal> parseJournal(std::string_view text)
{
    if (text.empty() || text.back() != '\n')
        return std::nullopt;
    std::vector<std::string_view> lines = split(text.substr(0, text.size() - 1), '\n');
    if (lines.size() < 6 || lines.front() != kHeader || lines.back() != kEnd)
        return std::nullopt;
    EditJournal journal;
    for (size_t i = 1; i + 1 < lines.size(); ++i) {
        const std::vector<std::string_view> parts = split(lines[i], '\t');
        const std::string_view key = parts[0];
        const bool cell = key == "cell" && parts.size() == 5;
        if (cell || (key == "field" && parts.size() == 4)) {
            const size_t first = cell ? 3 : 2;
            const auto entry = number(parts[1]);
            auto line = cell ? unescaped(parts[2]) : std::string();
            auto name = unescaped(parts[first]);
            auto value = unescaped(parts[first + 1]);
            if (!entry || *entry > 9 || !line || (cell && line->empty()) || !name || !value)
                return std::nullopt;
            journal.fields.push_back(
                {int(*entry), std::move(*name), std::move(*value), std::move(*line)});
        } else if (parts.size() == 2 &&
                   (key == "kind" || key == "id" || key == "user" || key == "server")) {
            auto value = unescaped(parts[1]);
            if (!value)
                return std::nullopt;
            (key == "kind"   ? journal.kind
             : key == "id"   ? journal.id
             : key == "user" ? journal.user
                             : journal.server) = std::move(*value);
        } else if (parts.size() == 2 && (key == "started" || key == "written")) {
            const auto value = number(parts[1]);
            if (!value)
                return std::nullopt;
            (key == "started" ? journal.started : journal.written) = *value;
        } else {
            return std::nullopt;
        }
    }
    if (journalFileName(journal).empty())
        return std::nullopt;
    return journal;
}

bool writeJournalFile(const std::string& path, const std::string& text)
{
    const std::string temporary = path + ".tmp";
#ifdef _WIN32
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const bool closed = std::fclose(file) == 0;
#else
    const int fd =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return false;
    ::fchmod(fd, 0600);
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0)
            break;
        done += size_t(n);
    }
    const bool written = done == text.size() && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
#endif
    std::error_code error;
    if (written && closed)
        std::filesystem::rename(temporary, path, error);
    if (!written || !closed || error) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

std::optional<std::string> readJournalFile(const std::string& path, std::string* refusal)
{
    // A pipe would block the window for good and a device would never end: only a plain file of
    // a journal's size is read.
#ifdef _WIN32
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    if (error || !std::filesystem::is_regular_file(status))
        return refused(refusal, "pas un fichier ordinaire");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return refused(refusal, "illisible");
    std::string text(size_t(kJournalMaxBytes) + 1, '\0');
    in.read(text.data(), std::streamsize(text.size()));
    if (in.bad())
        return refused(refusal, "illisible");
    text.resize(size_t(in.gcount()));
#else
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return refused(refusal, errno == ELOOP ? "lien symbolique" : "illisible");
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return refused(refusal, "pas un fichier ordinaire");
    }
    std::string text(size_t(std::min<long long>(info.st_size, kJournalMaxBytes)) + 1, '\0');
    // One byte more than it said: a file that grows meanwhile is caught too.
    size_t done = 0;
    ssize_t n = 1;
    while (done < text.size() && (n = ::read(fd, text.data() + done, text.size() - done)) > 0)
        done += size_t(n);
    ::close(fd);
    if (n < 0)
        return refused(refusal, "illisible");
    text.resize(done);
#endif
    if (text.size() > size_t(kJournalMaxBytes))
        return refused(refusal, "plus de 1 Mo");
    return text;
}

FoundJournal readJournal(const std::string& path, std::string_view user, std::string_view server)
{
    FoundJournal found;
    const std::string name = std::filesystem::path(path).filename().string();
    // Another user's or another server's journal is not even opened.
    if (name.rfind("journal-" + journalOwner(user, server) + "-", 0) != 0) {
        found.found = JournalFound::Foreign;
        return found;
    }
    const std::optional<std::string> text = readJournalFile(path, &found.reason);
    if (!text)
        return found;
    std::optional<EditJournal> journal = parseJournal(*text);
    if (!journal) {
        found.found = JournalFound::Damaged;
        return found;
    }
    const bool mine =
        journal->user == user && journal->server == server && journalFileName(*journal) == name;
    found.found = mine ? JournalFound::Offered : JournalFound::Foreign;
    if (mine)
        found.journal = std::move(*journal);
    return found;
}

QString listedLines(const QStringList& lines, size_t most)
{
    QString text;
    const qsizetype shown = std::min(lines.size(), qsizetype(most));
    for (qsizetype i = 0; i < shown; ++i) {
        const QString line = lines[i].simplified();
        text += "\n" + (line.size() > kJournalLineLength
                            ? line.left(kJournalLineLength - 1) + QStringLiteral("…")
                            : line);
    }
    if (const qsizetype more = lines.size() - shown; more > 0)
        text += QStringLiteral("\n… et %1 %2").arg(more).arg(more > 1 ? "autres" : "autre");
    return text;
}

std::vector<std::string> journalFiles(const std::string& folder)
{
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = item.path().filename().string();
        if (name.rfind("journal-", 0) == 0 && name.size() > 12 &&
            name.compare(name.size() - 4, 4, ".txt") == 0)
            files.push_back(item.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string setJournalAside(const std::string& path)
{
    const std::string aside = path + ".endommage";
    std::error_code error;
    std::filesystem::rename(path, aside, error);
    return error ? path : aside;
}
