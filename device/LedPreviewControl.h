#pragma once

#include <cstdint>

// What a device page needs of the control that pictures one LED (the
// "DeviceKeyButton" of the page's "SelectPanel"): it keeps the colour and
// brightness it is told and shows them at the page's next repaint.
class LedPreviewControl {
public:
    virtual ~LedPreviewControl() = default;
    // colour 0xRRGGBB, intensity 0 to 255 (the light image's strength).
    virtual void ShowLight(uint32_t colour, uint8_t intensity, bool shown) = 0;
};
