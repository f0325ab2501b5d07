#pragma once

#include "ui/HorizontalLayout.h"

#include <array>
#include <string>

class CKestrelUSBDevice;
class CMpDevicePowerUI;

namespace ui {
class Option;
}

// One entry of the device selector: the "device_select" option that shows
// the device's page, the "synchro_device_select" option that includes the
// device in synchronised lighting and the "device_select_name" label. Its
// control timers drive the device (connect, light tick, settings, power,
// link watch): each fires once, runs the device's duty and starts what the
// device asks for next; a change of the wireless link goes to the main
// window as message 3331.
class CDeviceOptionUI : public ui::HorizontalLayout {
public:
    // The images of "device_select": normal, selected, synchronised normal,
    // synchronised selected.
    using ImageSet = std::array<std::string, 4>;
    static constexpr int kLinkFailureWrap = 20;

    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;
    void DoEvent(ui::UiEvent& event) override;

    void SetDevice(CKestrelUSBDevice* device) { device_ = device; }
    CKestrelUSBDevice* Device() const { return device_; }
    void SetPowerWidget(CMpDevicePowerUI* widget) { powerWidget_ = widget; }
    CMpDevicePowerUI* PowerWidget() const { return powerWidget_; }

    // Chooses the images for the device kind code and variant.
    void SetImages(int kindCode, int variant);
    int KindCode() const { return kindCode_; }
    int Variant() const { return variant_; }
    const ImageSet& Images() const { return images_; }

    void SetPowerTab(std::string tabName, int index);
    const std::string& PowerTabName() const { return powerTab_; }
    int PowerIndex() const { return powerIndex_; }

    // "device_select" in the radio group, bound to the page at `pageIndex`
    // of the tab layout `tabName`.
    void BindPage(const std::string& group, const std::string& tabName, int pageIndex);
    int PageIndex() const { return pageIndex_; }
    void Select();
    bool IsSelected();
    void SetSynchronised(bool on);
    bool IsSynchronised();
    void SetDeviceName(const std::string& textId);
    int LinkFailures() const { return linkFailures_; }

private:
    ui::Option* Child(const char* name);
    void ShowImages();

    CKestrelUSBDevice* device_ = nullptr;
    CMpDevicePowerUI* powerWidget_ = nullptr;
    int kindCode_ = 0;
    int variant_ = 0;
    ImageSet images_;
    std::string powerTab_;
    int powerIndex_ = -1;
    int pageIndex_ = -1;
    int linkFailures_ = 0;
};
