#include "ui/LanguageTable.h"

#include "base/Trace.h"

#include <pugixml.hpp>

namespace ui {

namespace {

bool Fill(const pugi::xml_document& document, std::string& name, std::map<std::string, std::string, std::less<>>& texts,
          const char* what)
{
    pugi::xml_node root = document.child("Language");
    if (!root) {
        Trace("language file %s: no <Language> element", what);
        return false;
    }
    name = root.attribute("name").as_string();
    for (pugi::xml_node text : root.children("Text")) {
        std::string id = text.attribute("id").as_string();
        if (id.empty()) {
            Trace("language file %s: <Text> without id skipped", what);
            continue;
        }
        texts[id] = text.text().as_string();
    }
    return true;
}

} // namespace

bool LanguageTable::Load(const std::string& path)
{
    Clear();
    pugi::xml_document document;
    pugi::xml_parse_result result = document.load_file(path.c_str());
    if (!result) {
        Trace("language file %s: %s at offset %td", path.c_str(), result.description(), result.offset);
        return false;
    }
    return Fill(document, name_, texts_, path.c_str());
}

bool LanguageTable::LoadFromText(std::string_view xml)
{
    Clear();
    pugi::xml_document document;
    pugi::xml_parse_result result = document.load_buffer(xml.data(), xml.size());
    if (!result) {
        Trace("language text: %s at offset %td", result.description(), result.offset);
        return false;
    }
    return Fill(document, name_, texts_, "(text)");
}

void LanguageTable::Clear()
{
    texts_.clear();
    name_.clear();
}

const std::string* LanguageTable::Find(std::string_view id) const
{
    auto it = texts_.find(id);
    return it == texts_.end() ? nullptr : &it->second;
}

} // namespace ui
