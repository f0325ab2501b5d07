#include "ui/ListOwnerBase.h"

#include "ui/ListItem.h"

namespace ui {

template <class Layout>
void ListOwnerBase<Layout>::Reindex()
{
    for (int i = 0; i < this->GetCount(); ++i)
        if (ListItem* item = AsListItem(this->GetItemAt(i)))
            item->SetIndex(i);
}

template <class Layout>
bool ListOwnerBase<Layout>::AddAt(Control* control, int index)
{
    if (ListItem* item = AsListItem(control)) {
        item->SetOwner(this);
        if (control->GetFixedHeight() == 0 && style_.itemHeight > 0)
            control->SetFixedHeight(style_.itemHeight);
    }
    if (!Layout::AddAt(control, index))
        return false;
    if (current_ >= index)
        ++current_;
    Reindex();
    return true;
}

template <class Layout>
bool ListOwnerBase<Layout>::Remove(Control* control, bool doNotDestroy)
{
    const int index = this->GetItemIndex(control);
    if (index < 0)
        return false;
    if (ListItem* item = AsListItem(control))
        item->SetOwner(nullptr);
    if (!Layout::Remove(control, doNotDestroy))
        return false;
    if (index == current_)
        current_ = -1;
    else if (index < current_)
        --current_;
    Reindex();
    return true;
}

template <class Layout>
bool ListOwnerBase<Layout>::SetAttribute(std::string_view name, std::string_view value)
{
    bool known = false;
    const bool ok = style_.SetAttribute(name, value, known);
    if (!known)
        return Layout::SetAttribute(name, value);
    this->Invalidate();
    return ok;
}

template class ListOwnerBase<Container>;
template class ListOwnerBase<VerticalLayout>;

} // namespace ui
