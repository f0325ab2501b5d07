#include "ui/TabLayout.h"

#include "ui/AttributeValue.h"
#include "ui/PaintManager.h"

namespace ui {

std::string_view TabLayout::GetClass() const { return "TabLayoutUI"; }

bool TabLayout::IsClass(std::string_view name) const
{
    return MatchesClass(name, "TabLayout") || Container::IsClass(name);
}

void TabLayout::ShowOnly(int index)
{
    for (int i = 0; i < GetCount(); ++i)
        GetItemAt(i)->SetVisible(i == index);
}

bool TabLayout::AddAt(Control* control, int index)
{
    if (!Container::AddAt(control, index))
        return false;
    if (current_ < 0 && GetCount() - 1 == wanted_) {
        current_ = wanted_;
    } else if (current_ >= index) {
        ++current_;
    }
    ShowOnly(current_);
    return true;
}

bool TabLayout::Remove(Control* control, bool doNotDestroy)
{
    int index = GetItemIndex(control);
    if (!Container::Remove(control, doNotDestroy))
        return false;
    if (index == current_) {
        current_ = GetCount() > 0 ? 0 : -1;
        ShowOnly(current_);
    } else if (index < current_) {
        --current_;
    }
    return true;
}

void TabLayout::RemoveAll()
{
    Container::RemoveAll();
    current_ = -1;
}

bool TabLayout::SelectItem(int index, bool notify)
{
    if (index < 0 || index >= GetCount())
        return false;
    int old = current_;
    current_ = index;
    ShowOnly(index);
    NeedUpdate();
    if (notify && old != index)
        Notify("tabselect", static_cast<WParam>(index), old);
    return true;
}

bool TabLayout::SelectItem(Control* child, bool notify) { return SelectItem(GetItemIndex(child), notify); }

bool TabLayout::SetAttribute(std::string_view name, std::string_view value)
{
    if (EqualsNoCase(name, "selectedid")) {
        auto index = ParseInt(value);
        if (!index || *index < 0)
            return false;
        wanted_ = *index;
        if (!SelectItem(*index, false))
            current_ = -1;
        return true;
    }
    return Container::SetAttribute(name, value);
}

} // namespace ui
