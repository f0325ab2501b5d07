#pragma once

#include "sim/SimDeviceMemory.h"
#include "sim/SimReportHandler.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class SimHidInterface;

// One vendor command packet as the device received it.
struct SimCommandRecord {
    uint8_t command = 0;
    uint8_t length = 0;
    uint16_t offset = 0;
    std::vector<uint8_t> payload; // the bytes written; empty for reads

    bool operator==(const SimCommandRecord&) const = default;
};

struct SimLightPacketRecord {
    SimCommandRecord packet;
    std::chrono::steady_clock::time_point time;
};

enum class SimFaultKind {
    NoReply,    // the packet is taken and never answered
    WrongEcho,  // two replies, both echoing another command
    StrayReply, // a reply echoing another command, then the right one
    StatusFF,   // answered with status 0xFF (data still filled in)
    StatusFE,   // answered with status 0xFE (data still filled in)
    WriteFails, // the host's write of the packet fails
    Unplug,     // the device is pulled when the packet arrives
    Delay,      // answered after delayMs
};

// Which packets a fault hits: it lets `after` packets through unharmed,
// then hits `count` of them (-1: every one until cleared).
struct SimFault {
    SimFaultKind kind = SimFaultKind::NoReply;
    int after = 0;
    int count = -1;
    int delayMs = 0;
};

// The firmware of a mouse, keyboard or mouse pad on one route (its cable or
// its wireless receiver): answers every vendor command from the device's
// memory, keeps the receiver's wireless link, records what it receives and
// takes injected faults. Its interface's consumer-control collection carries
// the notifications it sends.
class SimFirmware : public SimReportHandler {
public:
    SimFirmware(std::shared_ptr<SimDeviceMemory> memory, bool viaReceiver);

    bool OnOutputReport(SimHidInterface& from, const uint8_t* report, size_t length) override;

    SimDeviceMemory& Memory() { return *memory_; }
    bool ViaReceiver() const { return viaReceiver_; }

    // Only through the receiver: while the wireless device is off, the
    // receiver answers 0xAA to every command and reports the link down.
    void SetWirelessDeviceOn(bool on);
    bool WirelessDeviceOn() const;

    void InjectFault(const SimFault& fault);
    void ClearFaults();
    // How an Unplug fault pulls the device (set by whoever plugged it).
    void SetUnplugAction(std::function<void()> unplug);

    // Commands in the order received, light frame packets (0x12) apart with their times.
    std::vector<SimCommandRecord> Commands() const;
    std::vector<SimLightPacketRecord> LightPackets() const;
    size_t RepliesSent() const;
    void ClearTraffic();

    // Notifications on the consumer-control collection.
    void AttachInterface(std::weak_ptr<SimHidInterface> interface);
    bool SendNotification(uint16_t code);
    bool ChangeSettingsOnDevice(size_t offset, const std::vector<uint8_t>& bytes); // 0x401
    bool PressButton();                                                           // 0x403
    bool SelectProfileOnDevice(uint8_t profile);                                  // 0x10XY
    bool SelectDpiStageOnDevice(uint8_t profile, uint8_t stage);                  // 0x11XY
    bool KeyEvent(uint8_t key, bool pressed);                                     // 0x500 / 0x600 + key

private:
    struct Answer {
        uint8_t status = 0;
        std::vector<uint8_t> data;
    };
    Answer Execute(uint8_t command, uint8_t length, uint16_t offset, const uint8_t* payload);
    std::vector<uint8_t> Reply(uint8_t echo, const uint8_t* request, const Answer& answer) const;

    const std::shared_ptr<SimDeviceMemory> memory_;
    const bool viaReceiver_;
    mutable std::mutex lock_;
    bool deviceOn_ = true;
    std::vector<SimFault> faults_;
    std::function<void()> unplug_;
    std::weak_ptr<SimHidInterface> interface_;
    std::vector<SimCommandRecord> commands_;
    std::vector<SimLightPacketRecord> lightPackets_;
    size_t repliesSent_ = 0;
    bool macroWritten_ = false;
    bool recoilWritten_ = false;
};
