#include "device/DevicePageControls.h"

#include "device/DeviceIdentity.h"
#include "device/IndexedName.h"
#include "device/LedPreviewControl.h"
#include "ui/Control.h"
#include "ui/TabLayout.h"

#include <algorithm>

namespace {

ui::TabLayout* FindTabs(ui::Control* page, std::string_view name)
{
    return dynamic_cast<ui::TabLayout*>(page->FindIf([name](ui::Control* c) { return c->GetName() == name; }));
}

} // namespace

void DevicePageControls::Bind(ui::Control* page)
{
    lastPainted_.clear();
    selectPanel_ = page->FindIf([page](ui::Control* c) {
        return c != page && (c->IsClass("SelectPanel") || c->GetName() == "SelectPanel");
    });
    if (!selectPanel_)
        return;
    selectPanel_->FindIf([this](ui::Control* control) {
        if (!control->IsClass("DeviceKeyButton"))
            return false;
        const auto name = IndexedName::Split(control->GetName());
        if (!name)
            return false;
        const auto slot = static_cast<size_t>(name->number);
        if (name->prefix == "key_" && slot < keyButtons_.size()) {
            keyButtons_[slot] = control;
        } else if (name->prefix == "light_" && slot < lightControls_.size()) {
            lightControls_[slot] = control;
            previews_[slot] = dynamic_cast<LedPreviewControl*>(control);
            if (previews_[slot])
                previews_[slot]->ShowLight(0xFFFFFF, 255, true);
        }
        return false;
    });
}

void DevicePageControls::ShowPage(ui::Control* page, int pageIndex, int kind)
{
    if (!switchesFound_) {
        switchesFound_ = true;
        functionSwitch_ = FindTabs(page, "device_function_switch");
        keyFunctionSwitch_ = FindTabs(page, "device_key_function_switch");
    }
    const auto selectDevice = [this](int tab) {
        if (functionSwitch_)
            functionSwitch_->SelectItem(tab);
    };
    const auto selectKeyFunction = [&](int tab) {
        selectDevice(0);
        if (keyFunctionSwitch_)
            keyFunctionSwitch_->SelectItem(tab);
    };
    switch (pageIndex) {
    case 2:
    case 6:
        selectKeyFunction(1);
        break;
    case 3:
    case 8:
        selectDevice(1);
        break;
    case 4:
        if (kind == kKindKeyboard || kind == kKindMouse)
            selectDevice(3);
        else
            selectKeyFunction(2);
        break;
    case 7:
        selectKeyFunction(2);
        break;
    case 5:
        selectDevice(2);
        break;
    default:
        selectKeyFunction(0);
        break;
    }
}

void DevicePageControls::Preview(std::span<const LedColour> frame, bool repaint)
{
    const size_t count = std::min(frame.size(), previews_.size());
    for (size_t i = 0; i < count; ++i) {
        LedPreviewControl* preview = previews_[i];
        if (!preview || !lightControls_[i]->IsVisible())
            continue;
        const LedColour& led = frame[i];
        preview->ShowLight((uint32_t{led.red} << 16) | (uint32_t{led.green} << 8) | led.blue, led.intensity, true);
    }
    // The light tick offers every frame; an unchanged one needs no repaint
    // of the device picture.
    const bool changed = !std::equal(frame.begin(), frame.end(), lastPainted_.begin(), lastPainted_.end());
    if (repaint && changed && selectPanel_) {
        selectPanel_->Invalidate();
        lastPainted_.assign(frame.begin(), frame.end());
    }
}
