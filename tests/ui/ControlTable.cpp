#include "tests/ui/ControlTable.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>

#include "ui/ControlFace.h"
#include "ui/PictureList.h"

namespace {
std::vector<std::string> split(const std::string& line)
{
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, ','))
        fields.push_back(field);
    if (!line.empty() && line.back() == ',')
        fields.emplace_back();
    return fields;
}

const QTabWidget* pageControlOf(const QObject* object)
{
    const QObject* stack = object->parent();
    if (!qobject_cast<const QStackedWidget*>(stack))
        return nullptr;
    return qobject_cast<const QTabWidget*>(stack->parent());
}
} // namespace

std::vector<ControlRow> readControlTable(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::vector<ControlRow> rows;
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        if (line.empty() || line.front() == '#')
            continue;
        if (header) {
            header = false;
            continue;
        }
        const std::vector<std::string> f = split(line);
        if (f.size() < 3)
            throw std::runtime_error("short row: " + line);
        ControlRow row{f[0], f[1], f[2]};
        if (f.size() > 3 && !f[3].empty())
            row.tab = std::stoi(f[3]);
        rows.push_back(row);
    }
    return rows;
}

std::string controlTablePath()
{
    return std::string(KELVARO_SOURCE_DIR) + "/tests/ui/controls.csv";
}

std::string kindOf(const QObject* object)
{
    if (const auto* face = dynamic_cast<const ControlFace*>(object))
        return face->kindCode().toStdString();
    if (qobject_cast<const QTabWidget*>(object))
        return "PageControl";
    if (qobject_cast<const QTimer*>(object))
        return "Timer";
    if (dynamic_cast<const PictureList*>(object))
        return "ImageList";
    if (pageControlOf(object))
        return "Sheet";
    return "?";
}

std::string parentOf(const QObject* object)
{
    if (const QTabWidget* pages = pageControlOf(object))
        return pages->objectName().toStdString();
    return object->parent() ? object->parent()->objectName().toStdString() : std::string();
}
