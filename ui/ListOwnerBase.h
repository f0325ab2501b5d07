#pragma once

#include "ui/Container.h"
#include "ui/ListOwner.h"
#include "ui/VerticalLayout.h"

namespace ui {

// The row bookkeeping a list and a combo share, on top of the container they
// are: a row that joins learns its owner and the row height, every row knows
// its index, the selection stays on its row as rows come and go (and clears
// when that row goes), and the "item..." attributes set the row style.
template <class Layout>
class ListOwnerBase : public Layout, public ListOwner {
public:
    const ListItemStyle& GetItemStyle() const override { return style_; }
    ListItemStyle& ItemStyle() { return style_; }
    int GetCurSel() const override { return current_; }

    bool AddAt(Control* control, int index) override;
    bool Remove(Control* control, bool doNotDestroy = false) override;
    bool SetAttribute(std::string_view name, std::string_view value) override;

protected:
    ListItemStyle style_;
    int current_ = -1;

private:
    void Reindex();
};

extern template class ListOwnerBase<Container>;
extern template class ListOwnerBase<VerticalLayout>;

} // namespace ui
