#pragma once

#include <array>
#include <functional>
#include <string>

// The fonts the skin selects by face, loaded from "Font/" beside the program
// as fonts private to the process, for the life of this object. A file that
// is missing or no font leaves its handle at -1; text asking for its face
// then gets the system's substitute.
class ApplicationFonts {
public:
    // Loads a file's bytes as a private font: a handle, or -1.
    using Loader = std::function<int(const std::string& path)>;
    using Remover = std::function<void(int handle)>;

    static constexpr std::array<const char*, 4> kFiles = {
        "Font/Simplified_Chinese.ttf", "Font/Ridgeline-Regular.otf", "Font/NotoSansThai-Regular.ttf",
        "Font/NotoSansCJKtc-Regular.otf"};

    // Loads the files in the order above from `folder` (ending in '/').
    ApplicationFonts(const std::string& folder, Loader load, Remover remove);
    // Removes the loaded fonts, the last file first.
    ~ApplicationFonts();
    ApplicationFonts(const ApplicationFonts&) = delete;
    ApplicationFonts& operator=(const ApplicationFonts&) = delete;

    const std::array<int, 4>& Handles() const { return handles_; }

private:
    Remover remove_;
    std::array<int, 4> handles_{-1, -1, -1, -1};
};
