#include "ui/VerticalLayout.h"

namespace ui {

std::string_view VerticalLayout::GetClass() const { return "VerticalLayoutUI"; }

bool VerticalLayout::IsClass(std::string_view name) const
{
    return MatchesClass(name, "VerticalLayout") || Container::IsClass(name);
}

} // namespace ui
