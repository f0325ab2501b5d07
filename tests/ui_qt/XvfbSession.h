#pragma once

#include "tests/ui_qt/ChildProcess.h"

#include <cstdlib>
#include <poll.h>
#include <string>

// A private X server for one test process: Xvfb picks a free display number
// itself (-displayfd), so tests running side by side never collide. DISPLAY
// points at it while the session lives.
class XvfbSession {
public:
    // False when Xvfb is missing or does not come up within 10 s.
    bool Start()
    {
        int fds[2];
        if (pipe(fds) != 0)
            return false;
        const bool started = server_.Start({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1280x1024x24",
                                            "-nolisten", "tcp", "-noreset"},
                                           fds[1]);
        close(fds[1]);
        std::string number;
        pollfd wait{fds[0], POLLIN, 0};
        while (started && poll(&wait, 1, 10000) > 0) {
            char c = 0;
            if (read(fds[0], &c, 1) != 1 || c == '\n')
                break;
            number += c;
        }
        close(fds[0]);
        if (number.empty())
            return false;
        display_ = ":" + number;
        setenv("DISPLAY", display_.c_str(), 1);
        return true;
    }
    const std::string& Display() const { return display_; }

    // Runs a command (xdotool ...) against this display; its exit code.
    static int Run(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()); }
    static bool Have(const std::string& program) { return Run("command -v " + program) == 0; }

private:
    ChildProcess server_;
    std::string display_;
};
