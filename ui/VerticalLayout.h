#pragma once

#include "ui/LinearLayout.h"

namespace ui {

// Children one below the other; see LinearLayout for the rules.
class VerticalLayout : public LinearLayout {
public:
    VerticalLayout() : LinearLayout(true) {}
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;
};

} // namespace ui
