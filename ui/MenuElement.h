#pragma once

#include "ui/ListContainerElement.h"

namespace ui {

// One entry of a menu: a row with a text (and any children); choosing it
// reports its name to the menu's owner window.
class MenuElement : public ListContainerElement {
public:
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;

protected:
    void PaintText(Canvas& canvas) override;
};

} // namespace ui
