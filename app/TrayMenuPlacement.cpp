#include "app/TrayMenuPlacement.h"

#include "ui/MenuWindow.h"

TrayMenuPlacement TrayMenuPlacement::For(ui::Point cursor, const ui::Rect& screen, const ui::Rect& workArea)
{
    using namespace ui::MenuAlign;
    TrayMenuPlacement placement{cursor, Left | Top};
    if (workArea.top > screen.top) {
        placement.anchor.y = workArea.top + 1;
        placement.align = Right | Top;
    } else if (workArea.left > screen.left) {
        placement.anchor.x = workArea.left + 1;
        placement.align = Left | Bottom;
    } else if (workArea.bottom < screen.bottom) {
        placement.anchor.y = workArea.bottom - 20;
        placement.align = Right | Bottom;
    } else if (workArea.right < screen.right) {
        placement.anchor.x = workArea.right - 1;
        placement.align = Right | Bottom;
    }
    return placement;
}
