#include "tools/uitool/RenderCommand.h"

#include "tools/uitool/LayoutArgs.h"
#include "ui/ResourceManager.h"
#include "ui/qt/QtPlatform.h"
#include "ui/qt/QtScreenshot.h"

#include <cstdio>
#include <cstdlib>

int RunRenderCommand(int& argc, char** argv, const std::vector<std::string>& args)
{
    auto parsed = ParseLayoutArgs(args);
    if (!parsed)
        return 2;
    if (parsed->output.empty()) {
        std::fprintf(stderr, "render needs -o FILE.png\n");
        return 2;
    }
    // Painting into a picture needs no display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ui::QtPlatform platform(argc, argv);
    const std::string layout = PrepareSkin(*parsed);
    if (!parsed->language.empty() && !ui::ResourceManager::Instance().LoadLanguage(parsed->language))
        std::fprintf(stderr, "language file %s cannot be read; texts show their ids\n", parsed->language.c_str());
    return ui::QtScreenshot::RenderLayout(layout, parsed->size, parsed->dpi, parsed->output) ? 0 : 1;
}
