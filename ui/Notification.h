#pragma once

#include "ui/Geometry.h"
#include "ui/Messages.h"

#include <cstdint>
#include <string>

namespace ui {

class Control;

// A control's report to its window: "click", "selectchanged", "valuechanged",
// "itemselect", "textchanged", "timer", "windowinit" and the others.
struct Notification {
    std::string type;
    Control* sender = nullptr;
    WParam wParam = 0;
    LParam lParam = 0;
    Point pt;               // pointer position when it was sent
    uint64_t timestamp = 0;
};

class NotifyReceiver {
public:
    virtual ~NotifyReceiver() = default;
    virtual void Notify(Notification& notification) = 0;

};

// Sees every message of a window before the window's own handler; setting
// handled stops it there.
class MessageFilter {
public:
    virtual ~MessageFilter() = default;
    virtual LResult MessageHandler(MessageId message, WParam wParam, LParam lParam, bool& handled) = 0;

};

} // namespace ui
