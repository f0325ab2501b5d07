#include "base/Trace.h"

#include <cstdio>

int main()
{
    ConfigureTrace();
    std::printf("Veltrane Software %s\n", VELTRANE_VERSION);
    return 0;
}
