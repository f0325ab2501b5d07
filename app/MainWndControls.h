#pragma once

#include <array>
#include <string_view>

// The main window's own tags: each names a control class of the program or
// a layout file whose root takes the tag's place (built with the main
// window as factory, so it may nest further tags). Tags compare without
// regard to case.
struct MainWndControlRow {
    std::string_view tag;
    std::string_view layout; // empty: a control class
};

constexpr std::array<MainWndControlRow, 26> kMainWndControls{{
    {"CircleProgress", {}},
    {"SelectPanel", {}},
    {"DeviceKeyButton", {}},
    {"HandImgButton", {}},
    {"AudioRecord", {}},
    {"HandImgSelectButton", {}},
    {"RedioMacroButton", {}},
    {"ComboEditContainerElement", {}},
    {"KestrelMousePadDevice", {}},
    {"KestrelHS6533Device", {}},
    {"KestrelMouseDevice", {}},
    {"KestrelKeyboardDevice", {}},
    {"DeviceProfile", {}},
    {"LightControl", {}},
    {"MagicControl", {}},
    {"Voice6533Control", {}},
    {"KeySetControl", {}},
    {"ShootControl", {}},
    {"DeviceProfileUI", "XML\\CustomControlXML\\DeviceProfile.xml"},
    {"LightSetControlUI", "XML\\CustomControlXML\\LightControl.xml"},
    {"Voice6533SetControlUI", "XML\\CustomControlXML\\Voice6533Control.xml"},
    {"MagicSetControlUI", "XML\\CustomControlXML\\MagicControl.xml"},
    {"KeySetControlUI", "XML\\CustomControlXML\\KeySetControl.xml"},
    {"MacroSetControlUI", "XML\\CustomControlXML\\MacroControl.xml"},
    {"ShootKeySetControlUI", "XML\\CustomControlXML\\ShootControl.xml"},
    {"VirtualSetControlUI", "XML\\CustomControlXML\\VirtualSet.xml"},
}};

// The row of a tag, or nullptr.
const MainWndControlRow* FindMainWndControl(std::string_view tag);
