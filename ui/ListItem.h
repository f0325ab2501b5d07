#pragma once

#include "ui/Canvas.h"
#include "ui/Control.h"
#include "ui/ListOwner.h"

namespace ui {

// The part every list row shares, whatever control it is: its owner, index
// and selected state, the owner's colours, and the pointer handling that
// selects and activates it.
class ListItem {
public:
    virtual ~ListItem() = default;
    ListOwner* GetOwner() const { return owner_; }
    void SetOwner(ListOwner* owner) { owner_ = owner; }
    int GetIndex() const { return index_; }
    void SetIndex(int index) { index_ = index; }
    bool IsSelected() const { return selected_; }

    // The row controls of the toolkit have them from ListItemBase.
    virtual bool Select(bool selected = true) = 0;
    virtual Control* AsControl() = 0;

    // Handles a row event; false when the row has nothing to do with it.
    bool HandleRowEvent(Control& row, UiEvent& event);
    void PaintRowBackground(Control& row, Canvas& canvas, uint32_t ownColour) const;
    uint32_t RowTextColour(const Control& row, uint32_t ownColour) const;

    ListOwner* owner_ = nullptr;
    int index_ = -1;
    bool selected_ = false;
};

// The list row interface of a control, or nullptr when it is no row.
ListItem* AsListItem(Control* control);

} // namespace ui
