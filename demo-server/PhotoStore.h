#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "demo-server/CarPicture.h"
#include "demo-server/DataStore.h"

// The image folder: the photos published under the image address, written by the upload (the
// multipart insert and the FTP transfer into www/voimages). The sample photos named in the
// database are drawn the first time they are asked for, so a fresh data folder starts at once.
class PhotoStore {
public:
    PhotoStore(std::string imageFolder, DataStore& store);

    const std::string& folder() const { return folder_; }

    // The bytes of a photo file, nothing when there is none.
    std::optional<std::string> read(std::string_view fileName);
    // Stores an uploaded file under its own name; false when the name is not a plain ".jpg"
    // name or the file cannot be written.
    bool write(std::string_view fileName, std::string_view bytes);

private:
    bool drawSample(const std::string& fileName);
    std::optional<CarLook> sampleLook(const std::string& photoName);

    std::string folder_;
    DataStore& store_;
};

// A file name of the image folder: letters, digits, "-", "_" and ".", ending in ".jpg" (any case),
// no folder part.
bool isPlainPhotoName(std::string_view name);

// Fills a folder with a few shots "from the camera" (large pictures of sample vehicles with their
// plates), for the photo browser and the blurring editor; a folder that already holds pictures is
// left alone. Runs on the application's thread.
void writeCameraShots(const std::string& folder, DataStore& store);

// Writes a picture as a JPEG file (quality 90) through a temporary name, so that a reader never
// sees half a file.
bool saveJpeg(const QImage& image, const std::string& fileName);
