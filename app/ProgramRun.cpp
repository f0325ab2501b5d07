#include "app/ProgramRun.h"

#include "app/CMainWnd.h"
#include "app/ControlClassTable.h"
#include "app/RegisteredMessages.h"
#include "base/AppFolders.h"
#include "base/Trace.h"
#include "sim/SimDevices.h"
#include "ui/Platform.h"
#include "ui/ResourceManager.h"

#include <memory>

namespace {

// Popup, visible, clip siblings and children, caption, system menu,
// minimise box: 0x96CA0000.
constexpr uint32_t kMainWindowStyle = ui::WindowStyle::Popup | ui::WindowStyle::Visible |
                                      ui::WindowStyle::ClipSiblings | ui::WindowStyle::ClipChildren |
                                      ui::WindowStyle::Caption | ui::WindowStyle::SysMenu |
                                      ui::WindowStyle::MinimizeBox;
static_assert(kMainWindowStyle == 0x96CA0000u);
// The size it is made with; it takes its working size once it has settled.
constexpr int kCreateWidth = 800;
constexpr int kCreateHeight = 572;

} // namespace

int RunProgram(const ProgramOptions& options)
{
    ui::Platform* platform = ui::Platform::Current();
    if (!platform)
        return 0;
    // Plugged before the window exists, so the first scan finds them.
    std::unique_ptr<SimDevices> simulated;
    if (options.demo) {
        simulated = std::make_unique<SimDevices>();
        simulated->PlugDemoSet();
    }

    ui::ResourceManager& resources = ui::ResourceManager::Instance();
    resources.SetSkinFolder(SkinFolder());
    if (!resources.LoadResourceIndex("res.xml"))
        Trace("start-up: the skin's res.xml cannot be read");
    RegisterControlClasses();
    RegisteredMessages::Register();

    bool pictureWritten = true;
    {
        CMainWnd window({options.link, options.startDetection, options.detection});
        if (!window.Create({}, CMainWnd::kTitle, kMainWindowStyle, 0, 0, 0, kCreateWidth, kCreateHeight)) {
            resources.Reset();
            return 0;
        }
        window.SetIcon("icon/veltrane.png");
        window.CenterWindow();
        if (options.mainWindowCreated)
            options.mainWindowCreated(window.GetHandle());

        ui::EventLoop& loop = platform->Loop();
        ui::EventLoop::TimerId quitTimer = 0;
        if (options.quitAfterMs >= 0)
            quitTimer = loop.StartTimer(static_cast<uint32_t>(options.quitAfterMs), [&] {
                loop.StopTimer(quitTimer);
                if (options.screenshot)
                    pictureWritten = options.screenshot(window);
                window.Close(0);
            });
        loop.Run();
        if (quitTimer)
            loop.StopTimer(quitTimer);
        if (!window.IsDestroyed())
            window.DestroyWindow();
    }
    resources.Reset();
    return pictureWritten ? 0 : 1;
}
