#pragma once

#include "ui/Control.h"

#include <memory>
#include <vector>

namespace ui {

class ScrollBar;

// A control that holds others. The plain container gives every child the
// whole content area (its rectangle less the inset), honouring the child's
// fixed width and height from the top-left corner; the layouts derived from it
// place children in a row or column instead.
//
// Rules shared by all containers:
// - hidden children take no space;
// - float children are placed by their "pos" relative to the container's
//   top-left corner (width and height from pos, or the fixed size when pos
//   gives none) and do not scroll;
// - with "vscrollbar" / "hscrollbar" on, content larger than the area shows a
//   scroll bar along the right / bottom edge, which takes its width from the
//   area, and the content moves by the scroll position.
class Container : public Control {
public:
    Container();
    ~Container() override;

    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;

    int GetCount() const { return static_cast<int>(items_.size()); }
    Control* GetItemAt(int index) const;
    int GetItemIndex(const Control* control) const;
    bool SetItemIndex(Control* control, int index);
    // Takes ownership (unless auto-destroy is off). False for nullptr.
    virtual bool Add(Control* control);
    virtual bool AddAt(Control* control, int index);
    // Removes and, with auto-destroy, deletes the child once the current
    // event is over. doNotDestroy hands ownership back to the caller.
    virtual bool Remove(Control* control, bool doNotDestroy = false);
    bool RemoveAt(int index, bool doNotDestroy = false);
    virtual void RemoveAll();
    void SetAutoDestroy(bool on) { autoDestroy_ = on; }

    const Rect& GetInset() const { return inset_; }
    void SetInset(const Rect& inset);
    int GetChildPadding() const { return childPadding_; }
    void SetChildPadding(int padding);
    bool IsMouseChildEnabled() const { return mouseChild_; }
    void SetMouseChildEnabled(bool on) { mouseChild_ = on; }

    void EnableScrollBar(bool vertical, bool horizontal);
    ScrollBar* GetVerticalScrollBar() const { return vScroll_.get(); }
    ScrollBar* GetHorizontalScrollBar() const { return hScroll_.get(); }
    Size GetScrollPos() const;
    Size GetScrollRange() const;
    virtual void SetScrollPos(Size pos);
    // Scrolls so that the child's rectangle lies in the content area.
    void EnsureVisible(Control* child);

    void SetManager(PaintManager* manager, Control* parent, bool init = true) override;
    Control* FindIf(const std::function<bool(Control*)>& visit) override;
    Control* HitTest(Point pt) override;
    void SetVisible(bool visible) override;
    void SetInternVisible(bool visible) override;
    void SetPos(const Rect& rect) override;
    void DoPaint(Canvas& canvas, const Rect& dirty) override;
    void DoEvent(UiEvent& event) override;
    bool SetAttribute(std::string_view name, std::string_view value) override;

protected:
    // Places the non-float children inside `area` (already moved by the
    // scroll position) and answers the size the content needs.
    virtual Size LayoutChildren(const Rect& area);
    // Places one float child.
    void PlaceFloat(Control* child);
    // A child's size on one axis: its fixed size clamped to min and max, or
    // `available` less its padding when it stretches.
    static int ChildExtent(int fixed, int available, int minimum, int maximum);
    // The clip the non-float children are drawn in.
    Rect ContentClip() const;

    std::vector<Control*> items_;
    bool autoDestroy_ = true;
    Rect inset_;
    int childPadding_ = 0;
    bool mouseChild_ = true;
    std::unique_ptr<ScrollBar> vScroll_;
    std::unique_ptr<ScrollBar> hScroll_;
    int scrollBarSize_ = 8;

private:
    void ApplyScrollBars(const Rect& rect, Size content, Rect& area);
};

} // namespace ui
