#include "ui/MenuElement.h"

#include "ui/PaintManager.h"

namespace ui {

std::string_view MenuElement::GetClass() const { return "MenuElementUI"; }

bool MenuElement::IsClass(std::string_view name) const
{
    return MatchesClass(name, "MenuElement") || ListContainerElement::IsClass(name);
}

void MenuElement::PaintText(Canvas& canvas)
{
    std::string text = GetText();
    if (text.empty())
        return;
    uint32_t colour = RowTextColour(*this, CurrentTextColor());
    if (colour == 0 && manager_)
        colour = manager_->DefaultTextColor(IsEnabled());
    const ListItemStyle* style = owner_ ? &owner_->GetItemStyle() : nullptr;
    const FontInfo font = manager_ ? manager_->GetFont(font_ >= 0 ? font_ : (style ? style->font : -1)) : FontInfo{};
    canvas.DrawText(pos_.Deflate(Scale(textPadding_)), text, font, colour, textStyle_);
}

} // namespace ui
