#include "tools/skingen/WindowGlyphs.h"

#include "tools/skingen/SkinPainter.h"

#include <QPainterPath>
#include <cmath>

namespace skin {

void DrawCloseGlyph(QPainter& painter)
{
    painter.setPen(GlyphPen());
    painter.drawLine(QPointF(4, 4), QPointF(12, 12));
    painter.drawLine(QPointF(12, 4), QPointF(4, 12));
}

void DrawMinimiseGlyph(QPainter& painter)
{
    painter.setPen(GlyphPen());
    painter.drawLine(QPointF(4, 8.5), QPointF(12, 8.5));
}

void DrawMaximiseGlyph(QPainter& painter)
{
    painter.setPen(GlyphPen());
    painter.drawRoundedRect(QRectF(4, 4, 8, 8), 1, 1);
}

void DrawRestoreGlyph(QPainter& painter)
{
    painter.setPen(GlyphPen());
    painter.drawRoundedRect(QRectF(3.5, 6, 6.5, 6.5), 1, 1);
    QPainterPath back;
    back.moveTo(6, 6);
    back.lineTo(6, 3.5);
    back.lineTo(12.5, 3.5);
    back.lineTo(12.5, 10);
    back.lineTo(10, 10);
    painter.drawPath(back);
}

// A palette: the background chooser.
void DrawSkinGlyph(QPainter& painter)
{
    painter.setPen(GlyphPen());
    QPainterPath palette;
    palette.moveTo(8, 2.5);
    palette.cubicTo(4.5, 2.5, 2.5, 5, 2.5, 8);
    palette.cubicTo(2.5, 11.5, 5, 13.5, 8, 13.5);
    palette.cubicTo(9.5, 13.5, 9.5, 11.5, 9, 10.5);
    palette.cubicTo(8.5, 9.5, 9.5, 8.8, 10.5, 9);
    palette.cubicTo(12.5, 9.3, 13.5, 8.5, 13.5, 7);
    palette.cubicTo(13.5, 4.5, 11, 2.5, 8, 2.5);
    painter.drawPath(palette);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kAccent);
    painter.drawEllipse(QPointF(5.5, 7), 1, 1);
    painter.setBrush(kText);
    painter.drawEllipse(QPointF(8, 5), 1, 1);
    painter.drawEllipse(QPointF(10.8, 6.2), 1, 1);
}

// A gear with eight teeth.
void DrawSettingsGlyph(QPainter& painter)
{
    painter.setPen(GlyphPen(kText, 1.4));
    QPainterPath gear;
    constexpr int kTeeth = 8;
    for (int i = 0; i < kTeeth * 4; ++i) {
        const double angle = (i - 0.5) * M_PI * 2 / (kTeeth * 4);
        const double radius = (i % 4 == 0 || i % 4 == 1) ? 6.2 : 4.8;
        const QPointF point(8 + radius * std::cos(angle), 8 + radius * std::sin(angle));
        if (i == 0)
            gear.moveTo(point);
        else
            gear.lineTo(point);
    }
    gear.closeSubpath();
    painter.drawPath(gear);
    painter.drawEllipse(QPointF(8, 8), 2, 2);
}

// A lit bulb: the lighting control switch.
void DrawLightGlyph(QPainter& painter)
{
    painter.setPen(GlyphPen());
    QPainterPath bulb;
    bulb.moveTo(6, 11);
    bulb.cubicTo(6, 9.5, 3.5, 8.5, 3.5, 6);
    bulb.cubicTo(3.5, 3.5, 5.5, 1.8, 8, 1.8);
    bulb.cubicTo(10.5, 1.8, 12.5, 3.5, 12.5, 6);
    bulb.cubicTo(12.5, 8.5, 10, 9.5, 10, 11);
    bulb.closeSubpath();
    painter.drawPath(bulb);
    painter.drawLine(QPointF(6.3, 13.5), QPointF(9.7, 13.5));
}

} // namespace skin
