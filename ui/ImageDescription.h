#pragma once

#include "ui/Geometry.h"

#include <cstdint>
#include <optional>
#include <string>

namespace ui {

// One parsed image reference of a skin: which file, which part of it, where in
// the control it goes and how it is treated. Parsed once from the image text
// (ImageTextParser) and handed to the canvas for every draw.
struct ImageDescription {
    std::string file;               // relative to the skin folder, or absolute
    std::optional<Rect> source;     // part of the picture; whole picture when absent
    std::optional<Rect> dest;       // relative to the control's rectangle; whole control when absent
    Rect corner;                    // nine-slice margins in picture pixels (0: plain stretch)
    std::optional<uint32_t> mask;   // this ARGB colour is drawn transparent
    int fade = 255;                 // opacity 0..255
    bool hole = false;              // nine-slice without the middle part
    bool xtiled = false;            // middle repeats across instead of stretching
    bool ytiled = false;            // middle repeats down instead of stretching
    bool operator==(const ImageDescription&) const = default;
};

// What the program adds when it draws an image: a tint colour with a strength.
// White pixels take the colour; the strength (0..255) scales the alpha.
struct ImageTint {
    uint32_t colour = 0xFFFFFFFF;
    int strength = 255;
};

} // namespace ui
