#pragma once

#include <map>
#include <string>
#include <string_view>

namespace ui {

// The texts of one language, by text id, read from a language file of the
// skin folder:
//   <Language name="English">
//     <Text id="close_text">Close</Text>
//   </Language>
class LanguageTable {
public:
    // Replaces the table with the file's texts. A missing or malformed file
    // leaves the table empty and says so on the trace channel.
    bool Load(const std::string& path);
    bool LoadFromText(std::string_view xml);
    void Clear();

    // The text of `id`, or nullptr when the language has none.
    const std::string* Find(std::string_view id) const;
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    size_t Size() const { return texts_.size(); }

private:
    std::string name_;
    std::map<std::string, std::string, std::less<>> texts_;
};

} // namespace ui
