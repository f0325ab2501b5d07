#pragma once

#include "base/Trace.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

#include <fstream>
#include <sstream>
#include <string>

// Sends the trace channel to a file for the life of the object.
class TraceCapture {
public:
    TraceCapture() : file_(folder_ / "trace.txt"), env_("VELTRANE_DEBUG_FILE", file_) { ConfigureTrace(); }
    ~TraceCapture()
    {
        ScopedEnv off("VELTRANE_DEBUG_FILE", std::nullopt);
        ConfigureTrace();
    }
    TraceCapture(const TraceCapture&) = delete;
    TraceCapture& operator=(const TraceCapture&) = delete;

    std::string Text() const
    {
        std::ifstream in(file_, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool Contains(const std::string& line) const { return Text().find(line) != std::string::npos; }

private:
    TempFolder folder_;
    std::string file_;
    ScopedEnv env_;
};
