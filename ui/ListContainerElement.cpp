#include "ui/ListContainerElement.h"

namespace ui {

std::string_view ListContainerElement::GetClass() const { return "ListContainerElementUI"; }

bool ListContainerElement::IsClass(std::string_view name) const
{
    return MatchesClass(name, "ListContainerElement") || MatchesClass(name, "ListItem") ||
           HorizontalLayout::IsClass(name);
}

} // namespace ui
