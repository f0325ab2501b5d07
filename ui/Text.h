#pragma once

#include "ui/Label.h"

namespace ui {

// Text that wraps at word boundaries, from the top-left corner.
class Text : public Label {
public:
    Text();
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;
};

} // namespace ui
