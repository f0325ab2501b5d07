#pragma once

#include "device/LedColour.h"

#include <cstddef>
#include <span>
#include <vector>

class LedPreviewControl;

namespace ui {
class Control;
class TabLayout;
} // namespace ui

// The controls of a device page the device object drives: the device
// picture's "SelectPanel" with its key buttons ("key_" + N) and LED previews
// ("light_" + N), and the two tab layouts that switch the page's sections.
// All on the UI thread; a control the page lacks is simply left out.
class DevicePageControls {
public:
    // Sizes the two lists; slots past the new size are dropped.
    void SetKeyButtonCount(size_t count) { keyButtons_.resize(count, nullptr); }
    void SetLightControlCount(size_t count)
    {
        lightControls_.resize(count, nullptr);
        previews_.resize(count, nullptr);
    }

    // Finds the select panel in `page` and fills the slots from its
    // "DeviceKeyButton" controls; each LED preview starts white at full
    // intensity.
    void Bind(ui::Control* page);
    // Selects the sections of page index `page` (kind: the device kind code).
    void ShowPage(ui::Control* page, int pageIndex, int kind);
    // Shows the frame in the visible LED previews; repaints the picture only
    // when `repaint` and the frame differs from the one last repainted.
    void Preview(std::span<const LedColour> frame, bool repaint);

    ui::Control* SelectPanel() const { return selectPanel_; }
    const std::vector<ui::Control*>& KeyButtons() const { return keyButtons_; }
    const std::vector<ui::Control*>& LightControls() const { return lightControls_; }

private:
    ui::Control* selectPanel_ = nullptr;
    std::vector<ui::Control*> keyButtons_;
    std::vector<ui::Control*> lightControls_;
    // The LED preview interface of each light control, looked up once at
    // binding: the light tick shows every frame through it.
    std::vector<LedPreviewControl*> previews_;
    std::vector<LedColour> lastPainted_;
    bool switchesFound_ = false;
    ui::TabLayout* functionSwitch_ = nullptr;
    ui::TabLayout* keyFunctionSwitch_ = nullptr;
};
