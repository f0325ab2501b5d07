#pragma once

#include "ui/Control.h"

#include <cstdint>
#include <vector>

namespace ui {

// A colour picker: the upper area spreads hue from left to right and
// saturation from top (full) to bottom (none) at the chosen brightness; the
// bar below ("barheight" high, after a gap) sets the brightness from left
// (dark) to right. Pressing or dragging in either moves its thumb; releasing
// sends "colorchanged". The selected colour is opaque ARGB.
class ColorPalette : public Control {
public:
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;

    uint32_t GetSelectColor() const;
    // Shows an ARGB colour: the thumbs move to its hue, saturation and brightness.
    void SetSelectColor(uint32_t argb);
    int GetHue() const { return hue_; }
    int GetSaturation() const { return saturation_; }
    int GetBrightness() const { return brightness_; }

    Rect PaletteRect() const;
    Rect BarRect() const;

    void SetPos(const Rect& rect) override;
    void DoEvent(UiEvent& event) override;
    bool SetAttribute(std::string_view name, std::string_view value) override;

    // HSB (hue 0-359, saturation and brightness 0-100) to opaque ARGB and back.
    static uint32_t HsbToArgb(int hue, int saturation, int brightness);
    static void ArgbToHsb(uint32_t argb, int& hue, int& saturation, int& brightness);

protected:
    void PaintStatusImage(Canvas& canvas) override;

private:
    void TrackPointer(Point pt);
    void DrawThumb(Canvas& canvas, Point centre);
    int hue_ = 0;
    int saturation_ = 100;
    int brightness_ = 100;
    int barHeight_ = 12;
    int gap_ = 8;
    std::string thumbImage_;
    enum class Drag { None, Palette, Bar } drag_ = Drag::None;
    std::vector<uint32_t> palettePixels_;
    std::vector<uint32_t> barPixels_;
    Size paletteCacheSize_;
    int paletteCacheBrightness_ = -1;
};

} // namespace ui
