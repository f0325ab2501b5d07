#pragma once

#include "ui/FontTable.h"
#include "ui/ImageCache.h"
#include "ui/LanguageTable.h"

#include <map>
#include <string>
#include <string_view>

namespace ui {

// Process-wide resources of the toolkit: the skin folder, the resource index
// "res.xml" (names such as "XML_MAIN" to layout files), the current language,
// the fonts and attribute sets shared by all windows, and the image cache.
// Used from the UI thread only.
class ResourceManager {
public:
    static ResourceManager& Instance();

    // The folder layouts, images and language files are read from; ends in '/'.
    void SetSkinFolder(std::string folder);
    const std::string& SkinFolder() const { return skinFolder_; }

    // Reads the resource index (a file name relative to the skin folder).
    // The format:
    //   <Resources>
    //     <Layout name="XML_MAIN" file="main.xml"/>
    //   </Resources>
    bool LoadResourceIndex(const std::string& file = "res.xml");
    // The file a resource name stands for, or nullptr.
    const std::string* FindResource(std::string_view name) const;

    // A full path for a layout, image or language name: a resource name of
    // the index first; then the name with '\' read as '/', relative to the skin
    // folder unless absolute.
    std::string ResolvePath(std::string_view name) const;

    LanguageTable& Language() { return language_; }
    void SetLanguageName(std::string name) { languageName_ = std::move(name); }
    const std::string& LanguageName() const { return languageName_; }
    // Loads a language file of the skin folder; the texts of every window are
    // re-resolved at their next paint.
    bool LoadLanguage(const std::string& file);
    // Makes every window lay out and paint its texts again.
    void ReloadTexts();
    // The translation of `id`, or `id` itself when the language has none.
    std::string Translate(std::string_view id) const;

    FontTable& SharedFonts() { return sharedFonts_; }
    ImageCache& Images() { return images_; }

    // Attribute sets shared by all windows: per class ("Default" elements with
    // shared="true") and named styles ("Style" elements).
    void SetSharedDefault(const std::string& className, std::string attributes);
    const std::string* FindSharedDefault(std::string_view className) const;
    void SetSharedStyle(const std::string& name, std::string attributes);
    const std::string* FindSharedStyle(std::string_view name) const;

    // Back to the state at process start (tests).
    void Reset();

private:
    std::string skinFolder_;
    std::map<std::string, std::string, std::less<>> index_;
    LanguageTable language_;
    std::string languageName_;
    FontTable sharedFonts_;
    ImageCache images_;
    std::map<std::string, std::string, std::less<>> sharedDefaults_;
    std::map<std::string, std::string, std::less<>> sharedStyles_;
};

} // namespace ui
