#pragma once

#include "ui/Control.h"
#include "ui/HorizontalLayout.h"
#include "ui/ListItem.h"

namespace ui {

// What the toolkit's row controls share, on top of the control they are:
// the selected state, hover, the pointer and key handling of ListItem, the
// owner's notification on activation and the owner's row background.
template <class Base>
class ListItemBase : public Base, public ListItem {
public:
    bool Select(bool selected = true) override;
    Control* AsControl() override { return this; }
    void DoEvent(UiEvent& event) override;
    bool Activate() override;

protected:
    void PaintBkColor(Canvas& canvas) override;
};

extern template class ListItemBase<Control>;
extern template class ListItemBase<HorizontalLayout>;

} // namespace ui
