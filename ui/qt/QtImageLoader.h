#pragma once

#include "ui/LoadedImage.h"

#include <QImage>

namespace ui {

// A picture decoded by Qt, kept premultiplied for fast drawing.
class QtLoadedImage : public LoadedImage {
public:
    explicit QtLoadedImage(QImage image);
    const QImage& Image() const { return image_; }

private:
    QImage image_;
};

class QtImageLoader : public ImageLoader {
public:
    std::shared_ptr<LoadedImage> Load(const std::string& path) override;
};

} // namespace ui
