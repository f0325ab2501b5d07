#include "ui/Button.h"

#include "ui/FontInfo.h"

namespace ui {

Button::Button() { textStyle_ = TextStyle::Center | TextStyle::VCenter | TextStyle::SingleLine; }

std::string_view Button::GetClass() const { return "ButtonUI"; }

bool Button::IsClass(std::string_view name) const { return MatchesClass(name, "Button") || Label::IsClass(name); }

void Button::DoEvent(UiEvent& event)
{
    switch (event.type) {
    case EventType::ButtonDown:
    case EventType::DoubleClick:
        if (IsEnabled() && pos_.Contains(event.pt))
            SetState(ControlState::Pushed | ControlState::Captured, true);
        return;
    case EventType::PointerMove:
        if (state_ & ControlState::Captured)
            SetState(ControlState::Pushed, pos_.Contains(event.pt));
        return;
    case EventType::ButtonUp:
        if (state_ & ControlState::Captured) {
            const bool inside = pos_.Contains(event.pt);
            SetState(ControlState::Pushed | ControlState::Captured, false);
            if (inside)
                Activate();
        }
        return;
    case EventType::PointerEnter:
        if (IsEnabled())
            SetState(ControlState::Hot, true);
        return;
    case EventType::PointerLeave:
        SetState(ControlState::Hot, false);
        return;
    case EventType::KeyDown:
        if (IsEnabled() && (event.key == Key::Return || event.key == ' ')) {
            Activate();
            return;
        }
        break;
    default:
        break;
    }
    Label::DoEvent(event);
}

bool Button::Activate()
{
    if (!Control::Activate())
        return false;
    Notify("click");
    return true;
}

} // namespace ui
