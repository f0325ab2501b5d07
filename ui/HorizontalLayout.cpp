#include "ui/HorizontalLayout.h"

namespace ui {

std::string_view HorizontalLayout::GetClass() const { return "HorizontalLayoutUI"; }

bool HorizontalLayout::IsClass(std::string_view name) const
{
    return MatchesClass(name, "HorizontalLayout") || Container::IsClass(name);
}

} // namespace ui
