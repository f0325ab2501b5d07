#include "ui/qt/QtImageLoader.h"

#include <QString>

namespace ui {

QtLoadedImage::QtLoadedImage(QImage image) : LoadedImage(image.width(), image.height()), image_(std::move(image)) {}

std::shared_ptr<LoadedImage> QtImageLoader::Load(const std::string& path)
{
    QImage image(QString::fromStdString(path));
    if (image.isNull())
        return nullptr;
    return std::make_shared<QtLoadedImage>(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

} // namespace ui
