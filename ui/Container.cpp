#include "ui/Container.h"

#include "base/Trace.h"
#include "ui/AttributeValue.h"
#include "ui/Canvas.h"
#include "ui/PaintManager.h"
#include "ui/ScrollBar.h"

#include <algorithm>

namespace ui {

Container::Container() = default;

Container::~Container()
{
    if (autoDestroy_)
        for (Control* item : items_)
            delete item;
}

std::string_view Container::GetClass() const { return "ContainerUI"; }

bool Container::IsClass(std::string_view name) const
{
    return MatchesClass(name, "Container") || Control::IsClass(name);
}

Control* Container::GetItemAt(int index) const
{
    if (index < 0 || index >= GetCount())
        return nullptr;
    return items_[static_cast<size_t>(index)];
}

int Container::GetItemIndex(const Control* control) const
{
    auto it = std::find(items_.begin(), items_.end(), control);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

bool Container::SetItemIndex(Control* control, int index)
{
    int current = GetItemIndex(control);
    if (current < 0 || index < 0 || index >= GetCount())
        return false;
    items_.erase(items_.begin() + current);
    items_.insert(items_.begin() + index, control);
    NeedUpdate();
    return true;
}

bool Container::Add(Control* control) { return AddAt(control, GetCount()); }

bool Container::AddAt(Control* control, int index)
{
    if (!control || index < 0 || index > GetCount())
        return false;
    items_.insert(items_.begin() + index, control);
    if (manager_)
        control->SetManager(manager_, this, true);
    else
        control->SetManager(nullptr, this, false);
    control->SetInternVisible(IsVisible());
    NeedUpdate();
    return true;
}

bool Container::Remove(Control* control, bool doNotDestroy)
{
    int index = GetItemIndex(control);
    if (index < 0)
        return false;
    items_.erase(items_.begin() + index);
    NeedUpdate();
    Invalidate();
    if (manager_)
        manager_->ReapSubtree(control);
    if (doNotDestroy || !autoDestroy_)
        return true;
    if (manager_)
        manager_->ScheduleDelete(control);
    else
        delete control;
    return true;
}

bool Container::RemoveAt(int index, bool doNotDestroy)
{
    Control* control = GetItemAt(index);
    return control && Remove(control, doNotDestroy);
}

void Container::RemoveAll()
{
    while (!items_.empty())
        Remove(items_.back());
}

void Container::SetInset(const Rect& inset)
{
    inset_ = inset;
    NeedUpdate();
}

void Container::SetChildPadding(int padding)
{
    childPadding_ = padding;
    NeedUpdate();
}

void Container::EnableScrollBar(bool vertical, bool horizontal)
{
    if (vertical && !vScroll_) {
        vScroll_ = std::make_unique<ScrollBar>(this, false);
        vScroll_->SetManager(manager_, this, manager_ != nullptr);
    } else if (!vertical) {
        if (manager_ && vScroll_)
            manager_->ReapControl(vScroll_.get());
        vScroll_.reset();
    }
    if (horizontal && !hScroll_) {
        hScroll_ = std::make_unique<ScrollBar>(this, true);
        hScroll_->SetManager(manager_, this, manager_ != nullptr);
    } else if (!horizontal) {
        if (manager_ && hScroll_)
            manager_->ReapControl(hScroll_.get());
        hScroll_.reset();
    }
    NeedUpdate();
}

Size Container::GetScrollPos() const
{
    return {hScroll_ && hScroll_->IsOwnVisible() ? hScroll_->GetScrollPos() : 0,
            vScroll_ && vScroll_->IsOwnVisible() ? vScroll_->GetScrollPos() : 0};
}

Size Container::GetScrollRange() const
{
    return {hScroll_ && hScroll_->IsOwnVisible() ? hScroll_->GetRange() : 0,
            vScroll_ && vScroll_->IsOwnVisible() ? vScroll_->GetRange() : 0};
}

void Container::SetScrollPos(Size pos)
{
    Size old = GetScrollPos();
    if (hScroll_)
        hScroll_->SetScrollPos(pos.cx);
    if (vScroll_)
        vScroll_->SetScrollPos(pos.cy);
    if (GetScrollPos() == old)
        return;
    SetPos(pos_);
    Invalidate();
}

void Container::EnsureVisible(Control* child)
{
    Rect clip = ContentClip();
    Rect rc = child->GetPos();
    Size pos = GetScrollPos();
    if (rc.top < clip.top)
        pos.cy -= clip.top - rc.top;
    else if (rc.bottom > clip.bottom)
        pos.cy += std::min(rc.bottom - clip.bottom, rc.top - clip.top);
    if (rc.left < clip.left)
        pos.cx -= clip.left - rc.left;
    else if (rc.right > clip.right)
        pos.cx += std::min(rc.right - clip.right, rc.left - clip.left);
    SetScrollPos(pos);
}

void Container::SetManager(PaintManager* manager, Control* parent, bool init)
{
    for (Control* item : items_)
        item->SetManager(manager, this, init);
    if (vScroll_)
        vScroll_->SetManager(manager, this, init);
    if (hScroll_)
        hScroll_->SetManager(manager, this, init);
    Control::SetManager(manager, parent, init);
}

Control* Container::FindIf(const std::function<bool(Control*)>& visit)
{
    if (visit(this))
        return this;
    for (Control* item : items_)
        if (Control* found = item->FindIf(visit))
            return found;
    return nullptr;
}

Control* Container::HitTest(Point pt)
{
    if (!IsVisible() || !pos_.Contains(pt))
        return nullptr;
    for (ScrollBar* bar : {vScroll_.get(), hScroll_.get()})
        if (bar && bar->IsVisible() && bar->GetPos().Contains(pt))
            return bar;
    if (mouseChild_) {
        const bool inContent = ContentClip().Contains(pt);
        for (auto it = items_.rbegin(); it != items_.rend(); ++it) {
            if (!(*it)->IsFloat() && !inContent)
                continue;
            if (Control* hit = (*it)->HitTest(pt))
                return hit;
        }
    }
    return mouseEnabled_ ? this : nullptr;
}

void Container::SetVisible(bool visible)
{
    if (visible_ == visible)
        return;
    Control::SetVisible(visible);
    for (Control* item : items_)
        item->SetInternVisible(IsVisible());
}

void Container::SetInternVisible(bool visible)
{
    Control::SetInternVisible(visible);
    for (Control* item : items_)
        item->SetInternVisible(IsVisible());
}

int Container::ChildExtent(int fixed, int available, int minimum, int maximum)
{
    int value = fixed > 0 ? fixed : available;
    value = std::min(value, maximum);
    value = std::max(value, minimum);
    return std::max(value, 0);
}

Size Container::LayoutChildren(const Rect& area)
{
    Size need;
    for (Control* item : items_) {
        if (!item->IsVisible() || item->IsFloat())
            continue;
        Rect pad = Scale(item->GetPadding());
        int w = ChildExtent(Scale(item->GetFixedWidth()), area.Width() - pad.left - pad.right,
                            Scale(item->GetMinWidth()), Scale(item->GetMaxWidth()));
        int h = ChildExtent(Scale(item->GetFixedHeight()), area.Height() - pad.top - pad.bottom,
                            Scale(item->GetMinHeight()), Scale(item->GetMaxHeight()));
        Rect rc{area.left + pad.left, area.top + pad.top, area.left + pad.left + w, area.top + pad.top + h};
        item->SetPos(rc);
        need.cx = std::max(need.cx, pad.left + w + pad.right);
        need.cy = std::max(need.cy, pad.top + h + pad.bottom);
    }
    return need;
}

void Container::PlaceFloat(Control* child)
{
    Rect fp = Scale(child->GetFloatPos());
    int w = fp.right > fp.left ? fp.Width() : Scale(child->GetFixedWidth());
    int h = fp.bottom > fp.top ? fp.Height() : Scale(child->GetFixedHeight());
    int left = pos_.left + fp.left;
    int top = pos_.top + fp.top;
    child->SetPos({left, top, left + w, top + h});
}

Rect Container::ContentClip() const
{
    Rect clip = pos_.Deflate(Scale(inset_));
    if (vScroll_ && vScroll_->IsOwnVisible())
        clip.right -= Scale(scrollBarSize_);
    if (hScroll_ && hScroll_->IsOwnVisible())
        clip.bottom -= Scale(scrollBarSize_);
    return clip;
}

void Container::ApplyScrollBars(const Rect& rect, Size content, Rect& area)
{
    const int bar = Scale(scrollBarSize_);
    Rect full = rect.Deflate(Scale(inset_));
    bool needV = vScroll_ && content.cy > full.Height();
    bool needH = hScroll_ && content.cx > full.Width() - (needV ? bar : 0);
    needV = vScroll_ && content.cy > full.Height() - (needH ? bar : 0);
    area = full;
    if (needV)
        area.right -= bar;
    if (needH)
        area.bottom -= bar;
    if (vScroll_) {
        vScroll_->SetVisible(needV);
        vScroll_->SetPage(area.Height());
        vScroll_->SetRange(needV ? content.cy - area.Height() : 0);
        vScroll_->SetPos({area.right, full.top, area.right + bar, area.bottom});
    }
    if (hScroll_) {
        hScroll_->SetVisible(needH);
        hScroll_->SetPage(area.Width());
        hScroll_->SetRange(needH ? content.cx - area.Width() : 0);
        hScroll_->SetPos({full.left, area.bottom, area.right, area.bottom + bar});
    }
}

void Container::SetPos(const Rect& rect)
{
    Control::SetPos(rect);
    Rect area = ContentClip();
    for (int pass = 0; pass < 3; ++pass) {
        Size scroll = GetScrollPos();
        Size content = LayoutChildren(area.Offset(-scroll.cx, -scroll.cy));
        if (!vScroll_ && !hScroll_)
            break;
        Rect next;
        ApplyScrollBars(rect, content, next);
        if (next == area && GetScrollPos() == scroll)
            break;
        area = next;
    }
    for (Control* item : items_)
        if (item->IsVisible() && item->IsFloat())
            PlaceFloat(item);
}

void Container::DoPaint(Canvas& canvas, const Rect& dirty)
{
    if (!IsVisible())
        return;
    Rect paintRect = pos_.Intersect(dirty);
    if (paintRect.IsEmpty())
        return;
    canvas.PushClip(pos_);
    PaintBkColor(canvas);
    PaintBkImage(canvas);
    PaintStatusImage(canvas);
    PaintForeColor(canvas);
    PaintForeImage(canvas);
    PaintText(canvas);
    const Rect content = ContentClip();
    for (Control* item : items_) {
        if (!item->IsVisible())
            continue;
        if (item->IsFloat()) {
            item->DoPaint(canvas, paintRect);
            continue;
        }
        Rect childDirty = paintRect.Intersect(content);
        if (item->GetPos().Intersect(childDirty).IsEmpty())
            continue;
        canvas.PushClip(content);
        item->DoPaint(canvas, childDirty);
        canvas.PopClip();
    }
    for (ScrollBar* bar : {vScroll_.get(), hScroll_.get()})
        if (bar && bar->IsVisible())
            bar->DoPaint(canvas, paintRect);
    PaintBorder(canvas);
    canvas.PopClip();
}

void Container::DoEvent(UiEvent& event)
{
    if (event.type == EventType::Wheel && ((vScroll_ && vScroll_->IsOwnVisible()) || (hScroll_ && hScroll_->IsOwnVisible()))) {
        const int step = Scale(30) * event.key;
        Size pos = GetScrollPos();
        if (vScroll_ && vScroll_->IsOwnVisible())
            pos.cy -= step;
        else
            pos.cx -= step;
        SetScrollPos(pos);
        return;
    }
    Control::DoEvent(event);
}

bool Container::SetAttribute(std::string_view name, std::string_view value)
{
    auto is = [&](const char* key) { return EqualsNoCase(name, key); };
    if (is("inset")) {
        auto rect = ParseRect(value);
        if (!rect)
            return false;
        SetInset(*rect);
        return true;
    }
    if (is("childpadding")) {
        auto padding = ParseInt(value);
        if (!padding)
            return false;
        SetChildPadding(*padding);
        return true;
    }
    if (is("mousechild")) {
        auto on = ParseBool(value);
        if (!on)
            return false;
        mouseChild_ = *on;
        return true;
    }
    if (is("vscrollbar") || is("hscrollbar")) {
        auto on = ParseBool(value);
        if (!on)
            return false;
        EnableScrollBar(is("vscrollbar") ? *on : vScroll_ != nullptr, is("hscrollbar") ? *on : hScroll_ != nullptr);
        return true;
    }
    if (is("scrollbarsize")) {
        auto size = ParseInt(value);
        if (!size || *size < 0)
            return false;
        scrollBarSize_ = *size;
        NeedUpdate();
        return true;
    }
    if (is("vscrollbarstyle") || is("hscrollbarstyle")) {
        ScrollBar* bar = is("vscrollbarstyle") ? vScroll_.get() : hScroll_.get();
        return bar && bar->ApplyAttributeList(value);
    }
    return Control::SetAttribute(name, value);
}

} // namespace ui
