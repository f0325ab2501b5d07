#include "base/Trace.h"
#include "tools/uitool/DumpCommand.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

void Usage()
{
    std::fprintf(stderr,
                 "usage: veltrane-uitool dump LAYOUT [--size WxH] [--skin DIR] [--dpi N]\n"
                 "  prints the control tree of a layout after layout at that size\n");
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
    Usage();
    return 2;
}
