#include "ui/ImageCache.h"

#include "base/Trace.h"
#include "ui/ImageTextParser.h"

namespace ui {

void ImageCache::SetLoader(ImageLoader* loader)
{
    loader_ = loader;
    images_.clear();
}

std::shared_ptr<LoadedImage> ImageCache::Get(const std::string& path)
{
    auto it = images_.find(path);
    if (it != images_.end())
        return it->second;
    std::shared_ptr<LoadedImage> image = loader_ ? loader_->Load(path) : nullptr;
    if (!image)
        Trace("image %s cannot be loaded", path.c_str());
    images_.emplace(path, image);
    return image;
}

const std::optional<ImageDescription>& ImageCache::Parse(std::string_view text)
{
    auto it = parsed_.find(text);
    if (it == parsed_.end())
        it = parsed_.emplace(std::string(text), ImageTextParser::Parse(text)).first;
    return it->second;
}

void ImageCache::Clear()
{
    images_.clear();
    parsed_.clear();
}

} // namespace ui
