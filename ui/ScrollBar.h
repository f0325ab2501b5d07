#pragma once

#include "ui/Control.h"

namespace ui {

class Container;

// The scroll bar of a container: a track and a thumb whose length shows the
// visible part of the content. Dragging the thumb or pressing the track moves
// the owner's content.
class ScrollBar : public Control {
public:
    ScrollBar(Container* owner, bool horizontal);

    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;

    bool IsHorizontal() const { return horizontal_; }
    int GetRange() const { return range_; }
    void SetRange(int range);
    int GetScrollPos() const { return scrollPos_; }
    void SetScrollPos(int pos);
    // The part of the content that is visible, for the thumb's length.
    void SetPage(int page) { page_ = page; }
    Rect GetThumbRect() const;

    void DoEvent(UiEvent& event) override;
    bool SetAttribute(std::string_view name, std::string_view value) override;

protected:
    void PaintStatusImage(Canvas& canvas) override;

private:
    Container* owner_;
    bool horizontal_;
    int range_ = 0;
    int scrollPos_ = 0;
    int page_ = 0;
    bool dragging_ = false;
    Point dragStart_;
    int dragStartPos_ = 0;
    uint32_t thumbColor_ = 0xFF2E3340;
    uint32_t thumbHotColor_ = 0xFF3A4050;
    std::string thumbImage_;
};

} // namespace ui
