// The program: parses the command line, loads the fonts, makes sure it is
// the only copy for the user (on the session bus, or with a lock file when
// there is none), then runs the main window on the Qt host.

#include "app/ApplicationFonts.h"
#include "app/CMainWnd.h"
#include "app/CommandLine.h"
#include "app/InstanceLock.h"
#include "app/MessageNames.h"
#include "app/ProgramRun.h"
#include "app/dbus/DBusInstanceLink.h"
#include "app/dbus/SleepWatcher.h"
#include "base/AppFolders.h"
#include "base/Trace.h"
#include "ui/WindowRegistry.h"
#include "ui/qt/QtFonts.h"
#include "ui/qt/QtPlatform.h"
#include "ui/qt/QtScreenshot.h"

#include <QDBusConnection>
#include <QFont>
#include <cstdio>
#include <memory>

namespace {

// Loads a font file; its faces also answer to "<family> Regular", the name
// the skin and the language table use for some of them.
int LoadFont(const std::string& path)
{
    int handle = -1;
    for (const std::string& family : ui::QtFonts::Load(path, &handle)) {
        const QString name = QString::fromStdString(family);
        QFont::insertSubstitution(name + " Regular", name);
    }
    return handle;
}

} // namespace

int main(int argc, char** argv)
{
    ConfigureTrace();
    const CommandLine line = CommandLine::Parse(argc, argv);
    if (!line.error.empty()) {
        std::fprintf(stderr, "veltrane: %s\n\n%s", line.error.c_str(), CommandLine::Usage());
        return 2;
    }
    if (line.help) {
        std::fputs(CommandLine::Usage(), stdout);
        return 0;
    }
    if (line.version) {
        std::printf("Veltrane Software %s\n", VELTRANE_VERSION);
        return 0;
    }

    // Qt takes no arguments of ours; its own come from the environment.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    ui::QtPlatform platform(qtArgc, qtArgv);
    const ApplicationFonts fonts(ProgramFolder(), LoadFont, ui::QtFonts::Remove);

    const ui::MessageId activate = ui::RegisterWindowMessage(MessageNames::kActivateInstance);
    Trace("软件标示：%d", static_cast<int>(activate));
    if (activate < ui::Msg::RegisteredFirst || activate > ui::Msg::RegisteredLast)
        return 0;

    std::unique_ptr<DBusInstanceLink> link;
    std::unique_ptr<InstanceLock> lock;
    QDBusConnection session = QDBusConnection::sessionBus();
    if (session.isConnected()) {
        link = std::make_unique<DBusInstanceLink>(session);
        if (link->ClaimInstance() == InstanceLink::Claim::Second)
            return 0;
    } else {
        lock = std::make_unique<InstanceLock>();
        if (lock->state() == InstanceLock::State::HeldElsewhere)
            return 0;
    }

    std::unique_ptr<SleepWatcher> sleep;
    ProgramOptions options;
    options.demo = line.demo;
    options.quitAfterMs = line.quitAfterMs;
    options.link = link.get();
    options.mainWindowCreated = [&sleep](ui::WindowHandle window) {
        sleep = std::make_unique<SleepWatcher>(QDBusConnection::systemBus(), window);
    };
    if (!line.screenshotPath.empty())
        options.screenshot = [&line](CMainWnd& window) {
            if (ui::QtScreenshot::SaveWindow(window, line.screenshotPath))
                return true;
            std::fprintf(stderr, "veltrane: %s cannot be written\n", line.screenshotPath.c_str());
            return false;
        };
    const int code = RunProgram(options);
    sleep.reset();
    link.reset();
    return code;
}
