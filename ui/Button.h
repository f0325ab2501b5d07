#pragma once

#include "ui/Label.h"

namespace ui {

// A label that can be pressed: hot while the pointer is over it, pushed while
// a press that began on it is held inside, "click" when the press is released
// inside (or Return / Space while it has the focus).
class Button : public Label {
public:
    Button();
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;

    void DoEvent(UiEvent& event) override;
    bool Activate() override;
};

} // namespace ui
