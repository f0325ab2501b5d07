#pragma once

#include "ui/WindowImplBase.h"

namespace ui {

class Combo;
class VerticalLayout;

// The drop-down of a combo: a popup below the field that lends the combo's
// rows for as long as it is open. A click outside, Escape or choosing a row
// closes it; the rows then go back to the combo.
class ComboDropWindow : public WindowImplBase {
public:
    // Opens the drop-down of combo; nullptr when it cannot be made.
    static ComboDropWindow* Open(Combo* combo);
    void CloseDropDown();

    std::string GetWindowClassName() const override { return "ComboDropWindow"; }
    LResult HandleMessage(MessageId message, WParam wParam, LParam lParam) override;

protected:
    LResult OnCreate() override;
    void OnFinalMessage(WindowHandle handle) override;

private:
    explicit ComboDropWindow(Combo* combo) : combo_(combo) {}
    void GiveRowsBack();
    Combo* combo_;
    VerticalLayout* list_ = nullptr;
    bool closing_ = false;
};

} // namespace ui
