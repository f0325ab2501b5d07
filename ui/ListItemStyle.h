#pragma once

#include "ui/FontInfo.h"
#include "ui/Geometry.h"

#include <cstdint>
#include <string_view>

namespace ui {

// How a list or combo draws its rows; set on the owner by the "item..."
// attributes and used by every row that has no colour of its own.
struct ListItemStyle {
    int itemHeight = 0;              // default row height at 96 DPI (0: rows stretch)
    int font = -1;
    unsigned textStyle = TextStyle::Left | TextStyle::VCenter | TextStyle::SingleLine;
    Rect textPadding;
    uint32_t textColor = 0;
    uint32_t bkColor = 0;
    uint32_t hotTextColor = 0;
    uint32_t hotBkColor = 0;
    uint32_t selectedTextColor = 0;
    uint32_t selectedBkColor = 0;
    uint32_t disabledTextColor = 0;
    uint32_t disabledBkColor = 0;
    uint32_t lineColor = 0;          // a line under each row
    bool resourceText = false;       // row texts are language text ids

    // Takes an "item..." attribute; false for other names or bad values.
    bool SetAttribute(std::string_view name, std::string_view value, bool& known);
};

} // namespace ui
