#pragma once

#include "ui/ListItemBase.h"

namespace ui {

// A list or combo row showing one text, in the owner's row colours and font.
class ListLabelElement : public ListItemBase<Control> {
public:
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;

    std::string GetText() const override;

protected:
    void PaintText(Canvas& canvas) override;
};

} // namespace ui
