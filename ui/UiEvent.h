#pragma once

#include "ui/Geometry.h"
#include "ui/Messages.h"

#include <cstdint>
#include <string>

namespace ui {

class Control;

enum class EventType {
    PointerEnter,
    PointerLeave,
    PointerMove,
    ButtonDown,
    ButtonUp,
    DoubleClick,
    RightButtonDown,
    RightButtonUp,
    ContextMenu,
    Wheel,
    KeyDown,
    KeyUp,
    Char,
    SetFocus,
    KillFocus,
    Timer,
};

// One input or timer event on its way to a control.
struct UiEvent {
    EventType type = EventType::PointerMove;
    Control* sender = nullptr;
    Point pt;               // pointer position in client pixels
    int key = 0;            // virtual key (KeyDown, KeyUp); wheel steps, positive away from the user (Wheel)
    std::string text;       // typed text (Char)
    uint32_t modifiers = 0; // Modifier::*
    WParam wParam = 0;      // timer id (Timer)
    LParam lParam = 0;
    uint64_t timestamp = 0; // ms of the event loop's clock
};

} // namespace ui
