#include "ui/ResourceManager.h"

#include "base/AppFolders.h"
#include "base/Trace.h"
#include "ui/AttributeValue.h"
#include "ui/PaintManager.h"

#include <algorithm>
#include <pugixml.hpp>

namespace ui {

ResourceManager& ResourceManager::Instance()
{
    static ResourceManager instance;
    return instance;
}

void ResourceManager::SetSkinFolder(std::string folder)
{
    std::replace(folder.begin(), folder.end(), '\\', '/');
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    skinFolder_ = std::move(folder);
    images_.Clear();
}

bool ResourceManager::LoadResourceIndex(const std::string& file)
{
    index_.clear();
    std::string path = ResolvePath(file);
    pugi::xml_document document;
    pugi::xml_parse_result result = document.load_file(path.c_str());
    if (!result) {
        Trace("resource index %s: %s", path.c_str(), result.description());
        return false;
    }
    pugi::xml_node root = document.child("Resources");
    if (!root) {
        Trace("resource index %s: no <Resources> element", path.c_str());
        return false;
    }
    for (pugi::xml_node layout : root.children("Layout")) {
        std::string name = layout.attribute("name").as_string();
        std::string target = layout.attribute("file").as_string();
        if (name.empty() || target.empty()) {
            Trace("resource index %s: <Layout> needs name and file", path.c_str());
            continue;
        }
        index_[name] = target;
    }
    return true;
}

const std::string* ResourceManager::FindResource(std::string_view name) const
{
    auto it = index_.find(name);
    return it == index_.end() ? nullptr : &it->second;
}

std::string ResourceManager::ResolvePath(std::string_view name) const
{
    std::string path(name);
    if (const std::string* target = FindResource(name))
        path = *target;
    std::replace(path.begin(), path.end(), '\\', '/');
    if (!path.empty() && path.front() == '/')
        return path;
    return (skinFolder_.empty() ? SkinFolder() : skinFolder_) + path;
}

bool ResourceManager::LoadLanguage(const std::string& file)
{
    bool loaded = !file.empty() && language_.Load(ResolvePath(file));
    if (file.empty())
        language_.Clear();
    ReloadTexts();
    return loaded;
}

void ResourceManager::ReloadTexts()
{
    PaintManager::ForEach([](PaintManager& manager) {
        manager.NeedUpdate();
        manager.Invalidate();
    });
}

std::string ResourceManager::Translate(std::string_view id) const
{
    const std::string* text = language_.Find(id);
    return text ? *text : std::string(id);
}

void ResourceManager::SetSharedDefault(const std::string& className, std::string attributes)
{
    sharedDefaults_[ToLower(className)] = std::move(attributes);
}

const std::string* ResourceManager::FindSharedDefault(std::string_view className) const
{
    auto it = sharedDefaults_.find(ToLower(className));
    return it == sharedDefaults_.end() ? nullptr : &it->second;
}

void ResourceManager::SetSharedStyle(const std::string& name, std::string attributes)
{
    sharedStyles_[name] = std::move(attributes);
}

const std::string* ResourceManager::FindSharedStyle(std::string_view name) const
{
    auto it = sharedStyles_.find(name);
    return it == sharedStyles_.end() ? nullptr : &it->second;
}

void ResourceManager::Reset()
{
    skinFolder_.clear();
    index_.clear();
    language_.Clear();
    languageName_.clear();
    sharedFonts_.Clear();
    images_.Clear();
    sharedDefaults_.clear();
    sharedStyles_.clear();
}

} // namespace ui
