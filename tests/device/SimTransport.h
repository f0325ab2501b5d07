#pragma once

#include "device/HidBackendRegistry.h"
#include "device/HidPlatform.h"
#include "sim/SimCatalogue.h"
#include "sim/SimEchoModel.h"
#include "sim/SimHidBackend.h"

#include <memory>
#include <string>

// The transport as a test sees it: the machine's hidraw hidden behind an
// empty sysfs root, and a simulated backend installed.
class SimTransport {
public:
    SimTransport() : backend_(std::make_shared<SimHidBackend>())
    {
        HidBackendRegistry::SetPlatformBackend(CreatePlatformHidBackend("/nonexistent-sysfs", "/nonexistent-dev"));
        backend_->Install();
    }
    ~SimTransport()
    {
        backend_->Uninstall();
        HidBackendRegistry::SetPlatformBackend(nullptr);
    }
    SimTransport(const SimTransport&) = delete;
    SimTransport& operator=(const SimTransport&) = delete;

    SimHidBackend& Backend() { return *backend_; }

    // Plugs a catalogue product whose every interface echoes its output reports.
    void PlugEchoProduct(const std::string& name, std::shared_ptr<SimEchoModel> model = nullptr)
    {
        if (!model)
            model = std::make_shared<SimEchoModel>();
        for (auto& interface : SimCatalogue::MakeInterfaces(*SimCatalogue::Find(name))) {
            interface->SetHandler(model);
            backend_->Plug(interface);
        }
    }

private:
    std::shared_ptr<SimHidBackend> backend_;
};
