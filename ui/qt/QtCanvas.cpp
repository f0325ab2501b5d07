#include "ui/qt/QtCanvas.h"

#include "ui/qt/QtImageLoader.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace ui {

namespace {

QRect ToQ(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

QColor Colour(uint32_t argb) { return QColor::fromRgba(argb); }

} // namespace

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter)
{
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

void QtCanvas::PushClip(const Rect& rect)
{
    painter_.save();
    Rect clip = clips_.empty() ? rect : clips_.back().Intersect(rect);
    clips_.push_back(clip);
    painter_.setClipRect(ToQ(clip), Qt::ReplaceClip);
}

void QtCanvas::PopClip()
{
    if (clips_.empty())
        return;
    clips_.pop_back();
    painter_.restore();
}

Rect QtCanvas::ClipRect() const { return clips_.empty() ? Rect{0, 0, 1 << 20, 1 << 20} : clips_.back(); }

void QtCanvas::SetAntialias(bool on)
{
    painter_.setRenderHint(QPainter::Antialiasing, on);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, on);
}

void QtCanvas::FillRect(const Rect& rect, uint32_t argb) { painter_.fillRect(ToQ(rect), Colour(argb)); }

void QtCanvas::DrawRect(const Rect& rect, int width, uint32_t argb)
{
    const QColor colour = Colour(argb);
    const int w = std::min(width, std::min(rect.Width(), rect.Height()) / 2 + 1);
    painter_.fillRect(QRect(rect.left, rect.top, rect.Width(), w), colour);
    painter_.fillRect(QRect(rect.left, rect.bottom - w, rect.Width(), w), colour);
    painter_.fillRect(QRect(rect.left, rect.top + w, w, rect.Height() - 2 * w), colour);
    painter_.fillRect(QRect(rect.right - w, rect.top + w, w, rect.Height() - 2 * w), colour);
}

void QtCanvas::FillRoundRect(const Rect& rect, Size round, uint32_t argb)
{
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Colour(argb));
    painter_.drawRoundedRect(QRectF(ToQ(rect)), round.cx / 2.0, round.cy / 2.0);
    painter_.restore();
}

void QtCanvas::DrawRoundRect(const Rect& rect, Size round, int width, uint32_t argb)
{
    painter_.save();
    painter_.setPen(QPen(Colour(argb), width));
    painter_.setBrush(Qt::NoBrush);
    const double half = width / 2.0;
    painter_.drawRoundedRect(QRectF(rect.left + half, rect.top + half, rect.Width() - width, rect.Height() - width),
                             round.cx / 2.0, round.cy / 2.0);
    painter_.restore();
}

void QtCanvas::FillEllipse(const Rect& rect, uint32_t argb)
{
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Colour(argb));
    painter_.drawEllipse(ToQ(rect));
    painter_.restore();
}

void QtCanvas::FillPie(const Rect& rect, int startDegrees, int sweepDegrees, uint32_t argb)
{
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Colour(argb));
    // Qt counts angles counter-clockwise in sixteenths of a degree.
    painter_.drawPie(ToQ(rect), -startDegrees * 16, -sweepDegrees * 16);
    painter_.restore();
}

void QtCanvas::DrawLine(Point from, Point to, int width, uint32_t argb)
{
    painter_.save();
    painter_.setPen(QPen(Colour(argb), width));
    painter_.drawLine(from.x, from.y, to.x, to.y);
    painter_.restore();
}

QImage QtCanvas::Prepare(const QImage& source, const ImageDescription& description, const ImageTint* tint)
{
    if (!description.mask && !tint)
        return source;
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const QRgb mask = description.mask ? (*description.mask & 0x00FFFFFFu) : 0;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            QRgb pixel = line[x];
            if (description.mask && (pixel & 0x00FFFFFFu) == mask) {
                line[x] = 0;
                continue;
            }
            if (tint) {
                const QRgb t = tint->colour;
                const int strength = std::clamp(tint->strength, 0, 255);
                pixel = qRgba(qRed(pixel) * qRed(t) / 255, qGreen(pixel) * qGreen(t) / 255, qBlue(pixel) * qBlue(t) / 255,
                              qAlpha(pixel) * strength / 255);
                line[x] = pixel;
            }
        }
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void QtCanvas::DrawPart(const QImage& image, const QRect& target, const QRect& source, bool tileX, bool tileY)
{
    if (target.isEmpty() || source.isEmpty())
        return;
    if (!tileX && !tileY) {
        painter_.drawImage(target, image, source);
        return;
    }
    // Repeated pieces keep the picture's size along the tiled axis, cut at the end.
    painter_.save();
    painter_.setClipRect(target, Qt::IntersectClip);
    const int stepX = tileX ? source.width() : target.width();
    const int stepY = tileY ? source.height() : target.height();
    for (int y = target.top(); y < target.top() + target.height(); y += stepY)
        for (int x = target.left(); x < target.left() + target.width(); x += stepX)
            painter_.drawImage(QRect(x, y, stepX, stepY), image, source);
    painter_.restore();
}

