#pragma once

#include "ui/FontInfo.h"
#include "ui/Geometry.h"
#include "ui/ImageDescription.h"
#include "ui/LoadedImage.h"

#include <cstdint>
#include <string_view>

namespace ui {

// Where controls paint. Colours are ARGB. Angles are degrees, clockwise from
// the positive x axis. The host paints on QPainter; the headless host records
// the calls so tests can check what was drawn in which order.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Clipping nests: each push intersects with the current clip.
    virtual void PushClip(const Rect& rect) = 0;
    virtual void PopClip() = 0;
    virtual Rect ClipRect() const = 0;
    virtual void SetAntialias(bool on) = 0;

    virtual void FillRect(const Rect& rect, uint32_t argb) = 0;
    // A frame of `width` pixels inside the rectangle.
    virtual void DrawRect(const Rect& rect, int width, uint32_t argb) = 0;
    virtual void FillRoundRect(const Rect& rect, Size round, uint32_t argb) = 0;
    virtual void DrawRoundRect(const Rect& rect, Size round, int width, uint32_t argb) = 0;
    virtual void FillEllipse(const Rect& rect, uint32_t argb) = 0;
    virtual void FillPie(const Rect& rect, int startDegrees, int sweepDegrees, uint32_t argb) = 0;
    virtual void DrawLine(Point from, Point to, int width, uint32_t argb) = 0;
    // Draws `image` as `description` says, inside the control rectangle.
    virtual void DrawImage(const Rect& controlRect, const ImageDescription& description, const LoadedImage& image,
                           const ImageTint* tint) = 0;
    virtual void DrawText(const Rect& rect, std::string_view text, const FontInfo& font, uint32_t argb,
                          unsigned style) = 0;
    // width x height ARGB pixels stretched over rect (program-made pictures).
    virtual void DrawPixels(const Rect& rect, int width, int height, const uint32_t* argb) = 0;
};

} // namespace ui
