#pragma once

#include "ui/Edit.h"

namespace ui {

// Multi-line plain text input: Return starts a new line (unless "wantreturn"
// is false, then it sends "return"); the text wraps at word boundaries.
class RichEdit : public Edit {
public:
    RichEdit();
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;
    bool SetAttribute(std::string_view name, std::string_view value) override;
};

} // namespace ui
