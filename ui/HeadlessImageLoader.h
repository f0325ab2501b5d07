#pragma once

#include "ui/LoadedImage.h"

namespace ui {

// Reads only the size of PNG pictures (from their header), which is all the
// headless host needs; any other file counts as not loadable.
class HeadlessImageLoader : public ImageLoader {
public:
    std::shared_ptr<LoadedImage> Load(const std::string& path) override;
};

} // namespace ui
