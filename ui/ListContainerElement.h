#pragma once

#include "ui/ListItemBase.h"

namespace ui {

// A list row holding other controls side by side. Presses on children that
// do not use them reach the row and select it.
class ListContainerElement : public ListItemBase<HorizontalLayout> {
public:
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;
};

} // namespace ui
