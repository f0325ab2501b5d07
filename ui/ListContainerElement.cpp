#include "ui/ListContainerElement.h"

namespace ui {

std::string_view ListContainerElement::GetClass() const { return "ListContainerElementUI"; }

bool ListContainerElement::IsClass(std::string_view name) const
{
    return MatchesClass(name, "ListContainerElement") || MatchesClass(name, "ListItem") ||
           HorizontalLayout::IsClass(name);
}

bool ListContainerElement::Select(bool selected)
{
    selected_ = selected;
    SetState(ControlState::Selected, selected);
    return true;
}

void ListContainerElement::DoEvent(UiEvent& event)
{
    if (event.type == EventType::PointerEnter) {
        SetState(ControlState::Hot, IsEnabled());
        return;
    }
    if (event.type == EventType::PointerLeave) {
        SetState(ControlState::Hot, false);
        return;
    }
    if (HandleRowEvent(*this, event))
        return;
    HorizontalLayout::DoEvent(event);
}

bool ListContainerElement::Activate()
{
    if (!Control::Activate())
        return false;
    if (owner_)
        owner_->ItemActivated(this);
    return true;
}

void ListContainerElement::PaintBkColor(Canvas& canvas) { PaintRowBackground(*this, canvas, bkColor_); }

} // namespace ui
