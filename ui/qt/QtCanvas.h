#pragma once

#include "ui/Canvas.h"

#include <QImage>
#include <vector>

class QPainter;

namespace ui {

// The canvas on a QPainter: shapes, text in the font table's fonts, and
// images with every feature of the image text (source, dest, nine-slice
// corners, fade, mask colour, hole, tiling) plus the program's tint.
class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QPainter& painter);

    void PushClip(const Rect& rect) override;
    void PopClip() override;
    Rect ClipRect() const override;
    void SetAntialias(bool on) override;
    void FillRect(const Rect& rect, uint32_t argb) override;
    void DrawRect(const Rect& rect, int width, uint32_t argb) override;
    void FillRoundRect(const Rect& rect, Size round, uint32_t argb) override;
    void DrawRoundRect(const Rect& rect, Size round, int width, uint32_t argb) override;
    void FillEllipse(const Rect& rect, uint32_t argb) override;
    void FillPie(const Rect& rect, int startDegrees, int sweepDegrees, uint32_t argb) override;
    void DrawLine(Point from, Point to, int width, uint32_t argb) override;
    void DrawImage(const Rect& controlRect, const ImageDescription& description, const LoadedImage& image,
                   const ImageTint* tint) override;
    void DrawText(const Rect& rect, std::string_view text, const FontInfo& font, uint32_t argb,
                  unsigned style) override;
    void DrawPixels(const Rect& rect, int width, int height, const uint32_t* argb) override;

    // The picture as drawn: mask colour made transparent, then tinted (RGB
    // multiplied by the tint colour, alpha scaled by the strength).
    static QImage Prepare(const QImage& source, const ImageDescription& description, const ImageTint* tint);

private:
    void DrawPart(const QImage& image, const QRect& target, const QRect& source, bool tileX, bool tileY);
    QPainter& painter_;
    std::vector<Rect> clips_;
};

} // namespace ui
