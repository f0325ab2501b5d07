#include "ui/Combo.h"

#include "ui/AttributeValue.h"
#include "ui/Canvas.h"
#include "ui/ComboDropWindow.h"
#include "ui/FontInfo.h"
#include "ui/ListItem.h"
#include "ui/PaintManager.h"

namespace ui {

Combo::Combo()
{
    textStyle_ = TextStyle::Left | TextStyle::VCenter | TextStyle::SingleLine | TextStyle::EndEllipsis;
    textPadding_ = {8, 0, 24, 0};
}

Combo::~Combo() { CloseDropDown(); }

std::string_view Combo::GetClass() const { return "ComboUI"; }

bool Combo::IsClass(std::string_view name) const { return MatchesClass(name, "Combo") || Container::IsClass(name); }

bool Combo::Remove(Control* control, bool doNotDestroy)
{
    // The open drop-down shows the rows; it gives them back before one goes.
    if (GetItemIndex(control) >= 0)
        CloseDropDown();
    return ListOwnerBase::Remove(control, doNotDestroy);
}

bool Combo::SelectItem(int index, bool takeFocus, bool notify)
{
    if (index == current_)
        return true;
    ListItem* next = nullptr;
    if (index >= 0) {
        next = AsListItem(GetItemAt(index));
        if (!next)
            return false;
    }
    if (ListItem* old = AsListItem(GetItemAt(current_)))
        old->Select(false);
    const int old = current_;
    current_ = index;
    if (next)
        next->Select(true);
    if (takeFocus)
        SetFocus();
    Invalidate();
    if (notify)
        Notify("itemselect", static_cast<WParam>(current_), old);
    return true;
}

void Combo::ItemClicked(Control*) { CloseDropDown(); }

void Combo::ItemActivated(Control*) { CloseDropDown(); }

std::string Combo::GetText() const
{
    Control* selected = GetItemAt(current_);
    return selected ? selected->GetText() : std::string();
}

bool Combo::ShowDropDown()
{
    if (dropDown_ || !manager_ || GetCount() == 0 || !IsEnabled())
        return false;
    dropDown_ = ComboDropWindow::Open(this);
    return dropDown_ != nullptr;
}

void Combo::CloseDropDown()
{
    if (dropDown_)
        dropDown_->CloseDropDown();
}

void Combo::DropDownClosed()
{
    dropDown_ = nullptr;
    SetState(ControlState::Pushed, false);
}

void Combo::SetPos(const Rect& rect)
{
    // The rows are laid out in the drop-down, never inside the field.
    Control::SetPos(rect);
}

Control* Combo::HitTest(Point pt) { return Control::HitTest(pt); }

void Combo::DoPaint(Canvas& canvas, const Rect& dirty) { Control::DoPaint(canvas, dirty); }

bool Combo::Step(int direction)
{
    for (int i = current_ + direction; i >= 0 && i < GetCount(); i += direction) {
        Control* row = GetItemAt(i);
        if (AsListItem(row) && row->IsOwnVisible() && row->IsEnabled())
            return SelectItem(i, false, true);
    }
    return false;
}

void Combo::DoEvent(UiEvent& event)
{
    switch (event.type) {
    case EventType::ButtonDown:
    case EventType::DoubleClick:
        if (IsEnabled()) {
            SetState(ControlState::Pushed, true);
            ShowDropDown();
        }
        return;
    case EventType::ButtonUp:
        if (!dropDown_)
            SetState(ControlState::Pushed, false);
        return;
    case EventType::PointerEnter:
        SetState(ControlState::Hot, IsEnabled());
        return;
    case EventType::PointerLeave:
        SetState(ControlState::Hot, false);
        return;
    case EventType::KeyDown:
        if (event.key == Key::Up || event.key == Key::Down) {
            Step(event.key == Key::Up ? -1 : 1);
            return;
        }
        if (event.key == Key::Return || event.key == ' ') {
            ShowDropDown();
            return;
        }
        break;
    case EventType::Wheel:
        if (IsEnabled() && event.key != 0) {
            Step(event.key > 0 ? -1 : 1);
            return;
        }
        break;
    default:
        break;
    }
    Container::DoEvent(event);
}

bool Combo::SetAttribute(std::string_view name, std::string_view value)
{
    if (EqualsNoCase(name, "dropboxsize")) {
        auto size = ParseSize(value);
        if (!size)
            return false;
        dropBoxSize_ = *size;
        return true;
    }
    if (EqualsNoCase(name, "dropboxbkcolor") || EqualsNoCase(name, "dropboxbordercolor")) {
        auto colour = ParseColour(value);
        if (!colour)
            return false;
        (EqualsNoCase(name, "dropboxbkcolor") ? dropBoxBkColor_ : dropBoxBorderColor_) = *colour;
        return true;
    }
    return ListOwnerBase::SetAttribute(name, value);
}

} // namespace ui
