#include "ui/ListItemBase.h"

namespace ui {

template <class Base>
bool ListItemBase<Base>::Select(bool selected)
{
    selected_ = selected;
    this->SetState(ControlState::Selected, selected);
    return true;
}

template <class Base>
void ListItemBase<Base>::DoEvent(UiEvent& event)
{
    if (event.type == EventType::PointerEnter) {
        this->SetState(ControlState::Hot, this->IsEnabled());
        return;
    }
    if (event.type == EventType::PointerLeave) {
        this->SetState(ControlState::Hot, false);
        return;
    }
    if (HandleRowEvent(*this, event))
        return;
    Base::DoEvent(event);
}

template <class Base>
bool ListItemBase<Base>::Activate()
{
    if (!Base::Activate())
        return false;
    if (owner_)
        owner_->ItemActivated(this);
    return true;
}

template <class Base>
void ListItemBase<Base>::PaintBkColor(Canvas& canvas)
{
    PaintRowBackground(*this, canvas, this->bkColor_);
}

template class ListItemBase<Control>;
template class ListItemBase<HorizontalLayout>;

} // namespace ui
