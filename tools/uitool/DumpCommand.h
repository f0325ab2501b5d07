#pragma once

#include <string>
#include <vector>

// `veltrane-uitool dump LAYOUT [--size WxH] [--skin DIR]`: builds a layout
// headless and prints its control tree, one control per line.
int RunDumpCommand(const std::vector<std::string>& args);
