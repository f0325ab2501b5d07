#pragma once

#include <array>
#include <string_view>

// The program's control classes, registered with the toolkit's control
// factory at start-up in this order, so every layout may name them.
constexpr std::array<std::string_view, 24> kControlClassTable = {
    "CCircleProgressUI",      "CChartViewUI",           "CWndUI",
    "CSelectPanelUI",         "CDeviceKeyButtonUI",     "CCloudShareListItemUI",
    "CUpdateInfoListItemUI",  "CDeviceOptionUI",        "CMpDevicePowerUI",
    "CComboEditContainerElementUI", "CHandImgButtonUI", "CHandImgSelectButtonUI",
    "CRedioMacroButtonUI",    "CAudioRecordUI",         "CLightControlUI",
    "CMacroControlUI",        "CKeySetControlUI",       "CDeviceProfileUI",
    "CShootControlUI",        "CMagicControlUI",        "CVoice6533ControlUI",
    "CKestrelUSBDevice",      "CKestrelMousePadDevice", "CKestrelHS6533Device"};

// The layout tag of a class name: "CCircleProgressUI" -> "CircleProgress",
// "CKestrelUSBDevice" -> "KestrelUSBDevice".
std::string_view ControlClassTag(std::string_view className);

void RegisterControlClasses();
