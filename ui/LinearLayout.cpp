#include "ui/LinearLayout.h"

#include <algorithm>

namespace ui {

namespace {

struct Slot {
    Control* control;
    int lead;     // padding before, main axis
    int trail;    // padding after, main axis
    int crossLead;
    int crossTrail;
    int fixed;    // scaled fixed size on the main axis, 0 stretches
    int minimum;
    int maximum;
    int size = 0;
    bool stretch = false;
};

} // namespace

Size LinearLayout::LayoutChildren(const Rect& area)
{
    std::vector<Slot> slots;
    for (Control* item : items_) {
        if (!item->IsVisible() || item->IsFloat())
            continue;
        Rect pad = Scale(item->GetPadding());
        Slot slot{item,
                  vertical_ ? pad.top : pad.left,
                  vertical_ ? pad.bottom : pad.right,
                  vertical_ ? pad.left : pad.top,
                  vertical_ ? pad.right : pad.bottom,
                  Scale(vertical_ ? item->GetFixedHeight() : item->GetFixedWidth()),
                  Scale(vertical_ ? item->GetMinHeight() : item->GetMinWidth()),
                  Scale(vertical_ ? item->GetMaxHeight() : item->GetMaxWidth())};
        slot.stretch = slot.fixed == 0;
        if (!slot.stretch)
            slot.size = ChildExtent(slot.fixed, 0, slot.minimum, slot.maximum);
        slots.push_back(slot);
    }
    const int length = vertical_ ? area.Height() : area.Width();
    const int cross = vertical_ ? area.Width() : area.Height();
    const int gaps = slots.empty() ? 0 : Scale(childPadding_) * static_cast<int>(slots.size() - 1);

    // Share the rest among the stretching children until no share is clamped.
    bool changed = true;
    while (changed) {
        changed = false;
        int used = gaps;
        int stretching = 0;
        for (const Slot& slot : slots) {
            used += slot.lead + slot.trail;
            if (slot.stretch)
                ++stretching;
            else
                used += slot.size;
        }
        if (stretching == 0)
            break;
        const int rest = std::max(length - used, 0);
        const int share = rest / stretching;
        int given = 0;
        int seen = 0;
        for (Slot& slot : slots) {
            if (!slot.stretch)
                continue;
            ++seen;
            int wanted = seen == stretching ? rest - given : share;
            slot.size = wanted;
            given += wanted;
            if (wanted < slot.minimum || wanted > slot.maximum) {
                slot.size = std::clamp(wanted, slot.minimum, std::max(slot.minimum, slot.maximum));
                slot.stretch = false;
                changed = true;
            }
        }
    }

    Size need;
    int cursor = vertical_ ? area.top : area.left;
    int needMain = 0;
    for (size_t i = 0; i < slots.size(); ++i) {
        Slot& slot = slots[i];
        Control* item = slot.control;
        const int fixedCross = Scale(vertical_ ? item->GetFixedWidth() : item->GetFixedHeight());
        const int crossSize = ChildExtent(fixedCross, cross - slot.crossLead - slot.crossTrail,
                                          Scale(vertical_ ? item->GetMinWidth() : item->GetMinHeight()),
                                          Scale(vertical_ ? item->GetMaxWidth() : item->GetMaxHeight()));
        cursor += slot.lead;
        const int crossStart = (vertical_ ? area.left : area.top) + slot.crossLead;
        if (vertical_)
            item->SetPos({crossStart, cursor, crossStart + crossSize, cursor + slot.size});
        else
            item->SetPos({cursor, crossStart, cursor + slot.size, crossStart + crossSize});
        cursor += slot.size + slot.trail;
        // Stretching children need only their minimum, so they never cause scrolling.
        needMain += slot.lead + slot.trail + (slot.fixed > 0 || !slot.stretch ? slot.size : slot.minimum);
        if (i + 1 < slots.size()) {
            cursor += Scale(childPadding_);
            needMain += Scale(childPadding_);
        }
        const int needCross = slot.crossLead + crossSize + slot.crossTrail;
        if (vertical_)
            need.cx = std::max(need.cx, needCross);
        else
            need.cy = std::max(need.cy, needCross);
    }
    (vertical_ ? need.cy : need.cx) = needMain;
    return need;
}

} // namespace ui
