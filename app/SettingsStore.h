#pragma once

#include <optional>
#include <string>
#include <string_view>

// The user's own settings outside the profiles (the chosen language): a
// small JSON document, "settings.json" in ConfigFolder(). Each change reads
// the document afresh, replaces one member and writes the whole document
// back; a document that does not parse reads as empty.
class SettingsStore {
public:
    explicit SettingsStore(std::string path = DefaultPath()) : path_(std::move(path)) {}

    static std::string DefaultPath();
    const std::string& Path() const { return path_; }

    // Nothing when the value is missing or not a number.
    std::optional<int> ReadInt(std::string_view name) const;
    bool WriteInt(std::string_view name, int value);

private:
    std::string path_;
};
