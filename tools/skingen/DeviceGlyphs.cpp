#include "tools/skingen/DeviceGlyphs.h"

#include "tools/skingen/SkinPainter.h"

#include <QPainterPath>

namespace skin {

namespace {

void DrawMouse(QPainter& painter)
{
    painter.drawRoundedRect(QRectF(10, 5, 12, 22), 6, 6);
    painter.drawLine(QPointF(16, 5), QPointF(16, 12));
    painter.drawLine(QPointF(10, 12), QPointF(22, 12));
}

void DrawKeyboard(QPainter& painter)
{
    painter.drawRoundedRect(QRectF(3, 9, 26, 14), 2.5, 2.5);
    for (int key = 0; key < 5; ++key)
        painter.drawPoint(QPointF(7.5 + key * 4.25, 13.5));
    painter.drawLine(QPointF(10, 18.5), QPointF(22, 18.5));
}

void DrawMousePad(QPainter& painter, bool soft)
{
    painter.drawRoundedRect(QRectF(3, 8, 26, 17), soft ? 5 : 1.5, soft ? 5 : 1.5);
    // The lit edge.
    painter.drawLine(QPointF(6, 21.5), QPointF(26, 21.5));
}

void DrawHeadset(QPainter& painter)
{
    QPainterPath band;
    band.moveTo(7, 18);
    band.cubicTo(7, 6, 25, 6, 25, 18);
    painter.drawPath(band);
    painter.drawRoundedRect(QRectF(5, 17, 5, 9), 2, 2);
    painter.drawRoundedRect(QRectF(22, 17, 5, 9), 2, 2);
}

void DrawHub(QPainter& painter)
{
    painter.drawRoundedRect(QRectF(6, 11, 20, 10), 2, 2);
    for (int port = 0; port < 3; ++port)
        painter.drawLine(QPointF(10 + port * 6, 15), QPointF(10 + port * 6, 17));
}

void DrawUnknown(QPainter& painter)
{
    QPainterPath mark;
    mark.moveTo(12, 12);
    mark.cubicTo(12, 7, 20, 7, 20, 12);
    mark.cubicTo(20, 15, 16, 15, 16, 19);
    painter.drawPath(mark);
    painter.drawPoint(QPointF(16, 24));
}

} // namespace

void DrawDeviceGlyph(QPainter& painter, DeviceGlyph glyph, const QColor& colour)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(GlyphPen(colour, 2));
    switch (glyph) {
    case DeviceGlyph::Mouse:
        DrawMouse(painter);
        break;
    case DeviceGlyph::Keyboard:
        DrawKeyboard(painter);
        break;
    case DeviceGlyph::HardMousePad:
        DrawMousePad(painter, false);
        break;
    case DeviceGlyph::SoftMousePad:
        DrawMousePad(painter, true);
        break;
    case DeviceGlyph::Headset:
        DrawHeadset(painter);
        break;
    case DeviceGlyph::Hub:
        DrawHub(painter);
        break;
    case DeviceGlyph::Unknown:
        DrawUnknown(painter);
        break;
    }
    painter.restore();
}

void DrawDeviceEntryIcon(QPainter& painter, DeviceGlyph glyph, bool selected, bool synchronised)
{
    painter.setPen(selected ? Qt::NoPen : QPen(kBorder, 1));
    painter.setBrush(selected ? kAccent : kRaised);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 4, 4);
    DrawDeviceGlyph(painter, glyph, selected ? QColor(Qt::white) : kSecondary);
    if (synchronised) {
        painter.setPen(QPen(selected ? kAccentDark : kBorder, 1));
        painter.setBrush(selected ? QColor(Qt::white) : kAccent);
        painter.drawEllipse(QPointF(26, 6), 4, 4);
    }
}

} // namespace skin
