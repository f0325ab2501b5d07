#pragma once

#include <string>
#include <vector>

namespace ui {

// Fonts from files as private application fonts: the program loads its font
// files at start and selects them by family name in the font table.
class QtFonts {
public:
    // The family names the file brings; none (and id -1) when the file is
    // missing or no font: text asking for its family then gets the system's
    // substitute.
    static std::vector<std::string> Load(const std::string& path, int* id = nullptr);
    static void Remove(int id);
};

} // namespace ui
