#include "ui/ListLabelElement.h"

#include "ui/PaintManager.h"
#include "ui/ResourceManager.h"

namespace ui {

std::string_view ListLabelElement::GetClass() const { return "ListLabelElementUI"; }

bool ListLabelElement::IsClass(std::string_view name) const
{
    return MatchesClass(name, "ListLabelElement") || MatchesClass(name, "ListItem") || Control::IsClass(name);
}

std::string ListLabelElement::GetText() const
{
    if (!resourceText_ && owner_ && owner_->GetItemStyle().resourceText)
        return ResourceManager::Instance().Translate(text_);
    return Control::GetText();
}

void ListLabelElement::PaintText(Canvas& canvas)
{
    std::string text = GetText();
    if (text.empty())
        return;
    const ListItemStyle* style = owner_ ? &owner_->GetItemStyle() : nullptr;
    uint32_t colour = RowTextColour(*this, CurrentTextColor());
    if (colour == 0 && manager_)
        colour = manager_->DefaultTextColor(IsEnabled());
    int fontId = font_ >= 0 ? font_ : (style ? style->font : -1);
    Rect padding = textPadding_.IsEmpty() && style ? style->textPadding : textPadding_;
    unsigned textStyle = style ? style->textStyle : textStyle_;
    const FontInfo font = manager_ ? manager_->GetFont(fontId) : FontInfo{};
    canvas.DrawText(pos_.Deflate(Scale(padding)), text, font, colour, textStyle);
}

} // namespace ui
