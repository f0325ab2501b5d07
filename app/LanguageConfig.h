#pragma once

#include <optional>
#include <string>

class SettingsStore;

// One language of "Language.config" (DefaultDataFolder): its position in
// the "Language" array is its language index.
struct LanguageEntry {
    std::string name; // "Language_name": the toolkit's language name
    std::string file; // "Language_file": the language file of the skin
    int id = 0;       // "Language_ID": the number the settings remember
};

namespace LanguageConfig {

// The settings' name of the remembered "Language_ID".
constexpr const char* kSettingName = "LANGUAGE";

std::string DefaultPath();
// Entry `index` of the document at `path`; nothing when the document is
// missing or unreadable or has no such entry.
std::optional<LanguageEntry> Entry(const std::string& path, int index);
// The index of the remembered language: the first entry whose id is the
// stored one; 0 when nothing is stored, the document is missing or no entry
// has that id.
int StoredIndex(const SettingsStore& settings, const std::string& path);

} // namespace LanguageConfig
