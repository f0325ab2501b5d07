#include "ui/CheckBox.h"

#include "ui/AttributeValue.h"

namespace ui {

std::string_view CheckBox::GetClass() const { return "CheckBoxUI"; }

bool CheckBox::IsClass(std::string_view name) const { return MatchesClass(name, "CheckBox") || Option::IsClass(name); }

bool CheckBox::Activate()
{
    if (!Button::Activate())
        return false;
    Selected(!selected_);
    Notify("checkclick", selected_ ? 1 : 0);
    return true;
}

bool CheckBox::SetAttribute(std::string_view name, std::string_view value)
{
    // A check box never joins a radio group.
    if (EqualsNoCase(name, "group"))
        return true;
    return Option::SetAttribute(name, value);
}

} // namespace ui
