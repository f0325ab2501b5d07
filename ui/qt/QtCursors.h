#pragma once

#include <QCursor>
#include <string_view>

namespace ui {

// The cursor for a control's "cursor" name: arrow, ibeam, wait, cross,
// uparrow, size, icon, sizenwse, sizenesw, sizewe, sizens, sizeall, no, hand.
// Unknown names give the arrow.
QCursor CursorForName(std::string_view name);

} // namespace ui
