#pragma once

#include "device/HidBackend.h"
#include "device/HidInterfaceInfo.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Chooses the backend of a path. The machine's own backend (hidraw) serves
// every path; a backend registered under a prefix ("sim:") serves the paths
// that begin with it. The transport itself knows no backend but the platform's.
class HidBackendRegistry {
public:
    // Replaces the machine's backend (tests and the tool point it at a sysfs
    // fixture); null restores the default one.
    static void SetPlatformBackend(std::shared_ptr<HidBackend> backend);
    static void RegisterBackend(const std::string& prefix, std::shared_ptr<HidBackend> backend);
    // Removes the prefix only while `backend` is still the one registered there.
    static void UnregisterBackend(const std::string& prefix, const HidBackend* backend);

    static std::shared_ptr<HidBackend> BackendFor(const std::string& path);
    // The machine's interfaces first, then each registered backend's in
    // registration order. False only when a listing failed.
    static bool Enumerate(std::vector<HidInterfaceInfo>& interfaces);

    // Backends that know of arrivals and removals (simulated plugs) call
    // NotifyChanged; listeners (a detection pass waiting to run early) are
    // called on that thread and must not block.
    static int AddChangeListener(std::function<void()> listener);
    static void RemoveChangeListener(int id);
    static void NotifyChanged();
};
