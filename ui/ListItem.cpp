#include "ui/ListItem.h"

namespace ui {

ListItem* AsListItem(Control* control) { return dynamic_cast<ListItem*>(control); }

bool ListItem::HandleRowEvent(Control& row, UiEvent& event)
{
    if (!owner_)
        return false;
    switch (event.type) {
    case EventType::ButtonDown:
    case EventType::RightButtonDown:
        if (row.IsEnabled()) {
            owner_->SelectItem(index_, true, true);
            row.Invalidate();
        }
        return true;
    case EventType::ButtonUp:
        if (row.IsEnabled())
            owner_->ItemClicked(&row);
        return true;
    case EventType::DoubleClick:
        if (row.IsEnabled())
            owner_->ItemActivated(&row);
        return true;
    case EventType::KeyDown:
        if (event.key == Key::Return && row.IsEnabled()) {
            owner_->ItemActivated(&row);
            return true;
        }
        return false;
    default:
        return false;
    }
}

void ListItem::PaintRowBackground(Control& row, Canvas& canvas, uint32_t ownColour) const
{
    uint32_t colour = ownColour;
    if (owner_) {
        const ListItemStyle& style = owner_->GetItemStyle();
        if (!row.IsEnabled() && style.disabledBkColor)
            colour = style.disabledBkColor;
        else if (selected_ && style.selectedBkColor)
            colour = style.selectedBkColor;
        else if (row.IsHot() && style.hotBkColor)
            colour = style.hotBkColor;
        else if (!colour)
            colour = style.bkColor;
    }
    if (colour)
        canvas.FillRect(row.GetPos(), colour);
    if (owner_ && owner_->GetItemStyle().lineColor) {
        const Rect& rc = row.GetPos();
        canvas.DrawLine({rc.left, rc.bottom - 1}, {rc.right, rc.bottom - 1}, 1, owner_->GetItemStyle().lineColor);
    }
}

uint32_t ListItem::RowTextColour(const Control& row, uint32_t ownColour) const
{
    if (!owner_)
        return ownColour;
    const ListItemStyle& style = owner_->GetItemStyle();
    if (!row.IsEnabled() && style.disabledTextColor)
        return style.disabledTextColor;
    if (selected_ && style.selectedTextColor)
        return style.selectedTextColor;
    if (row.IsHot() && style.hotTextColor)
        return style.hotTextColor;
    return ownColour ? ownColour : style.textColor;
}

} // namespace ui
