#pragma once

#include "ui/Container.h"

namespace ui {

// Shows one child at a time (the selected one), filling the content area as
// in the plain container; the others are hidden and take no space.
class TabLayout : public Container {
public:
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;

    int GetCurSel() const { return current_; }
    // Shows child `index`; "tabselect" goes to the window (wParam new index,
    // lParam old) when notify is set and the selection changed.
    bool SelectItem(int index, bool notify = true);
    bool SelectItem(Control* child, bool notify = true);

    bool AddAt(Control* control, int index) override;
    bool Remove(Control* control, bool doNotDestroy = false) override;
    void RemoveAll() override;
    bool SetAttribute(std::string_view name, std::string_view value) override;

private:
    void ShowOnly(int index);
    int current_ = -1;
    int wanted_ = 0; // the selectedid asked for before the child existed
};

} // namespace ui
