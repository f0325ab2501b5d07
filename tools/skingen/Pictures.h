#pragma once

#include <QPainter>

namespace skin {

// The program's icon on a 64-unit grid: the accent chevron on a dark tile.
void DrawProgramIcon(QPainter& painter);

// The empty state on a 200 x 120 grid: a mouse and a keyboard in outline,
// waiting for a cable.
void DrawNoDevicePicture(QPainter& painter);

} // namespace skin
