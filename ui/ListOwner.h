#pragma once

#include "ui/ListItemStyle.h"

namespace ui {

class Control;

// What a list or combo offers the rows it holds.
class ListOwner {
public:
    virtual ~ListOwner() = default;
    virtual const ListItemStyle& GetItemStyle() const = 0;
    virtual int GetCurSel() const = 0;
    // Selects row `index` (-1 clears); "itemselect" goes out when notify is
    // set and the selection changed.
    virtual bool SelectItem(int index, bool takeFocus = false, bool notify = true) = 0;
    // A row was released on ("itemclick") or activated ("itemactivate").
    virtual void ItemClicked(Control* row) = 0;
    virtual void ItemActivated(Control* row) = 0;

};

} // namespace ui
