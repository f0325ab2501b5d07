#pragma once

#include "ui/ListOwnerBase.h"

namespace ui {

class ComboDropWindow;

// A field showing the selected row of its list; a press opens the rows in a
// drop-down window below it, where choosing one selects it and closes the
// drop-down. Selecting sends "itemselect" (wParam new index, lParam old)
// unless the program selects without a notification. Up, Down and the wheel
// step through the rows.
class Combo : public ListOwnerBase<Container> {
public:
    Combo();
    ~Combo() override;
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;

    bool SelectItem(int index, bool takeFocus = false, bool notify = true) override;
    void ItemClicked(Control* row) override;
    void ItemActivated(Control* row) override;
    std::string GetText() const override;

    // The drop-down's size at 96 DPI (width 0: the combo's width; height:
    // the most it grows to).
    Size GetDropBoxSize() const { return dropBoxSize_; }
    uint32_t GetDropBoxBkColor() const { return dropBoxBkColor_; }
    uint32_t GetDropBoxBorderColor() const { return dropBoxBorderColor_; }
    bool ShowDropDown();
    void CloseDropDown();
    ComboDropWindow* GetDropDown() const { return dropDown_; }
    // Called by the drop-down window when it goes.
    void DropDownClosed();

    bool Remove(Control* control, bool doNotDestroy = false) override;
    void SetPos(const Rect& rect) override;
    Control* HitTest(Point pt) override;
    void DoPaint(Canvas& canvas, const Rect& dirty) override;
    void DoEvent(UiEvent& event) override;
    bool SetAttribute(std::string_view name, std::string_view value) override;

private:
    bool Step(int direction);
    Size dropBoxSize_{0, 150};
    uint32_t dropBoxBkColor_ = 0xFF242832;
    uint32_t dropBoxBorderColor_ = 0xFF2E3340;
    ComboDropWindow* dropDown_ = nullptr;
};

} // namespace ui
