#pragma once

#include "ui/VerticalLayout.h"

// The battery and power widget of one page set, shown in the tab layout
// "device_power_switch" while its device is selected. Its kind code and
// variant are set when the page set is built.
class CMpDevicePowerUI : public ui::VerticalLayout {
public:
    std::string_view GetClass() const override;
    bool IsClass(std::string_view name) const override;

    void SetKind(int kindCode, int variant)
    {
        kindCode_ = kindCode;
        variant_ = variant;
    }
    int KindCode() const { return kindCode_; }
    int Variant() const { return variant_; }

private:
    int kindCode_ = 0;
    int variant_ = 0;
};
