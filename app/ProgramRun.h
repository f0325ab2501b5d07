#pragma once

#include "device/DetectionThread.h"
#include "ui/WindowHandle.h"

#include <functional>

class CMainWnd;
class InstanceLink;

// What the running program needs beyond the installed platform: its
// command line's choices and the services of the platform layer.
struct ProgramOptions {
    bool demo = false;
    // End the program after this long (-1: when the user does).
    int quitAfterMs = -1;
    // Saves the main window's picture just before a timed end; false when it
    // could not be written.
    std::function<bool(CMainWnd&)> screenshot;
    InstanceLink* link = nullptr;
    // Called once the main window exists.
    std::function<void(ui::WindowHandle)> mainWindowCreated;
    bool startDetection = true;
    DetectionOptions detection;
};

// The program after it has become the only copy: points the toolkit at the
// skin, registers the control classes and the messages, makes the main
// window and runs the loop until the main window is gone; then releases
// what it made. Answers the exit code: 0, or 1 when a picture asked for
// could not be written.
int RunProgram(const ProgramOptions& options);