void QtCanvas::DrawImage(const Rect& controlRect, const ImageDescription& description, const LoadedImage& loaded,
                         const ImageTint* tint)
{
    const auto* qtImage = dynamic_cast<const QtLoadedImage*>(&loaded);
    if (!qtImage)
        return;
    const QImage image = Prepare(qtImage->Image(), description, tint);
    QRect source = description.source ? ToQ(*description.source) : image.rect();
    source = source.intersected(image.rect());
    Rect destRect = controlRect;
    if (description.dest)
        destRect = description.dest->Offset(controlRect.left, controlRect.top);
    const QRect dest = ToQ(destRect);
    if (source.isEmpty() || dest.isEmpty())
        return;
    painter_.save();
    painter_.setOpacity(painter_.opacity() * description.fade / 255.0);
    const Rect& c = description.corner;
    if (c.left == 0 && c.top == 0 && c.right == 0 && c.bottom == 0) {
        DrawPart(image, dest, source, description.xtiled, description.ytiled);
        painter_.restore();
        return;
    }
    // Nine slices: the corners keep their size, the edges stretch (or tile)
    // along one axis and the middle along both, unless "hole" leaves it out.
    const int l = std::min(c.left, source.width()), r = std::min(c.right, source.width() - l);
    const int t = std::min(c.top, source.height()), b = std::min(c.bottom, source.height() - t);
    const int sx[4] = {source.left(), source.left() + l, source.left() + source.width() - r, source.left() + source.width()};
    const int sy[4] = {source.top(), source.top() + t, source.top() + source.height() - b, source.top() + source.height()};
    const int dl = std::min(l, dest.width() / 2), dr = std::min(r, dest.width() - dl);
    const int dt = std::min(t, dest.height() / 2), db = std::min(b, dest.height() - dt);
    const int dx[4] = {dest.left(), dest.left() + dl, dest.left() + dest.width() - dr, dest.left() + dest.width()};
    const int dy[4] = {dest.top(), dest.top() + dt, dest.top() + dest.height() - db, dest.top() + dest.height()};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            if (row == 1 && col == 1 && description.hole)
                continue;
            const QRect from(sx[col], sy[row], sx[col + 1] - sx[col], sy[row + 1] - sy[row]);
            const QRect to(dx[col], dy[row], dx[col + 1] - dx[col], dy[row + 1] - dy[row]);
            DrawPart(image, to, from, description.xtiled && col == 1, description.ytiled && row == 1);
        }
    }
    painter_.restore();
}

void QtCanvas::DrawText(const Rect& rect, std::string_view text, const FontInfo& font, uint32_t argb, unsigned style)
{
    QFont qfont;
    if (!font.family.empty())
        qfont.setFamily(QString::fromStdString(font.family));
    qfont.setPixelSize(std::max(font.size, 1));
    qfont.setBold(font.bold);
    qfont.setUnderline(font.underline);
    qfont.setItalic(font.italic);
    int flags = 0;
    flags |= (style & TextStyle::Center) ? Qt::AlignHCenter : (style & TextStyle::Right) ? Qt::AlignRight : Qt::AlignLeft;
    flags |= (style & TextStyle::VCenter) ? Qt::AlignVCenter : (style & TextStyle::Bottom) ? Qt::AlignBottom : Qt::AlignTop;
    QString content = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QRect box = ToQ(rect);
    if (style & TextStyle::WordBreak) {
        flags |= Qt::TextWordWrap;
    } else {
        flags |= Qt::TextSingleLine;
        if (style & TextStyle::EndEllipsis)
            content = QFontMetrics(qfont).elidedText(content, Qt::ElideRight, box.width());
    }
    painter_.save();
    painter_.setFont(qfont);
    painter_.setPen(Colour(argb));
    painter_.drawText(box, flags, content);
    painter_.restore();
}

void QtCanvas::DrawPixels(const Rect& rect, int width, int height, const uint32_t* argb)
{
    if (width <= 0 || height <= 0 || !argb)
        return;
    const QImage image(reinterpret_cast<const uchar*>(argb), width, height, width * 4, QImage::Format_ARGB32);
    painter_.drawImage(ToQ(rect), image);
}

} // namespace ui
