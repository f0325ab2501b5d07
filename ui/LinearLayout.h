#pragma once

#include "ui/Container.h"

namespace ui {

// The row or column placement shared by the vertical and horizontal layouts.
// Along the main axis:
// - a child with a fixed size gets it (clamped to its min and max);
// - the space left over after fixed children, the children's paddings and the
//   child padding between neighbours is shared equally by the stretching
//   children; a share below a child's min or above its max is clamped, that
//   child then counts as fixed, and the rest is shared again; integer
//   remainders go to the last stretching child;
// - children follow each other from the start of the area, each after its
//   leading padding and before its trailing padding, with the child padding
//   between neighbours.
// Across: the fixed size or the area less the child's padding, clamped, placed
// after the child's leading padding.
class LinearLayout : public Container {
public:
    explicit LinearLayout(bool vertical) : vertical_(vertical) {}

protected:
    Size LayoutChildren(const Rect& area) override;

private:
    bool vertical_;
};

} // namespace ui
