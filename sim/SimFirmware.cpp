#include "sim/SimFirmware.h"

#include "device/DeviceProtocol.h"
#include "sim/SimDescriptors.h"
#include "sim/SimHidInterface.h"

#include <cstring>
#include <optional>

namespace {

constexpr uint8_t kWirelessSilent = 0xAA;
constexpr uint8_t kStatusError = 0xFF;

bool IsWrite(uint8_t command)
{
    switch (command) {
    case 0x06: case 0x09: case 0x0B: case 0x12: case 0x15: case 0x17: return true;
    default: return false;
    }
}

} // namespace

SimFirmware::SimFirmware(std::shared_ptr<SimDeviceMemory> memory, bool viaReceiver)
    : memory_(std::move(memory)), viaReceiver_(viaReceiver)
{
}

void SimFirmware::SetWirelessDeviceOn(bool on)
{
    std::lock_guard guard(lock_);
    deviceOn_ = on;
}

bool SimFirmware::WirelessDeviceOn() const
{
    std::lock_guard guard(lock_);
    return deviceOn_;
}

void SimFirmware::InjectFault(const SimFault& fault)
{
    std::lock_guard guard(lock_);
    faults_.push_back(fault);
}

void SimFirmware::ClearFaults()
{
    std::lock_guard guard(lock_);
    faults_.clear();
}

void SimFirmware::SetUnplugAction(std::function<void()> unplug)
{
    std::lock_guard guard(lock_);
    unplug_ = std::move(unplug);
}

std::vector<SimCommandRecord> SimFirmware::Commands() const
{
    std::lock_guard guard(lock_);
    return commands_;
}

std::vector<SimLightPacketRecord> SimFirmware::LightPackets() const
{
    std::lock_guard guard(lock_);
    return lightPackets_;
}

size_t SimFirmware::RepliesSent() const
{
    std::lock_guard guard(lock_);
    return repliesSent_;
}

void SimFirmware::ClearTraffic()
{
    std::lock_guard guard(lock_);
    commands_.clear();
    lightPackets_.clear();
    repliesSent_ = 0;
}

void SimFirmware::AttachInterface(std::weak_ptr<SimHidInterface> interface)
{
    std::lock_guard guard(lock_);
    interface_ = std::move(interface);
}

bool SimFirmware::OnOutputReport(SimHidInterface& from, const uint8_t* report, size_t length)
{
    std::lock_guard guard(lock_);
    // Only whole vendor reports are commands; anything else goes unanswered.
    if (length != DeviceProtocol::kReportLength || report[0] != SimDescriptors::kVendorReportId)
        return true;

    // Every fault counts the packets it lets through; the first one due hits this packet.
    std::optional<SimFault> fault;
    for (SimFault& waiting : faults_) {
        if (waiting.after > 0) {
            --waiting.after;
        } else if (!fault && waiting.count != 0) {
            fault = waiting;
            if (waiting.count > 0)
                --waiting.count;
        }
    }
    std::erase_if(faults_, [](const SimFault& spent) { return spent.count == 0; });

    if (fault && fault->kind == SimFaultKind::WriteFails)
        return false;
    if (fault && fault->kind == SimFaultKind::Unplug) {
        if (unplug_)
            unplug_();
        return true;
    }

    const uint8_t command = report[3];
    const uint8_t size = report[4];
    const uint16_t offset = static_cast<uint16_t>(report[5] | (report[6] << 8));
    SimCommandRecord record{command, size, offset, {}};
    if (IsWrite(command))
        record.payload.assign(report + 8, report + 8 + std::min<size_t>(size, DeviceProtocol::kMaxPayload));
    if (command == 0x12)
        lightPackets_.push_back({record, std::chrono::steady_clock::now()});
    else
        commands_.push_back(record);

    if (fault && fault->kind == SimFaultKind::NoReply)
        return true;

    Answer answer;
    uint8_t echo = command;
    if (viaReceiver_ && !deviceOn_ && command != kWirelessSilent) {
        echo = kWirelessSilent; // the receiver answers for the silent device
    } else if (DeviceProtocol::Checksum(report) != static_cast<uint16_t>(report[1] | (report[2] << 8))) {
        answer.status = kStatusError;
    } else {
        answer = Execute(command, size, offset, report + 8);
    }
    if (fault && fault->kind == SimFaultKind::StatusFF)
        answer.status = 0xFF;
    if (fault && fault->kind == SimFaultKind::StatusFE)
        answer.status = 0xFE;

    const int delay = fault && fault->kind == SimFaultKind::Delay ? fault->delayMs : 0;
    const uint8_t foreign = static_cast<uint8_t>(command ^ 0x40);
    if (fault && (fault->kind == SimFaultKind::WrongEcho || fault->kind == SimFaultKind::StrayReply)) {
        from.SendInput(Reply(foreign, report, answer), delay);
        ++repliesSent_;
    }
    if (fault && fault->kind == SimFaultKind::WrongEcho) {
        from.SendInput(Reply(foreign, report, answer), delay);
    } else {
        from.SendInput(Reply(echo, report, answer), delay);
    }
    ++repliesSent_;
    return true;
}

