#pragma once

#include "ui/qt/QtPlatform.h"

#include <cstdlib>

namespace uiqt {

// One Qt platform per test process (Qt allows one application object).
inline ui::QtPlatform& Platform()
{
    static int argc = 1;
    static char name[] = "ui_qt_tests";
    static char* argv[] = {name, nullptr};
    static ui::QtPlatform* platform = [] {
        if (!std::getenv("DISPLAY") || !std::getenv("VELTRANE_UI_QT_DISPLAY"))
            setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return new ui::QtPlatform(argc, argv);
    }();
    return *platform;
}

} // namespace uiqt
