#include "demo-server/PhotoStore.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <QDateTime>
#include <QFile>
#include <QImage>

#include "demo-server/CarPicture.h"
#include "demo-server/GuiThread.h"

namespace fs = std::filesystem;

namespace {

constexpr int kPhotoWidth = 640;
constexpr int kPhotoHeight = 480;
constexpr int kMiniWidth = 120;
constexpr int kMiniHeight = 90;

bool endsWithJpg(std::string_view name)
{
    if (name.size() < 4)
        return false;
    std::string end(name.substr(name.size() - 4));
    for (char& c : end)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return end == ".jpg";
}

QString column(const Statement& row, int c)
{
    return QString::fromStdString(row.text(c).value_or(""));
}

CarLook lookOf(const Statement& row, int variant)
{
    CarLook look;
    look.make = column(row, 0);
    look.model = column(row, 1);
    look.plate = column(row, 2);
    look.colour = column(row, 3);
    look.caption = column(row, 4) + " - " + column(row, 5);
    look.variant = variant;
    return look;
}

} // namespace

bool isPlainPhotoName(std::string_view name)
{
    if (!endsWithJpg(name) || name.size() > 120 || name.front() == '.')
        return false;
    for (char c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_' && c != '.')
            return false;
    }
    return name.find("..") == std::string_view::npos;
}

bool saveJpeg(const QImage& image, const std::string& fileName)
{
    const std::string partial = fileName + ".partiel";
    if (!image.save(QString::fromStdString(partial), "JPEG", 90))
        return false;
    std::error_code error;
    fs::rename(partial, fileName, error);
    return !error;
}

PhotoStore::PhotoStore(std::string imageFolder, DataStore& store)
    : folder_(std::move(imageFolder))
    , store_(store)
{
    fs::create_directories(folder_);
}

std::optional<std::string> PhotoStore::read(std::string_view fileName)
{
    if (!isPlainPhotoName(fileName))
        return std::nullopt;
    const std::string path = (fs::path(folder_) / std::string(fileName)).string();
    if (!fs::exists(path) && !drawSample(std::string(fileName)))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool PhotoStore::write(std::string_view fileName, std::string_view bytes)
{
    if (!isPlainPhotoName(fileName))
        return false;
    const std::string path = (fs::path(folder_) / std::string(fileName)).string();
    const std::string partial = path + ".partiel";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
        if (!out)
            return false;
    }
    std::error_code error;
    fs::rename(partial, path, error);
    return !error;
}

std::optional<CarLook> PhotoStore::sampleLook(const std::string& photoName)
{
    auto session = store_.session();
    Statement row(session.db(),
                  "SELECT v.InfoMarque, v.InfoModele, v.Immatriculation, v.InfoCouleur, "
                  "v.Concession, v.Site, i.NumImage FROM \"tVO - Liens Images\" i "
                  "JOIN tVehicles v ON v.idVO = i.idVO WHERE i.NomImage = ?1");
    row.bind(1, photoName);
    if (!row.step())
        return std::nullopt;
    return lookOf(row, int(row.integer(6)) - 1);
}

bool PhotoStore::drawSample(const std::string& fileName)
{
    // "B0005001-01.jpg" is a photo, "B0005001-01m.jpg" its miniature.
    const std::string base = fileName.substr(0, fileName.size() - 4);
    std::optional<CarLook> look = sampleLook(base);
    bool mini = false;
    if (!look && base.size() > 1 && (base.back() == 'm' || base.back() == 'M')) {
        look = sampleLook(base.substr(0, base.size() - 1));
        mini = look.has_value();
    }
    if (!look)
        return false;
    const std::string path = (fs::path(folder_) / fileName).string();
    bool saved = false;
    runOnGuiThread([&] {
        const QImage photo = mini ? drawCarPicture(*look, kPhotoWidth, kPhotoHeight)
                                        .scaled(kMiniWidth, kMiniHeight, Qt::IgnoreAspectRatio,
                                                Qt::SmoothTransformation)
                                  : drawCarPicture(*look, kPhotoWidth, kPhotoHeight);
        saved = saveJpeg(photo, path);
    });
    return saved;
}

void writeCameraShots(const std::string& folder, DataStore& store)
{
    fs::create_directories(folder);
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (endsWithJpg(entry.path().filename().string()))
            return;
    }
    auto session = store.session();
    Statement rows(session.db(),
                   "SELECT InfoMarque, InfoModele, Immatriculation, InfoCouleur, Concession, Site, "
                   "NVO FROM tVehicles WHERE TypeVO = 1 AND Immatriculation IS NOT NULL "
                   "AND NomImage IS NULL ORDER BY Concession, idVO LIMIT 6");
    const QDateTime now = QDateTime::currentDateTime();
    int shot = 0;
    while (rows.step()) {
        const std::string path =
            (fs::path(folder) / ("DSC_" + std::to_string(4100 + shot) + ".jpg")).string();
        if (!saveJpeg(drawCarPicture(lookOf(rows, shot), 1600, 1200), path))
            continue;
        // Shots taken a few minutes apart, the last one most recent.
        QFile file(QString::fromStdString(path));
        if (file.open(QIODevice::ReadWrite))
            file.setFileTime(now.addSecs(-600 * (6 - shot)), QFileDevice::FileModificationTime);
        ++shot;
    }
}
