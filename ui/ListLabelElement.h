#pragma once

#include "ui/ListItem.h"

namespace ui {

// A list or combo row showing one text, in the owner's row colours and font.
class ListLabelElement : public Control, public ListItem {
public:
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;

    std::string GetText() const override;
    bool Select(bool selected = true) override;
    Control* AsControl() override { return this; }
    void DoEvent(UiEvent& event) override;
    bool Activate() override;

protected:
    void PaintBkColor(Canvas& canvas) override;
    void PaintText(Canvas& canvas) override;
};

} // namespace ui
