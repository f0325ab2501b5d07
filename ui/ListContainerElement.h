#pragma once

#include "ui/HorizontalLayout.h"
#include "ui/ListItem.h"

namespace ui {

// A list row holding other controls side by side. Presses on children that
// do not use them reach the row and select it.
class ListContainerElement : public HorizontalLayout, public ListItem {
public:
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;

    bool Select(bool selected = true) override;
    Control* AsControl() override { return this; }
    void DoEvent(UiEvent& event) override;
    bool Activate() override;

protected:
    void PaintBkColor(Canvas& canvas) override;
};

} // namespace ui
