#include "ui/ColorPalette.h"

#include "ui/AttributeValue.h"
#include "ui/Canvas.h"

#include <algorithm>
#include <cmath>

namespace ui {

std::string_view ColorPalette::GetClass() const { return "ColorPaletteUI"; }

bool ColorPalette::IsClass(std::string_view name) const
{
    return MatchesClass(name, "ColorPalette") || Control::IsClass(name);
}

uint32_t ColorPalette::HsbToArgb(int hue, int saturation, int brightness)
{
    const double h = (hue % 360 + 360) % 360 / 60.0;
    const double s = std::clamp(saturation, 0, 100) / 100.0;
    const double v = std::clamp(brightness, 0, 100) / 100.0;
    const int sector = static_cast<int>(h) % 6;
    const double f = h - std::floor(h);
    const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    double r = v, g = t, b = p;
    switch (sector) {
    case 1: r = q; g = v; b = p; break;
    case 2: r = p; g = v; b = t; break;
    case 3: r = p; g = q; b = v; break;
    case 4: r = t; g = p; b = v; break;
    case 5: r = v; g = p; b = q; break;
    default: break;
    }
    auto byte = [](double x) { return static_cast<uint32_t>(std::lround(x * 255.0)); };
    return 0xFF000000u | (byte(r) << 16) | (byte(g) << 8) | byte(b);
}

void ColorPalette::ArgbToHsb(uint32_t argb, int& hue, int& saturation, int& brightness)
{
    const double r = ((argb >> 16) & 0xFF) / 255.0, g = ((argb >> 8) & 0xFF) / 255.0, b = (argb & 0xFF) / 255.0;
    const double high = std::max({r, g, b}), low = std::min({r, g, b}), delta = high - low;
    double h = 0;
    if (delta > 0) {
        if (high == r)
            h = 60 * std::fmod((g - b) / delta, 6.0);
        else if (high == g)
            h = 60 * ((b - r) / delta + 2);
        else
            h = 60 * ((r - g) / delta + 4);
    }
    if (h < 0)
        h += 360;
    hue = static_cast<int>(std::lround(h)) % 360;
    saturation = high > 0 ? static_cast<int>(std::lround(delta / high * 100)) : 0;
    brightness = static_cast<int>(std::lround(high * 100));
}

uint32_t ColorPalette::GetSelectColor() const { return HsbToArgb(hue_, saturation_, brightness_); }

void ColorPalette::SetSelectColor(uint32_t argb)
{
    ArgbToHsb(argb, hue_, saturation_, brightness_);
    Invalidate();
}

Rect ColorPalette::PaletteRect() const
{
    Rect rc = pos_;
    rc.bottom = std::max(rc.top, rc.bottom - Scale(barHeight_) - Scale(gap_));
    return rc;
}

Rect ColorPalette::BarRect() const
{
    Rect rc = pos_;
    rc.top = std::max(rc.top, rc.bottom - Scale(barHeight_));
    return rc;
}

void ColorPalette::SetPos(const Rect& rect)
{
    Control::SetPos(rect);
    paletteCacheBrightness_ = -1;
}

void ColorPalette::TrackPointer(Point pt)
{
    if (drag_ == Drag::Palette) {
        Rect rc = PaletteRect();
        if (rc.Width() <= 1 || rc.Height() <= 1)
            return;
        hue_ = std::clamp((pt.x - rc.left) * 359 / (rc.Width() - 1), 0, 359);
        saturation_ = 100 - std::clamp((pt.y - rc.top) * 100 / (rc.Height() - 1), 0, 100);
    } else if (drag_ == Drag::Bar) {
        Rect rc = BarRect();
        if (rc.Width() <= 1)
            return;
        brightness_ = std::clamp((pt.x - rc.left) * 100 / (rc.Width() - 1), 0, 100);
    }
    Invalidate();
}

void ColorPalette::DoEvent(UiEvent& event)
{
    switch (event.type) {
    case EventType::ButtonDown:
    case EventType::DoubleClick:
        if (!IsEnabled())
            return;
        drag_ = PaletteRect().Contains(event.pt) ? Drag::Palette : BarRect().Contains(event.pt) ? Drag::Bar : Drag::None;
        TrackPointer(event.pt);
        return;
    case EventType::PointerMove:
        if (drag_ != Drag::None)
            TrackPointer(event.pt);
        return;
    case EventType::ButtonUp:
        if (drag_ != Drag::None) {
            TrackPointer(event.pt);
            drag_ = Drag::None;
            Notify("colorchanged", GetSelectColor());
        }
        return;
    default:
        Control::DoEvent(event);
        return;
    }
}

void ColorPalette::DrawThumb(Canvas& canvas, Point centre)
{
    const int r = Scale(5);
    Rect thumb{centre.x - r, centre.y - r, centre.x + r, centre.y + r};
    if (!thumbImage_.empty()) {
        DrawImage(canvas, thumbImage_, thumb);
        return;
    }
    canvas.DrawRoundRect(thumb, {2 * r, 2 * r}, Scale(2), 0xFFFFFFFF);
}

void ColorPalette::PaintStatusImage(Canvas& canvas)
{
    Rect palette = PaletteRect();
    Rect bar = BarRect();
    if (palette.IsEmpty() || bar.IsEmpty())
        return;
    // The pixel pictures are rebuilt only when size or brightness change.
    const Size size{palette.Width(), palette.Height()};
    if (size != paletteCacheSize_ || brightness_ != paletteCacheBrightness_) {
        palettePixels_.resize(static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy));
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x)
                palettePixels_[static_cast<size_t>(y * size.cx + x)] =
                    HsbToArgb(x * 359 / std::max(size.cx - 1, 1), 100 - y * 100 / std::max(size.cy - 1, 1), brightness_);
        paletteCacheSize_ = size;
        paletteCacheBrightness_ = brightness_;
    }
    canvas.DrawPixels(palette, size.cx, size.cy, palettePixels_.data());
    barPixels_.resize(static_cast<size_t>(bar.Width()));
    for (int x = 0; x < bar.Width(); ++x)
        barPixels_[static_cast<size_t>(x)] = HsbToArgb(hue_, saturation_, x * 100 / std::max(bar.Width() - 1, 1));
    canvas.DrawPixels(bar, bar.Width(), 1, barPixels_.data());
    DrawThumb(canvas, {palette.left + hue_ * (palette.Width() - 1) / 359,
                       palette.top + (100 - saturation_) * (palette.Height() - 1) / 100});
    DrawThumb(canvas, {bar.left + brightness_ * (bar.Width() - 1) / 100, (bar.top + bar.bottom) / 2});
}

bool ColorPalette::SetAttribute(std::string_view name, std::string_view value)
{
    if (EqualsNoCase(name, "barheight") || EqualsNoCase(name, "bargap")) {
        auto v = ParseInt(value);
        if (!v || *v < 0)
            return false;
        (EqualsNoCase(name, "barheight") ? barHeight_ : gap_) = *v;
        Invalidate();
        return true;
    }
    if (EqualsNoCase(name, "thumbimage")) {
        thumbImage_ = std::string(value);
        return true;
    }
    if (EqualsNoCase(name, "selectcolor") || EqualsNoCase(name, "color")) {
        auto colour = ParseColour(value);
        if (!colour)
            return false;
        SetSelectColor(*colour);
        return true;
    }
    return Control::SetAttribute(name, value);
}

} // namespace ui
