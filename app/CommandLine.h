#pragma once

#include <string>

// What the program was asked to do on its command line.
struct CommandLine {
    bool demo = false;           // simulated devices plugged at start
    std::string screenshotPath;  // save the main window as PNG before quitting
    int quitAfterMs = -1;        // end the program after this long; -1 never
    bool version = false;
    bool help = false;
    std::string error;           // not empty: the arguments were not understood

    static CommandLine Parse(int argc, const char* const* argv);
    static const char* Usage();
};
