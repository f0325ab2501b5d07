#pragma once

#include "device/HidBackend.h"
#include "sim/SimHidInterface.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

// The backend of the "sim:" paths: simulated interfaces that tests and
// --demo plug and unplug at run time. Install registers it with the
// transport; the transport itself knows nothing of it.
class SimHidBackend : public HidBackend, public std::enable_shared_from_this<SimHidBackend> {
public:
    static constexpr const char* kPrefix = "sim:";

    void Install();
    void Uninstall();

    // Plugs the interface (again); its product name and interface number make
    // its paths: sim:NAME&vid_XXXX&pid_XXXX&mi_NN[&colNN].
    void Plug(std::shared_ptr<SimHidInterface> interface);
    // Unplugs every interface of the product; open handles fail from then on.
    void Unplug(const std::string& productName);
    bool IsPlugged(const std::string& productName) const;

    bool Enumerate(std::vector<HidInterfaceInfo>& interfaces) override;
    std::shared_ptr<HidConnection> Open(const std::string& path, const HidOpenMode& mode) override;

private:
    mutable std::mutex lock_;
    std::vector<std::shared_ptr<SimHidInterface>> plugged_;
};