SimFirmware::Answer SimFirmware::Execute(uint8_t command, uint8_t length, uint16_t offset, const uint8_t* payload)
{
    Answer answer;
    if (length > DeviceProtocol::kMaxPayload) {
        answer.status = kStatusError;
        return answer;
    }
    auto read = [&](SimRegion region) {
        answer.data.assign(length, 0);
        if (!memory_->Read(region, offset, length, answer.data.data()))
            answer.status = kStatusError;
    };
    auto write = [&](SimRegion region) {
        if (!memory_->Write(region, offset, length, payload))
            answer.status = kStatusError;
    };
    switch (command) {
    case 0x01:
        macroWritten_ = recoilWritten_ = false;
        break;
    case 0x02:
        // A download image is checked when its sequence closes.
        if ((macroWritten_ && !memory_->ImageValid(SimRegion::Macro)) ||
            (recoilWritten_ && !memory_->ImageValid(SimRegion::Recoil)))
            answer.status = kStatusError;
        macroWritten_ = recoilWritten_ = false;
        break;
    case 0x03: read(SimRegion::Info); break;
    case 0x05: read(SimRegion::Settings); break;
    case 0x06: write(SimRegion::Settings); break;
    case 0x07: read(SimRegion::KeyTable); break;
    case 0x09: write(SimRegion::KeyTable); break;
    case 0x0A: read(SimRegion::KeyColours); break;
    case 0x0B: write(SimRegion::KeyColours); break;
    case 0x12: write(SimRegion::LightFrame); break;
    case 0x15:
        write(SimRegion::Macro);
        macroWritten_ = true;
        break;
    case 0x17:
        write(SimRegion::Recoil);
        recoilWritten_ = true;
        break;
    case 0x1A: read(SimRegion::Status); break;
    case 0x1B: read(SimRegion::KeyMap); break;
    case 0x1C: memory_->SetHostLighting(true); break;
    case kWirelessSilent:
        answer.data = {static_cast<uint8_t>(!viaReceiver_ || deviceOn_ ? 0xFF : 0x00)};
        break;
    default:
        answer.status = kStatusError;
        break;
    }
    return answer;
}

std::vector<uint8_t> SimFirmware::Reply(uint8_t echo, const uint8_t* request, const Answer& answer) const
{
    std::vector<uint8_t> reply(DeviceProtocol::kReportLength, 0);
    reply[0] = SimDescriptors::kVendorReportId;
    reply[3] = echo;
    reply[4] = request[4];
    reply[5] = request[5];
    reply[6] = request[6];
    reply[7] = answer.status;
    if (!answer.data.empty())
        std::memcpy(reply.data() + 8, answer.data.data(),
                    std::min<size_t>(answer.data.size(), DeviceProtocol::kMaxPayload));
    const uint16_t sum = DeviceProtocol::Checksum(reply.data());
    reply[1] = static_cast<uint8_t>(sum);
    reply[2] = static_cast<uint8_t>(sum >> 8);
    return reply;
}

bool SimFirmware::SendNotification(uint16_t code)
{
    std::shared_ptr<SimHidInterface> interface;
    {
        std::lock_guard guard(lock_);
        interface = interface_.lock();
    }
    return interface && interface->SendInput({SimDescriptors::kConsumerReportId, static_cast<uint8_t>(code),
                                              static_cast<uint8_t>(code >> 8)});
}

bool SimFirmware::ChangeSettingsOnDevice(size_t offset, const std::vector<uint8_t>& bytes)
{
    return memory_->Set(SimRegion::Settings, offset, bytes) && SendNotification(0x401);
}

bool SimFirmware::PressButton()
{
    return SendNotification(0x403);
}

bool SimFirmware::SelectProfileOnDevice(uint8_t profile)
{
    memory_->Set(SimRegion::Settings, 0, {profile});
    return SendNotification(static_cast<uint16_t>(0x1000 | (profile & 0x0F)));
}

bool SimFirmware::SelectDpiStageOnDevice(uint8_t profile, uint8_t stage)
{
    memory_->Set(SimRegion::Settings, 0, {profile});
    return SendNotification(static_cast<uint16_t>(0x1100 | ((stage & 0x0F) << 4) | (profile & 0x0F)));
}

bool SimFirmware::KeyEvent(uint8_t key, bool pressed)
{
    return SendNotification(static_cast<uint16_t>((pressed ? 0x500 : 0x600) + key));
}
