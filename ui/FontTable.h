#pragma once

#include "ui/FontInfo.h"

#include <map>
#include <optional>

namespace ui {

// Fonts by id. Each paint manager has its own table in front of the shared
// one; a missing id falls back to the default font.
class FontTable {
public:
    void Add(int id, const FontInfo& font, bool isDefault);
    void SetDefault(const FontInfo& font) { default_ = font; }
    const FontInfo* Find(int id) const;
    const std::optional<FontInfo>& Default() const { return default_; }
    void Clear();
    bool Empty() const { return fonts_.empty() && !default_; }

private:
    std::map<int, FontInfo> fonts_;
    std::optional<FontInfo> default_;
};

} // namespace ui
