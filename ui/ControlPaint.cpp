#include "ui/Canvas.h"
#include "ui/Control.h"
#include "ui/PaintManager.h"
#include "ui/ResourceManager.h"

namespace ui {

// Painting order: background colour, background image, status image,
// foreground colour, foreground image, text, border. Program controls hook
// into the stage they extend.
void Control::DoPaint(Canvas& canvas, const Rect& dirty)
{
    if (!IsVisible() || pos_.Intersect(dirty).IsEmpty())
        return;
    canvas.PushClip(pos_);
    PaintBkColor(canvas);
    PaintBkImage(canvas);
    PaintStatusImage(canvas);
    PaintForeColor(canvas);
    PaintForeImage(canvas);
    PaintText(canvas);
    PaintBorder(canvas);
    canvas.PopClip();
}

void Control::PaintBkColor(Canvas& canvas)
{
    uint32_t colour = bkColor_;
    if (!enabled_ && disabledBkColor_)
        colour = disabledBkColor_;
    else if ((state_ & ControlState::Selected) && selectedBkColor_)
        colour = selectedBkColor_;
    else if ((state_ & ControlState::Pushed) && pushedBkColor_)
        colour = pushedBkColor_;
    else if ((state_ & ControlState::Hot) && hotBkColor_)
        colour = hotBkColor_;
    if (colour == 0)
        return;
    Size round = borderRound_;
    if (round.cx > 0 || round.cy > 0)
        canvas.FillRoundRect(pos_, {Scale(round.cx), Scale(round.cy)}, colour);
    else
        canvas.FillRect(pos_, colour);
}

void Control::PaintBkImage(Canvas& canvas)
{
    if (!bkImage_.empty())
        DrawImage(canvas, bkImage_);
}

std::string_view Control::CurrentStatusImage() const
{
    auto pick = [](std::string_view wanted, std::string_view fallback) -> std::string_view {
        return wanted.empty() ? fallback : wanted;
    };
    if (!enabled_)
        return pick(disabledImage_, normalImage_);
    if ((state_ & ControlState::Selected) && !selectedImage_.empty()) {
        if (state_ & ControlState::Pushed)
            return pick(selectedPushedImage_, pick(selectedHotImage_, selectedImage_));
        if (state_ & ControlState::Hot)
            return pick(selectedHotImage_, selectedImage_);
        return selectedImage_;
    }
    if (state_ & ControlState::Pushed)
        return pick(pushedImage_, pick(hotImage_, normalImage_));
    if (state_ & ControlState::Hot)
        return pick(hotImage_, normalImage_);
    if (state_ & ControlState::Focused)
        return pick(focusedImage_, normalImage_);
    return normalImage_;
}

uint32_t Control::CurrentTextColor() const
{
    if (!enabled_)
        return disabledTextColor_ ? disabledTextColor_ : textColor_;
    if ((state_ & ControlState::Selected) && selectedTextColor_)
        return selectedTextColor_;
    if ((state_ & ControlState::Pushed) && pushedTextColor_)
        return pushedTextColor_;
    if ((state_ & ControlState::Hot) && hotTextColor_)
        return hotTextColor_;
    return textColor_;
}

void Control::PaintStatusImage(Canvas& canvas)
{
    std::string_view image = CurrentStatusImage();
    if (!image.empty())
        DrawImage(canvas, image);
}

void Control::PaintForeColor(Canvas&) {}

void Control::PaintForeImage(Canvas& canvas)
{
    if (!foreImage_.empty())
        DrawImage(canvas, foreImage_);
}

void Control::PaintText(Canvas& canvas)
{
    std::string text = GetText();
    if (text.empty())
        return;
    uint32_t colour = CurrentTextColor();
    if (colour == 0 && manager_)
        colour = manager_->DefaultTextColor(enabled_);
    const FontInfo font = manager_ ? manager_->GetFont(font_) : FontInfo{};
    canvas.DrawText(pos_.Deflate(Scale(textPadding_)), text, font, colour, textStyle_);
}

void Control::PaintBorder(Canvas& canvas)
{
    uint32_t colour = (IsFocused() && focusBorderColor_) ? focusBorderColor_ : borderColor_;
    if (borderSize_ <= 0 || colour == 0)
        return;
    if (borderRound_.cx > 0 || borderRound_.cy > 0)
        canvas.DrawRoundRect(pos_, {Scale(borderRound_.cx), Scale(borderRound_.cy)}, Scale(borderSize_), colour);
    else
        canvas.DrawRect(pos_, Scale(borderSize_), colour);
}

bool Control::DrawImage(Canvas& canvas, std::string_view imageText, const ImageTint* tint)
{
    return DrawImage(canvas, imageText, pos_, tint);
}

bool Control::DrawImage(Canvas& canvas, std::string_view imageText, const Rect& area, const ImageTint* tint)
{
    ResourceManager& resources = ResourceManager::Instance();
    const auto& description = resources.Images().Parse(imageText);
    if (!description)
        return false;
    auto image = resources.Images().Get(resources.ResolvePath(description->file));
    if (!image)
        return false;
    ImageDescription scaled = *description;
    if (scaled.dest)
        scaled.dest = Scale(*scaled.dest);
    canvas.DrawImage(area, scaled, *image, tint);
    return true;
}

} // namespace ui
