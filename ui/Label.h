#pragma once

#include "ui/Control.h"

namespace ui {

// One line of text, left aligned and vertically centred unless "align" says
// otherwise.
class Label : public Control {
public:
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;
};

} // namespace ui
