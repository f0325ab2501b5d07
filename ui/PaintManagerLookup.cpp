// The paint manager's fonts, attribute sets, tree lookup and option groups.
#include "ui/AttributeValue.h"
#include "ui/Control.h"
#include "ui/Option.h"
#include "ui/PaintManager.h"
#include "ui/ResourceManager.h"

#include <algorithm>

namespace ui {

void PaintManager::AddFont(int id, const FontInfo& font, bool isDefault, bool shared)
{
    (shared ? ResourceManager::Instance().SharedFonts() : fonts_).Add(id, font, isDefault);
    NeedUpdate();
}

void PaintManager::SetDefaultFont(const FontInfo& font, bool shared)
{
    (shared ? ResourceManager::Instance().SharedFonts() : fonts_).SetDefault(font);
    NeedUpdate();
}

FontInfo PaintManager::GetFont(int id) const
{
    const FontTable& shared = ResourceManager::Instance().SharedFonts();
    const FontInfo* found = fonts_.Find(id);
    if (!found)
        found = shared.Find(id);
    FontInfo font;
    if (found)
        font = *found;
    else if (fonts_.Default())
        font = *fonts_.Default();
    else if (shared.Default())
        font = *shared.Default();
    font.size = Scale(font.size);
    return font;
}

void PaintManager::RemoveAllFonts()
{
    fonts_.Clear();
    NeedUpdate();
}

void PaintManager::RemoveAllSharedFonts()
{
    ResourceManager::Instance().SharedFonts().Clear();
    ForEach([](PaintManager& manager) { manager.NeedUpdate(); });
}

void PaintManager::AddDefaultAttributeList(const std::string& className, std::string attributes, bool shared)
{
    if (shared)
        ResourceManager::Instance().SetSharedDefault(className, std::move(attributes));
    else
        defaults_[ToLower(className)] = std::move(attributes);
}

const std::string* PaintManager::GetDefaultAttributeList(std::string_view className) const
{
    auto it = defaults_.find(ToLower(className));
    if (it != defaults_.end())
        return &it->second;
    return ResourceManager::Instance().FindSharedDefault(className);
}

void PaintManager::AddStyle(const std::string& name, std::string attributes, bool shared)
{
    if (shared)
        ResourceManager::Instance().SetSharedStyle(name, std::move(attributes));
    else
        styles_[name] = std::move(attributes);
}

const std::string* PaintManager::FindStyle(std::string_view name) const
{
    auto it = styles_.find(name);
    if (it != styles_.end())
        return &it->second;
    return ResourceManager::Instance().FindSharedStyle(name);
}

Control* PaintManager::FindControl(std::string_view name) const { return FindSubControlByName(root_, name); }

Control* PaintManager::FindControl(Point pt) const { return root_ ? root_->HitTest(pt) : nullptr; }

Control* PaintManager::FindSubControlByName(Control* parent, std::string_view name) const
{
    if (!parent || name.empty())
        return nullptr;
    return parent->FindIf([name](Control* c) { return EqualsNoCase(c->GetName(), name); });
}

Control* PaintManager::FindSubControlByClass(Control* parent, std::string_view className, int index) const
{
    if (!parent)
        return nullptr;
    int seen = 0;
    return parent->FindIf([&](Control* c) { return c->IsClass(className) && seen++ == index; });
}

std::vector<Control*> PaintManager::FindSubControlsByClass(Control* parent, std::string_view className) const
{
    std::vector<Control*> found;
    if (parent)
        parent->FindIf([&](Control* c) {
            if (c->IsClass(className))
                found.push_back(c);
            return false;
        });
    return found;
}

void PaintManager::AddOptionGroup(const std::string& group, Option* option)
{
    auto& list = optionGroups_[group];
    if (std::find(list.begin(), list.end(), option) == list.end())
        list.push_back(option);
}

void PaintManager::RemoveOptionGroup(const std::string& group, Option* option)
{
    auto it = optionGroups_.find(group);
    if (it == optionGroups_.end())
        return;
    auto& list = it->second;
    list.erase(std::remove(list.begin(), list.end(), option), list.end());
    if (list.empty())
        optionGroups_.erase(it);
}

std::vector<Option*> PaintManager::GetOptionGroup(const std::string& group) const
{
    auto it = optionGroups_.find(group);
    return it == optionGroups_.end() ? std::vector<Option*>{} : it->second;
}

} // namespace ui
