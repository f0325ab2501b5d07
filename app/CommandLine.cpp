#include "app/CommandLine.h"

#include <charconv>
#include <cstring>
#include <string_view>

namespace {

// A picture needs the window to have been built and painted; without a
// --quit-after the program still ends, after this long.
constexpr int kScreenshotDefaultDelayMs = 3000;

bool ParseMilliseconds(std::string_view text, int& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 0;
}

} // namespace

CommandLine CommandLine::Parse(int argc, const char* const* argv)
{
    CommandLine line;
    for (int i = 1; i < argc && line.error.empty(); ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--demo") {
            line.demo = true;
        } else if (arg == "--version") {
            line.version = true;
        } else if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--screenshot") {
            if (!hasValue || argv[i + 1][0] == '\0')
                line.error = "--screenshot needs a file name";
            else
                line.screenshotPath = argv[++i];
        } else if (arg == "--quit-after") {
            if (!hasValue || !ParseMilliseconds(argv[i + 1], line.quitAfterMs))
                line.error = "--quit-after needs a number of milliseconds";
            else
                ++i;
        } else {
            line.error = "unknown argument: " + std::string(arg);
        }
    }
    if (line.error.empty() && !line.screenshotPath.empty() && line.quitAfterMs < 0)
        line.quitAfterMs = kScreenshotDefaultDelayMs;
    return line;
}

const char* CommandLine::Usage()
{
    return "usage: veltrane [--demo] [--screenshot FILE.png] [--quit-after MS] [--version] [--help]\n"
           "\n"
           "  --demo             plug simulated devices (mouse, keyboard, mouse pad, headset),\n"
           "                     so the program runs without hardware\n"
           "  --screenshot FILE  save the main window as a PNG picture when the program ends\n"
           "  --quit-after MS    end the program after MS milliseconds (with --screenshot: 3000\n"
           "                     unless given)\n"
           "  --version          print the version and exit\n"
           "  --help             print this text and exit\n";
}
