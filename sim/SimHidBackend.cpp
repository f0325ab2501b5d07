#include "sim/SimHidBackend.h"

#include "device/HidBackendRegistry.h"
#include "device/HidDevice.h"
#include "device/HidPath.h"

#include <algorithm>

void SimHidBackend::Install()
{
    HidBackendRegistry::RegisterBackend(kPrefix, shared_from_this());
    HidBackendRegistry::NotifyChanged();
}

void SimHidBackend::Uninstall()
{
    HidBackendRegistry::UnregisterBackend(kPrefix, this);
    HidBackendRegistry::NotifyChanged();
}

void SimHidBackend::Plug(std::shared_ptr<SimHidInterface> interface)
{
    {
        std::lock_guard guard(lock_);
        std::erase_if(plugged_, [&](const auto& other) {
            return other == interface || (other->ProductName() == interface->ProductName() &&
                                          other->InterfaceNumber() == interface->InterfaceNumber());
        });
        interface->SetPlugged(true);
        plugged_.push_back(std::move(interface));
    }
    HidBackendRegistry::NotifyChanged();
}

void SimHidBackend::Unplug(const std::string& productName)
{
    std::vector<std::shared_ptr<SimHidInterface>> pulled;
    {
        std::lock_guard guard(lock_);
        for (auto& interface : plugged_)
            if (interface->ProductName() == productName)
                pulled.push_back(interface);
        std::erase_if(plugged_, [&](const auto& interface) { return interface->ProductName() == productName; });
    }
    for (auto& interface : pulled)
        interface->SetPlugged(false);
    if (!pulled.empty())
        HidBackendRegistry::NotifyChanged();
}

bool SimHidBackend::IsPlugged(const std::string& productName) const
{
    std::lock_guard guard(lock_);
    return std::any_of(plugged_.begin(), plugged_.end(),
                       [&](const auto& interface) { return interface->ProductName() == productName; });
}

bool SimHidBackend::Enumerate(std::vector<HidInterfaceInfo>& interfaces)
{
    std::lock_guard guard(lock_);
    for (const auto& interface : plugged_)
        HidPath::Describe(kPrefix + interface->ProductName(), interface->Attributes(), interface->InterfaceNumber(),
                          interface->Collections(), interfaces);
    return true;
}

std::shared_ptr<HidConnection> SimHidBackend::Open(const std::string& path, const HidOpenMode& mode)
{
    const std::string node = HidPath::Node(path);
    if (node.rfind(kPrefix, 0) != 0)
        return nullptr;
    const std::string name = node.substr(std::string(kPrefix).size());
    const uint16_t interfaceNumber = HidDevice::ParseHexField(path, "&mi_");
    std::shared_ptr<SimHidInterface> found;
    {
        std::lock_guard guard(lock_);
        for (const auto& interface : plugged_)
            if (interface->ProductName() == name && interface->InterfaceNumber() == interfaceNumber)
                found = interface;
    }
    if (!found || !HidPath::MatchesAttributes(path, found->Attributes()))
        return nullptr;
    const auto index = HidPath::CollectionIndex(path, found->Collections().size());
    if (!index)
        return nullptr;
    return found->Connect(*index, mode);
}
