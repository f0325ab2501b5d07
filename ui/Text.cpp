#include "ui/Text.h"

#include "ui/FontInfo.h"

namespace ui {

Text::Text() { textStyle_ = TextStyle::Left | TextStyle::Top | TextStyle::WordBreak; }

std::string_view Text::GetClass() const { return "TextUI"; }

bool Text::IsClass(std::string_view name) const { return MatchesClass(name, "Text") || Label::IsClass(name); }

} // namespace ui
