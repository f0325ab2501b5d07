#include "ui/Platform.h"

#include "ui/ResourceManager.h"
#include "ui/WindowRegistry.h"

#include <atomic>

namespace ui {

namespace {
std::atomic<Platform*> installed{nullptr};
} // namespace

Platform* Platform::Current() { return installed.load(); }

void Platform::Install(Platform* platform)
{
    Platform* old = installed.exchange(platform);
    if (old && old != platform)
        WindowRegistry::Instance().CancelPendingSends();
    ResourceManager::Instance().Images().SetLoader(platform ? &platform->Images() : nullptr);
}

} // namespace ui
