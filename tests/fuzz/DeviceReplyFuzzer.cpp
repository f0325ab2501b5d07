#include "device/DeviceProtocol.h"
#include "device/HidBackendRegistry.h"
#include "device/HidPlatform.h"
#include "sim/SimCatalogue.h"
#include "sim/SimHidBackend.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// A device that answers each request with the next two 64-byte pieces of
// the input (report id forced to 4, so the host reads them; two, so a wrong
// echo never leaves the host waiting out its time-out), then with echoes.
class ScriptedDevice : public SimReportHandler {
public:
    ScriptedDevice(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool OnOutputReport(SimHidInterface& from, const uint8_t* report, size_t length) override
    {
        for (int piece = 0; piece < 2; ++piece) {
            std::vector<uint8_t> reply(DeviceProtocol::kReportLength, 0);
            const size_t take = std::min(reply.size(), size_ - used_);
            if (take > 0)
                std::memcpy(reply.data(), data_ + used_, take);
            used_ += take;
            reply[0] = 4;
            if (take == 0 && length > 3)
                reply[3] = report[3];
            from.SendInput(reply);
        }
        return true;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t used_ = 0;
};

} // namespace

// Feeds arbitrary replies to the command channel on both routes: whatever a
// device answers, the commands end with a result code and stay in bounds.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool isolated = [] {
        HidBackendRegistry::SetPlatformBackend(CreatePlatformHidBackend("/nonexistent-sysfs", "/nonexistent-dev"));
        return true;
    }();
    (void)isolated;
    auto backend = std::make_shared<SimHidBackend>();
    backend->Install();
    auto interfaces = SimCatalogue::MakeInterfaces(*SimCatalogue::Find("mouse-receiver"));
    interfaces.back()->SetHandler(std::make_shared<ScriptedDevice>(data, size));
    for (auto& interface : interfaces)
        backend->Plug(interface);

    for (int route : {2, 1}) {
        DeviceProtocol channel;
        HidDevice& device = route == 2 ? channel.ReceiverInterface() : channel.DirectInterface();
        if (!device.Open("sim:mouse-receiver&vid_320f&pid_7c20&mi_01&col04", true, true, true, false))
            break;
        channel.SetOpened(true);
        channel.SelectRoute(route);
        uint8_t info[34];
        uint8_t table[512];
        uint8_t status[6];
        channel.IsLinkUp();
        channel.ReadDeviceInfo(info);
        channel.SetKeyTableSize(static_cast<uint16_t>(info[5] * 3));
        channel.ReadKeyTable(table);
        channel.ReadStatus(status, sizeof(status), 0);
        channel.StreamLightFrame(table, 100);
    }
    backend->Uninstall();
    return 0;
}
