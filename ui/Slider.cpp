#include "ui/Slider.h"

#include "ui/AttributeValue.h"
#include "ui/Canvas.h"

#include <algorithm>

namespace ui {

std::string_view Slider::GetClass() const { return "SliderUI"; }

bool Slider::IsClass(std::string_view name) const { return MatchesClass(name, "Slider") || Progress::IsClass(name); }

void Slider::SetThumbImage(std::string image)
{
    thumbImage_ = std::move(image);
    Invalidate();
}

Rect Slider::GetThumbRect() const
{
    const int tw = Scale(thumbSize_.cx);
    const int th = Scale(thumbSize_.cy);
    const int range = std::max(max_ - min_, 1);
    const int value = std::clamp(value_, min_, max_);
    if (horizontal_) {
        const int left = pos_.left + static_cast<int>(static_cast<long long>(pos_.Width() - tw) * (value - min_) / range);
        const int top = pos_.top + (pos_.Height() - th) / 2;
        return {left, top, left + tw, top + th};
    }
    const int top = pos_.bottom - th - static_cast<int>(static_cast<long long>(pos_.Height() - th) * (value - min_) / range);
    const int left = pos_.left + (pos_.Width() - tw) / 2;
    return {left, top, left + tw, top + th};
}

int Slider::Snap(int value) const
{
    value = std::clamp(value, min_, max_);
    const int offset = value - min_;
    const int snapped = min_ + (offset + step_ / 2) / step_ * step_;
    return std::min(snapped, max_);
}

int Slider::ValueAt(Point pt) const
{
    const int tw = Scale(thumbSize_.cx);
    const int th = Scale(thumbSize_.cy);
    const long long range = static_cast<long long>(max_) - min_;
    if (horizontal_) {
        const int travel = std::max(pos_.Width() - tw, 1);
        const int along = std::clamp(pt.x - pos_.left - tw / 2, 0, travel);
        return min_ + static_cast<int>((range * along + travel / 2) / travel);
    }
    const int travel = std::max(pos_.Height() - th, 1);
    const int along = std::clamp(pos_.bottom - th / 2 - pt.y, 0, travel);
    return min_ + static_cast<int>((range * along + travel / 2) / travel);
}

void Slider::DoEvent(UiEvent& event)
{
    if (!IsEnabled() && event.type != EventType::PointerLeave) {
        Progress::DoEvent(event);
        return;
    }
    switch (event.type) {
    case EventType::ButtonDown:
    case EventType::DoubleClick:
        SetState(ControlState::Captured | ControlState::Pushed, true);
        dragging_ = GetThumbRect().Contains(event.pt);
        if (!dragging_) {
            // A press on the track jumps there and the drag goes on from it.
            const int value = Snap(ValueAt(event.pt));
            if (value != value_)
                SetValue(value);
            dragging_ = true;
        }
        return;
    case EventType::PointerMove:
        if (dragging_) {
            const int value = Snap(ValueAt(event.pt));
            if (value != value_) {
                SetValue(value);
                Notify("movevaluechanged");
            }
        }
        return;
    case EventType::ButtonUp:
        if (state_ & ControlState::Captured) {
            SetState(ControlState::Captured | ControlState::Pushed, false);
            dragging_ = false;
            Notify("valuechanged");
        }
        return;
    case EventType::PointerEnter:
        SetState(ControlState::Hot, true);
        return;
    case EventType::PointerLeave:
        SetState(ControlState::Hot, false);
        return;
    case EventType::Wheel:
    case EventType::KeyDown: {
        int direction = 0;
        if (event.type == EventType::Wheel)
            direction = event.key > 0 ? 1 : (event.key < 0 ? -1 : 0);
        else if (event.key == Key::Right || event.key == Key::Up)
            direction = 1;
        else if (event.key == Key::Left || event.key == Key::Down)
            direction = -1;
        if (direction == 0)
            break;
        const int value = Snap(value_ + direction * step_);
        if (value != value_) {
            SetValue(value);
            Notify("valuechanged");
        }
        return;
    }
    default:
        break;
    }
    Progress::DoEvent(event);
}

void Slider::PaintForeColor(Canvas& canvas)
{
    if (foreColor_ == 0 || !foreImage_.empty())
        return;
    // The fill reaches the middle of the thumb.
    Rect thumb = GetThumbRect();
    Rect filled = pos_;
    if (horizontal_)
        filled.right = (thumb.left + thumb.right) / 2;
    else
        filled.top = (thumb.top + thumb.bottom) / 2;
    if (!filled.IsEmpty())
        canvas.FillRect(filled, foreColor_);
}

void Slider::PaintStatusImage(Canvas& canvas)
{
    Progress::PaintStatusImage(canvas);
    Rect thumb = GetThumbRect();
    const std::string* image = &thumbImage_;
    if ((state_ & ControlState::Pushed) && !thumbPushedImage_.empty())
        image = &thumbPushedImage_;
    else if ((state_ & ControlState::Hot) && !thumbHotImage_.empty())
        image = &thumbHotImage_;
    if (image->empty()) {
        if (thumbColor_)
            canvas.FillEllipse(thumb, thumbColor_);
        return;
    }
    DrawImage(canvas, *image, thumb);
}

bool Slider::SetAttribute(std::string_view name, std::string_view value)
{
    auto is = [&](const char* key) { return EqualsNoCase(name, key); };
    if (is("step")) {
        auto step = ParseInt(value);
        if (!step || *step <= 0)
            return false;
        step_ = *step;
        return true;
    }
    if (is("thumbsize")) {
        auto size = ParseSize(value);
        if (!size)
            return false;
        thumbSize_ = *size;
        Invalidate();
        return true;
    }
    if (is("thumbimage") || is("thumbnormalimage")) {
        SetThumbImage(std::string(value));
        return true;
    }
    if (is("thumbhotimage")) {
        thumbHotImage_ = std::string(value);
        return true;
    }
    if (is("thumbpushedimage")) {
        thumbPushedImage_ = std::string(value);
        return true;
    }
    if (is("thumbcolor")) {
        auto colour = ParseColour(value);
        if (!colour)
            return false;
        thumbColor_ = *colour;
        return true;
    }
    return Progress::SetAttribute(name, value);
}

} // namespace ui
