#pragma once

#include "ui/ListOwner.h"
#include "ui/VerticalLayout.h"

namespace ui {

class ListItem;

// Rows one below the other with a vertical scroll bar when they overflow.
// One row is selected at a time: a press selects it ("itemselect" from the
// list, wParam new index, lParam old), a release sends "itemclick" and a
// double click or Return "itemactivate" (both from the row). Up and Down move
// the selection.
class List : public VerticalLayout, public ListOwner {
public:
    List();
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;

    const ListItemStyle& GetItemStyle() const override { return style_; }
    ListItemStyle& ItemStyle() { return style_; }
    int GetCurSel() const override { return current_; }
    bool SelectItem(int index, bool takeFocus = false, bool notify = true) override;
    void ItemClicked(Control* row) override;
    void ItemActivated(Control* row) override;

    bool AddAt(Control* control, int index) override;
    bool Remove(Control* control, bool doNotDestroy = false) override;
    void RemoveAll() override;
    void DoEvent(UiEvent& event) override;
    bool SetAttribute(std::string_view name, std::string_view value) override;

private:
    void Reindex();
    ListItemStyle style_;
    int current_ = -1;
};

// The list row interface of a control, or nullptr when it is no row.
ListItem* AsListItem(Control* control);

} // namespace ui
