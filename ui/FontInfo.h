#pragma once

#include <string>

namespace ui {

// A font of the font table. size is in pixels at 96 DPI; the paint manager
// hands out scaled copies.
struct FontInfo {
    std::string family;
    int size = 14;
    bool bold = false;
    bool underline = false;
    bool italic = false;
    bool operator==(const FontInfo&) const = default;
};

// Text placement flags of controls ("align" and the text style attributes).
namespace TextStyle {
constexpr unsigned Left = 0x0;
constexpr unsigned Center = 0x1;
constexpr unsigned Right = 0x2;
constexpr unsigned Top = 0x0;
constexpr unsigned VCenter = 0x4;
constexpr unsigned Bottom = 0x8;
constexpr unsigned WordBreak = 0x10;
constexpr unsigned SingleLine = 0x20;
constexpr unsigned EndEllipsis = 0x8000;
constexpr unsigned HorizontalMask = Center | Right;
constexpr unsigned VerticalMask = VCenter | Bottom;
} // namespace TextStyle

} // namespace ui
