#include "base/Trace.h"
#include "tools/uitool/DumpCommand.h"
#include "tools/uitool/RenderCommand.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

void Usage()
{
    std::fprintf(stderr,
                 "usage: veltrane-uitool dump LAYOUT [--size WxH] [--skin DIR] [--dpi N]\n"
                 "         prints the control tree of a layout after layout at that size\n"
                 "       veltrane-uitool render LAYOUT --size WxH -o FILE.png [--lang LANGFILE] [--dpi N] [--skin DIR]\n"
                 "         paints the layout offscreen into a PNG\n");
}

} // namespace

int main(int argc, char** argv)
{
    ConfigureTrace();
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        Usage();
        return 2;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "dump")
        return RunDumpCommand(args);
    if (command == "render")
        return RunRenderCommand(argc, argv, args);
    Usage();
    return 2;
}
