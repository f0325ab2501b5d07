#include "base/Trace.h"
#include "tools/hidtool/HidTool.h"

#include <iostream>

int main(int argc, char** argv)
{
    ConfigureTrace();
    return HidTool::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
