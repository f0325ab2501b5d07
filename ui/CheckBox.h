#pragma once

#include "ui/Option.h"

namespace ui {

// An option that toggles on every click and belongs to no group. A click
// sends "click", "selectchanged" and then "checkclick".
class CheckBox : public Option {
public:
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;
    bool IsChecked() const { return IsSelected(); }
    void SetCheck(bool checked, bool notify = true) { Selected(checked, notify); }
    bool Activate() override;
    bool SetAttribute(std::string_view name, std::string_view value) override;
};

} // namespace ui
