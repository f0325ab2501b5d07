#pragma once

#include <QColor>
#include <QPainter>

// The device kinds on a 32 x 32 grid: outlines in one colour, for the
// selector's entries and, drawn larger, the device pages.
namespace skin {

enum class DeviceGlyph { Mouse, Keyboard, HardMousePad, SoftMousePad, Headset, Hub, Unknown };

void DrawDeviceGlyph(QPainter& painter, DeviceGlyph glyph, const QColor& colour);

// A selector entry's icon: the glyph on a 32 x 32 tile, the accent tile when
// selected, with a link mark in the corner while the device takes part in
// synchronised lighting.
void DrawDeviceEntryIcon(QPainter& painter, DeviceGlyph glyph, bool selected, bool synchronised);

} // namespace skin
