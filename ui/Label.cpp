#include "ui/Label.h"

namespace ui {

std::string_view Label::GetClass() const { return "LabelUI"; }

bool Label::IsClass(std::string_view name) const { return MatchesClass(name, "Label") || Control::IsClass(name); }

} // namespace ui
