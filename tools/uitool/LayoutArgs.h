#pragma once

#include "ui/Geometry.h"

#include <optional>
#include <string>
#include <vector>

// The options the uitool commands share.
struct LayoutArgs {
    std::string layout;
    std::optional<ui::Size> size;
    std::string skin;     // --skin DIR
    std::string output;   // -o FILE
    std::string language; // --lang FILE
    int dpi = 96;         // --dpi N
};

// Reads LAYOUT and the options; on a fault prints why to stderr and answers nullopt.
std::optional<LayoutArgs> ParseLayoutArgs(const std::vector<std::string>& args);

// Points the toolkit at the skin folder (--skin, else the folder the layout
// lies in when it is a file, else the program's skin folder), loads its
// resource index when present, and answers the layout name to build.
std::string PrepareSkin(const LayoutArgs& args);
