#include "ui/Option.h"

#include "ui/AttributeValue.h"
#include "ui/PaintManager.h"
#include "ui/TabLayout.h"

namespace ui {

Option::~Option()
{
    if (manager_ && !group_.empty())
        manager_->RemoveOptionGroup(group_, this);
}

std::string_view Option::GetClass() const { return "OptionUI"; }

bool Option::IsClass(std::string_view name) const { return MatchesClass(name, "Option") || Button::IsClass(name); }

void Option::SetManager(PaintManager* manager, Control* parent, bool init)
{
    if (manager_ && manager_ != manager && !group_.empty())
        manager_->RemoveOptionGroup(group_, this);
    const bool joined = manager && manager != manager_;
    Button::SetManager(manager, parent, init);
    if (joined && !group_.empty()) {
        manager_->AddOptionGroup(group_, this);
        // The last selected option of a group to join the window wins.
        if (selected_)
            for (Option* other : manager_->GetOptionGroup(group_))
                if (other != this && other->IsSelected())
                    other->Selected(false, false);
    }
}

void Option::SetGroup(std::string group)
{
    if (manager_ && !group_.empty())
        manager_->RemoveOptionGroup(group_, this);
    group_ = std::move(group);
    if (manager_ && !group_.empty())
        manager_->AddOptionGroup(group_, this);
}

void Option::BindTab(std::string tabLayoutName, int index)
{
    bindTabName_ = std::move(tabLayoutName);
    bindTabIndex_ = index;
}

void Option::Selected(bool selected, bool notify)
{
    if (selected_ == selected)
        return;
    selected_ = selected;
    SetState(ControlState::Selected, selected);
    if (selected && manager_ && !group_.empty()) {
        for (Option* other : manager_->GetOptionGroup(group_))
            if (other != this && other->IsSelected())
                other->Selected(false, false);
    }
    if (selected)
        ShowBoundTab();
    Invalidate();
    if (notify)
        Notify("selectchanged", selected ? 1 : 0);
}

void Option::ShowBoundTab()
{
    if (!manager_ || bindTabName_.empty() || bindTabIndex_ < 0)
        return;
    if (auto* tab = dynamic_cast<TabLayout*>(manager_->FindControl(bindTabName_)))
        tab->SelectItem(bindTabIndex_);
}

bool Option::Activate()
{
    if (!Button::Activate())
        return false;
    Selected(group_.empty() ? !selected_ : true);
    return true;
}

bool Option::SetAttribute(std::string_view name, std::string_view value)
{
    if (EqualsNoCase(name, "group")) {
        SetGroup(std::string(value));
        return true;
    }
    if (EqualsNoCase(name, "selected")) {
        auto on = ParseBool(value);
        if (!on)
            return false;
        Selected(*on, false);
        return true;
    }
    if (EqualsNoCase(name, "bindtablayoutname")) {
        bindTabName_ = std::string(value);
        return true;
    }
    if (EqualsNoCase(name, "bindtabindex")) {
        auto index = ParseInt(value);
        if (!index)
            return false;
        bindTabIndex_ = *index;
        return true;
    }
    return Button::SetAttribute(name, value);
}

} // namespace ui
