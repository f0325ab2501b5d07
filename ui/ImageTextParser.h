#pragma once

#include "ui/ImageDescription.h"

#include <optional>
#include <string_view>

namespace ui {

// Reads the image text of skins: either a bare file name ("common/bk.png") or
// key='value' pairs: file (also res), source, dest, corner ("l,t,r,b"), mask
// ("#AARRGGBB"), fade (0-255), hole, xtiled, ytiled ("true"/"false"). Keys that
// the toolkit does not use (restype, hsl) are accepted and ignored. An empty
// text, an unterminated quote, a missing file, an unknown key or a value out
// of its format yields nullopt and a trace line naming the fault.
class ImageTextParser {
public:
    static std::optional<ImageDescription> Parse(std::string_view text);
};

} // namespace ui
