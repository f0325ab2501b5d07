#include "device/HidBackendRegistry.h"

#include "device/HidPlatform.h"

#include <algorithm>
#include <mutex>
#include <utility>

namespace {

struct Registry {
    std::mutex lock;
    std::shared_ptr<HidBackend> platform;
    std::vector<std::pair<std::string, std::shared_ptr<HidBackend>>> prefixed;
    std::vector<std::pair<int, std::function<void()>>> listeners;
    int nextListener = 1;
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

std::shared_ptr<HidBackend> PlatformLocked(Registry& registry)
{
    if (!registry.platform)
        registry.platform = CreatePlatformHidBackend();
    return registry.platform;
}

} // namespace

void HidBackendRegistry::SetPlatformBackend(std::shared_ptr<HidBackend> backend)
{
    Registry& registry = TheRegistry();
    std::lock_guard guard(registry.lock);
    registry.platform = std::move(backend);
}

void HidBackendRegistry::RegisterBackend(const std::string& prefix, std::shared_ptr<HidBackend> backend)
{
    Registry& registry = TheRegistry();
    std::lock_guard guard(registry.lock);
    for (auto& entry : registry.prefixed) {
        if (entry.first == prefix) {
            entry.second = std::move(backend);
            return;
        }
    }
    registry.prefixed.emplace_back(prefix, std::move(backend));
}

void HidBackendRegistry::UnregisterBackend(const std::string& prefix, const HidBackend* backend)
{
    Registry& registry = TheRegistry();
    std::lock_guard guard(registry.lock);
    std::erase_if(registry.prefixed,
                  [&](const auto& entry) { return entry.first == prefix && entry.second.get() == backend; });
}

std::shared_ptr<HidBackend> HidBackendRegistry::BackendFor(const std::string& path)
{
    Registry& registry = TheRegistry();
    std::lock_guard guard(registry.lock);
    for (const auto& [prefix, backend] : registry.prefixed)
        if (path.compare(0, prefix.size(), prefix) == 0)
            return backend;
    return PlatformLocked(registry);
}

bool HidBackendRegistry::Enumerate(std::vector<HidInterfaceInfo>& interfaces)
{
    std::vector<std::shared_ptr<HidBackend>> backends;
    {
        Registry& registry = TheRegistry();
        std::lock_guard guard(registry.lock);
        backends.push_back(PlatformLocked(registry));
        for (const auto& entry : registry.prefixed)
            backends.push_back(entry.second);
    }
    bool ok = true;
    for (const auto& backend : backends)
        ok = backend->Enumerate(interfaces) && ok;
    return ok;
}

int HidBackendRegistry::AddChangeListener(std::function<void()> listener)
{
    Registry& registry = TheRegistry();
    std::lock_guard guard(registry.lock);
    const int id = registry.nextListener++;
    registry.listeners.emplace_back(id, std::move(listener));
    return id;
}

void HidBackendRegistry::RemoveChangeListener(int id)
{
    Registry& registry = TheRegistry();
    std::lock_guard guard(registry.lock);
    std::erase_if(registry.listeners, [id](const auto& entry) { return entry.first == id; });
}

void HidBackendRegistry::NotifyChanged()
{
    std::vector<std::function<void()>> listeners;
    {
        Registry& registry = TheRegistry();
        std::lock_guard guard(registry.lock);
        for (const auto& entry : registry.listeners)
            listeners.push_back(entry.second);
    }
    for (const auto& listener : listeners)
        listener();
}
