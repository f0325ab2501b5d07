#pragma once

#include <ostream>
#include <string>
#include <vector>

// veltrane-hidtool: lists the HID interfaces the program sees and talks to a
// device (real or simulated) over the vendor command protocol. Kept apart
// from main() so tests run it in-process.
class HidTool {
public:
    // `args` without the program name. Returns the exit status: 0 whenever
    // the command ran, 2 for a usage error.
    static int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};
