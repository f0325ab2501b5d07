#pragma once

#include "ui/ListOwnerBase.h"

namespace ui {

// Rows one below the other with a vertical scroll bar when they overflow.
// One row is selected at a time: a press selects it ("itemselect" from the
// list, wParam new index, lParam old), a release sends "itemclick" and a
// double click or Return "itemactivate" (both from the row). Up and Down move
// the selection.
class List : public ListOwnerBase<VerticalLayout> {
public:
    List();
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;

    bool SelectItem(int index, bool takeFocus = false, bool notify = true) override;
    void ItemClicked(Control* row) override;
    void ItemActivated(Control* row) override;

    void DoEvent(UiEvent& event) override;
};

} // namespace ui
