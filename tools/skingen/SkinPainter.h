#pragma once

#include <QColor>
#include <QPainter>

// The skin's palette and the drawing helpers every generated image shares.
namespace skin {

inline const QColor kWindow{0x12, 0x14, 0x19};
inline const QColor kPanel{0x1A, 0x1D, 0x24};
inline const QColor kRaised{0x24, 0x28, 0x32};
inline const QColor kBorder{0x2E, 0x33, 0x40};
inline const QColor kText{0xE6, 0xE8, 0xEB};
inline const QColor kSecondary{0x8A, 0x90, 0x9C};
inline const QColor kAccent{0x00, 0x99, 0xFF};
inline const QColor kAccentDark{0x00, 0x78, 0xC8};

// Images are drawn on a 16-unit (glyphs) or picture-sized grid and scaled to
// the pixel size asked for, so every image re-renders at 1x and 2x.
void BeginGlyph(QPainter& painter, int pixelSize, qreal units = 16);
QPen GlyphPen(const QColor& colour = kText, qreal width = 1.5);

} // namespace skin
