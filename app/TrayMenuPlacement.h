#pragma once

#include "ui/Geometry.h"

// Where the tray menu opens: at the cursor, left and top aligned, unless the
// desktop's panel (the part of the screen its work area leaves out) runs
// along an edge: then the menu opens beside the panel, away from it.
struct TrayMenuPlacement {
    ui::Point anchor;
    int align = 0; // ui::MenuAlign flags

    static TrayMenuPlacement For(ui::Point cursor, const ui::Rect& screen, const ui::Rect& workArea);
};
