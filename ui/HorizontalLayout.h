#pragma once

#include "ui/LinearLayout.h"

namespace ui {

// Children side by side; see LinearLayout for the rules.
class HorizontalLayout : public LinearLayout {
public:
    HorizontalLayout() : LinearLayout(false) {}
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;
};

} // namespace ui
