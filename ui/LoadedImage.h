#pragma once

#include <memory>
#include <string>

namespace ui {

// A decoded picture as the host holds it. The core only needs its size; the
// host's canvas knows the concrete type it made.
class LoadedImage {
public:
    LoadedImage(int width, int height) : width_(width), height_(height) {}
    virtual ~LoadedImage() = default;
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    int width_;
    int height_;
};

// Decodes picture files for the image cache.
class ImageLoader {
public:
    virtual ~ImageLoader() = default;
    // nullptr when the file is missing or not a picture.
    virtual std::shared_ptr<LoadedImage> Load(const std::string& path) = 0;
};

} // namespace ui
