#include "tools/skingen/Pictures.h"

#include "tools/skingen/SkinPainter.h"

#include <QPainterPath>

namespace skin {

void DrawProgramIcon(QPainter& painter)
{
    painter.setPen(QPen(kBorder, 1.5));
    painter.setBrush(kPanel);
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

    QPainterPath chevron;
    chevron.moveTo(15, 18);
    chevron.lineTo(32, 48);
    chevron.lineTo(49, 18);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(GlyphPen(kAccent, 7));
    painter.drawPath(chevron);
    // The LED of the mark.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kText);
    painter.drawEllipse(QPointF(32, 17), 3.2, 3.2);
}

void DrawNoDevicePicture(QPainter& painter)
{
    const QPen outline = GlyphPen(kSecondary, 2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(outline);

    // Keyboard: a slab with three rows of keys.
    painter.drawRoundedRect(QRectF(8, 58, 120, 46), 6, 6);
    painter.setPen(GlyphPen(kBorder, 2));
    for (int row = 0; row < 3; ++row) {
        const qreal y = 68 + row * 11;
        for (int key = 0; key < 9 - (row == 2 ? 3 : 0); ++key) {
            const qreal x = 16 + key * 12 + (row == 2 ? 18 : row * 3);
            painter.drawRoundedRect(QRectF(x, y, 8, 6), 1.5, 1.5);
        }
    }

    // Mouse with its cable ending in an unplugged connector.
    painter.setPen(outline);
    painter.drawRoundedRect(QRectF(148, 52, 34, 52), 17, 17);
    painter.drawLine(QPointF(165, 52), QPointF(165, 68));
    QPainterPath cable;
    cable.moveTo(165, 52);
    cable.cubicTo(165, 30, 140, 36, 128, 24);
    painter.drawPath(cable);
    painter.setPen(GlyphPen(kAccent, 2));
    painter.drawRoundedRect(QRectF(112, 12, 14, 10), 2, 2);
    painter.drawLine(QPointF(115, 12), QPointF(115, 8));
    painter.drawLine(QPointF(123, 12), QPointF(123, 8));
}

} // namespace skin
