#include "ui/List.h"

#include "ui/ListItem.h"
#include "ui/PaintManager.h"

namespace ui {

List::List() { EnableScrollBar(true, false); }

std::string_view List::GetClass() const { return "ListUI"; }

bool List::IsClass(std::string_view name) const { return MatchesClass(name, "List") || VerticalLayout::IsClass(name); }

bool List::SelectItem(int index, bool takeFocus, bool notify)
{
    if (index == current_)
        return true;
    ListItem* next = nullptr;
    if (index >= 0) {
        next = AsListItem(GetItemAt(index));
        if (!next || !next->AsControl()->IsVisible() || !next->AsControl()->IsEnabled())
            return false;
    }
    if (ListItem* old = AsListItem(GetItemAt(current_)))
        old->Select(false);
    const int old = current_;
    current_ = index;
    if (next) {
        next->Select(true);
        EnsureVisible(next->AsControl());
    }
    if (takeFocus)
        SetFocus();
    if (notify)
        Notify("itemselect", static_cast<WParam>(current_), old);
    return true;
}

void List::ItemClicked(Control* row)
{
    if (manager_)
        manager_->SendNotify(row, "itemclick");
}

void List::ItemActivated(Control* row)
{
    if (manager_)
        manager_->SendNotify(row, "itemactivate");
}

void List::DoEvent(UiEvent& event)
{
    if (event.type == EventType::KeyDown && (event.key == Key::Up || event.key == Key::Down)) {
        const int step = event.key == Key::Up ? -1 : 1;
        for (int i = current_ + step; i >= 0 && i < GetCount(); i += step)
            if (SelectItem(i, true, true))
                break;
        return;
    }
    VerticalLayout::DoEvent(event);
}

} // namespace ui
