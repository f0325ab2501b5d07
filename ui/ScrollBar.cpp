#include "ui/ScrollBar.h"

#include "ui/AttributeValue.h"
#include "ui/Canvas.h"
#include "ui/Container.h"

#include <algorithm>

namespace ui {

ScrollBar::ScrollBar(Container* owner, bool horizontal) : owner_(owner), horizontal_(horizontal)
{
    bkColor_ = 0xFF1A1D24;
    visible_ = false;
}

std::string_view ScrollBar::GetClass() const { return "ScrollBarUI"; }

bool ScrollBar::IsClass(std::string_view name) const
{
    return MatchesClass(name, "ScrollBar") || Control::IsClass(name);
}

void ScrollBar::SetRange(int range)
{
    range_ = std::max(range, 0);
    scrollPos_ = std::clamp(scrollPos_, 0, range_);
    Invalidate();
}

void ScrollBar::SetScrollPos(int pos)
{
    pos = std::clamp(pos, 0, range_);
    if (pos == scrollPos_)
        return;
    scrollPos_ = pos;
    Invalidate();
}

Rect ScrollBar::GetThumbRect() const
{
    const int length = horizontal_ ? pos_.Width() : pos_.Height();
    const int total = page_ + range_;
    if (length <= 0 || total <= 0)
        return {};
    const int thumb = std::max(length * page_ / total, std::min(length, Scale(16)));
    const int travel = length - thumb;
    const int offset = range_ > 0 ? travel * scrollPos_ / range_ : 0;
    if (horizontal_)
        return {pos_.left + offset, pos_.top, pos_.left + offset + thumb, pos_.bottom};
    return {pos_.left, pos_.top + offset, pos_.right, pos_.top + offset + thumb};
}

void ScrollBar::PaintStatusImage(Canvas& canvas)
{
    Rect thumb = GetThumbRect();
    if (thumb.IsEmpty())
        return;
    if (!thumbImage_.empty()) {
        DrawImage(canvas, thumbImage_, thumb);
        return;
    }
    canvas.FillRect(thumb, (IsHot() || dragging_) ? thumbHotColor_ : thumbColor_);
}

void ScrollBar::DoEvent(UiEvent& event)
{
    const int along = horizontal_ ? event.pt.x : event.pt.y;
    Rect thumb = GetThumbRect();
    switch (event.type) {
    case EventType::PointerEnter:
        SetState(ControlState::Hot, true);
        break;
    case EventType::PointerLeave:
        SetState(ControlState::Hot, false);
        break;
    case EventType::ButtonDown:
    case EventType::DoubleClick:
        if (thumb.Contains(event.pt)) {
            dragging_ = true;
            dragStart_ = event.pt;
            dragStartPos_ = scrollPos_;
        } else {
            // A press on the track moves by one page towards the pointer.
            const int before = horizontal_ ? thumb.left : thumb.top;
            owner_->SetScrollPos(horizontal_ ? Size{scrollPos_ + (along < before ? -page_ : page_), owner_->GetScrollPos().cy}
                                             : Size{owner_->GetScrollPos().cx, scrollPos_ + (along < before ? -page_ : page_)});
        }
        break;
    case EventType::PointerMove:
        if (dragging_) {
            const int length = horizontal_ ? pos_.Width() : pos_.Height();
            const int travel = length - (horizontal_ ? thumb.Width() : thumb.Height());
            if (travel > 0) {
                const int moved = along - (horizontal_ ? dragStart_.x : dragStart_.y);
                const int pos = dragStartPos_ + moved * range_ / travel;
                owner_->SetScrollPos(horizontal_ ? Size{pos, owner_->GetScrollPos().cy} : Size{owner_->GetScrollPos().cx, pos});
            }
        }
        break;
    case EventType::ButtonUp:
        dragging_ = false;
        Invalidate();
        break;
    case EventType::Wheel:
        owner_->DoEvent(event);
        break;
    default:
        Control::DoEvent(event);
        break;
    }
}

bool ScrollBar::SetAttribute(std::string_view name, std::string_view value)
{
    if (EqualsNoCase(name, "thumbcolor") || EqualsNoCase(name, "thumbhotcolor")) {
        auto colour = ParseColour(value);
        if (!colour)
            return false;
        (EqualsNoCase(name, "thumbcolor") ? thumbColor_ : thumbHotColor_) = *colour;
        return true;
    }
    if (EqualsNoCase(name, "thumbimage")) {
        thumbImage_ = std::string(value);
        return true;
    }
    return Control::SetAttribute(name, value);
}

} // namespace ui
