#pragma once

#include <QPainter>

// The glyphs of the title bar buttons, light strokes on a transparent 16 x 16
// grid; the buttons give them their hot and pushed backgrounds.
namespace skin {

void DrawCloseGlyph(QPainter& painter);
void DrawMinimiseGlyph(QPainter& painter);
void DrawMaximiseGlyph(QPainter& painter);
void DrawRestoreGlyph(QPainter& painter);
void DrawSkinGlyph(QPainter& painter);
void DrawSettingsGlyph(QPainter& painter);
void DrawLightGlyph(QPainter& painter);

} // namespace skin
