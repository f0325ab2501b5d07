#include "device/DeviceProtocol.h"

#include "base/Trace.h"

#include <chrono>
#include <cstring>
#include <thread>

namespace {

enum Code : uint8_t {
    kBeginTransfer = 0x01,
    kEndTransfer = 0x02,
    kReadDeviceInfo = 0x03,
    kReadSettings = 0x05,
    kWriteSettings = 0x06,
    kReadKeyTable = 0x07,
    kWriteKeyTable = 0x09,
    kReadKeyColours = 0x0A,
    kWriteKeyColours = 0x0B,
    kStreamLightFrame = 0x12,
    kWriteMacroMemory = 0x15,
    kWriteShootMemory = 0x17,
    kReadStatus = 0x1A,
    kReadKeyMap = 0x1B,
    kEnableHostLighting = 0x1C,
    kLinkCheck = 0xAA,
};

constexpr size_t kDeviceInfoLength = 34;
constexpr unsigned kKeyBankStride = 512;

} // namespace

int DeviceProtocol::BeginTransfer()
{
    uint8_t reply[kReportLength] = {};
    return Command(kBeginTransfer, Lock::Command, 0, 0, nullptr, reply);
}

int DeviceProtocol::EndTransfer()
{
    // The device needs a moment after the last packet of a sequence.
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    uint8_t reply[kReportLength] = {};
    return Command(kEndTransfer, Lock::Command, 0, 0, nullptr, reply);
}

int DeviceProtocol::ReadDeviceInfo(uint8_t* out)
{
    uint8_t record[kDeviceInfoLength] = {};
    const int result = Transfer(kReadDeviceInfo, Lock::Command, record, nullptr, sizeof(record), 0, ChunkSize());
    if (result == kResultOk && out)
        std::memcpy(out, record, sizeof(record));
    return result;
}

int DeviceProtocol::ReadSettings(uint8_t* out, size_t length, uint16_t base)
{
    return Transfer(kReadSettings, Lock::Command, out, nullptr, length, base, ChunkSize());
}

int DeviceProtocol::WriteSettings(const uint8_t* data, size_t length, uint16_t base)
{
    return Transfer(kWriteSettings, Lock::Command, nullptr, data, length, base, ChunkSize());
}

int DeviceProtocol::ReadKeyTable(uint8_t* out)
{
    return Transfer(kReadKeyTable, Lock::Command, out, nullptr, KeyTableSize(), 0, ChunkSize());
}

int DeviceProtocol::WriteKeyTable(const uint8_t* data, unsigned bank)
{
    if (bank >= 1)
        return kResultBadKeyBank;
    return Transfer(kWriteKeyTable, Lock::Command, nullptr, data, KeyTableSize(), bank * kKeyBankStride,
                    ChunkSize());
}

int DeviceProtocol::ReadKeyColours(uint8_t* out, size_t length, unsigned bank, unsigned bankSize)
{
    return Transfer(kReadKeyColours, Lock::Light, out, nullptr, length, bank * bankSize, ChunkSize());
}

int DeviceProtocol::WriteKeyColours(const uint8_t* data, size_t length, unsigned bank, unsigned bankSize)
{
    return Transfer(kWriteKeyColours, Lock::Light, nullptr, data, length, bank * bankSize, ChunkSize());
}

int DeviceProtocol::StreamLightFrame(const uint8_t* data, size_t length)
{
    return StreamLightFrame(data, length, nullptr);
}

int DeviceProtocol::StreamLightFrame(const uint8_t* data, size_t length, size_t* dropped)
{
    if (dropped)
        *dropped = 0;
    const size_t chunk = ChunkSize();
    for (size_t position = 0; position < length; position += chunk) {
        const size_t size = position + chunk < length ? chunk : length - position;
        uint8_t request[kReportLength];
        BuildRequest(request, kStreamLightFrame, static_cast<uint8_t>(size), static_cast<uint16_t>(position),
                     data + position);
        if (IsBusy()) {
            // A frame never waits behind a command: the next one comes soon.
            Trace("放弃灯光数据");
            if (dropped)
                ++*dropped;
            continue;
        }
        if (ViaReceiver())
            continue;
        uint8_t reply[kReportLength] = {};
        int result = kResultNoReply;
        {
            std::lock_guard guard(lightLock_);
            result = QuickExchange(request, sizeof(request), reply, sizeof(reply), nullptr);
        }
        if (result == kResultOk)
            result = reply[7] == 0xFF ? kResultStatusFF : reply[7] == 0xFE ? kResultStatusFE : kResultOk;
        if (result != kResultOk)
            return result;
    }
    return kResultOk;
}

int DeviceProtocol::WriteMacroMemory(const uint8_t* data, size_t length)
{
    return Transfer(kWriteMacroMemory, Lock::Command, nullptr, data, length, 0, ChunkSize());
}

int DeviceProtocol::WriteShootMemory(const uint8_t* data, size_t length)
{
    return Transfer(kWriteShootMemory, Lock::None, nullptr, data, length, 0, kMaxPayload);
}

int DeviceProtocol::ReadStatus(uint8_t* out, size_t length, uint16_t offset)
{
    if (length > kMaxPayload)
        return kResultNoReply;
    uint8_t reply[kReportLength] = {};
    const int result = Command(kReadStatus, Lock::Command, static_cast<uint8_t>(length), offset, nullptr, reply);
    if (result == kResultOk && out)
        std::memcpy(out, reply + 8, length);
    return result;
}

int DeviceProtocol::ReadKeyMap(uint8_t* out)
{
    return Transfer(kReadKeyMap, Lock::Command, out, nullptr, KeyTableSize() / 3, 0, ChunkSize());
}

int DeviceProtocol::EnableHostLighting()
{
    uint8_t reply[kReportLength] = {};
    return Command(kEnableHostLighting, Lock::Command, 0, 0, nullptr, reply);
}

bool DeviceProtocol::IsLinkUp()
{
    if (!ViaReceiver())
        return true;
    uint8_t request[kReportLength];
    BuildRequest(request, kLinkCheck, 0, 0, nullptr);
    uint8_t reply[kReportLength] = {};
    int result = kResultNoReply;
    {
        std::lock_guard guard(commandLock_);
        result = Exchange(request, sizeof(request), reply, sizeof(reply), nullptr);
    }
    return result == kResultOk && reply[8] == 0xFF && reply[7] != 0xFF && reply[7] != 0xFE;
}
