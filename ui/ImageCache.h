#pragma once

#include "ui/ImageDescription.h"
#include "ui/LoadedImage.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

// Decoded pictures by file path and parsed image texts by their text, so each
// picture is decoded and each reference parsed once. A file that failed to
// load is remembered as missing until Clear().
class ImageCache {
public:
    void SetLoader(ImageLoader* loader);
    std::shared_ptr<LoadedImage> Get(const std::string& path);
    const std::optional<ImageDescription>& Parse(std::string_view text);
    void Clear();

private:
    ImageLoader* loader_ = nullptr;
    std::map<std::string, std::shared_ptr<LoadedImage>> images_;
    std::map<std::string, std::optional<ImageDescription>, std::less<>> parsed_;
};

} // namespace ui
