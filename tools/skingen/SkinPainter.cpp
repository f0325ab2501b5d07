#include "tools/skingen/SkinPainter.h"

namespace skin {

void BeginGlyph(QPainter& painter, int pixelSize, qreal units)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(pixelSize / units, pixelSize / units);
}

QPen GlyphPen(const QColor& colour, qreal width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

} // namespace skin
