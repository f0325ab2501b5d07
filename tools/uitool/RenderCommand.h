#pragma once

#include <string>
#include <vector>

// `veltrane-uitool render LAYOUT --size WxH -o FILE.png [--lang LANGFILE]
// [--dpi N] [--skin DIR]`: paints a layout offscreen into a PNG.
int RunRenderCommand(int& argc, char** argv, const std::vector<std::string>& args);
