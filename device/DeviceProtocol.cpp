#include "device/DeviceProtocol.h"

#include "base/Trace.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint8_t kReportId = 4;
constexpr uint8_t kWirelessSilent = 0xAA;

void TraceReport(const char* title, const uint8_t* r)
{
    Trace("%s\n"
          "%02x %02x %02x %02x   %02x %02x %02x %02x   %02x %02x %02x %02x   %02x %02x %02x %02x  "
          "%02x %02x %02x %02x  %02x %02x %02x %02x  %02x %02x %02x %02x  %02x %02x %02x %02x\n"
          "%02x %02x %02x %02x   %02x %02x %02x %02x   %02x %02x %02x %02x   %02x %02x %02x %02x  "
          "%02x %02x %02x %02x  %02x %02x %02x %02x  %02x %02x %02x %02x  %02x %02x %02x %02x",
          title, r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7], r[8], r[9], r[10], r[11], r[12], r[13], r[14],
          r[15], r[16], r[17], r[18], r[19], r[20], r[21], r[22], r[23], r[24], r[25], r[26], r[27], r[28], r[29],
          r[30], r[31], r[32], r[33], r[34], r[35], r[36], r[37], r[38], r[39], r[40], r[41], r[42], r[43], r[44],
          r[45], r[46], r[47], r[48], r[49], r[50], r[51], r[52], r[53], r[54], r[55], r[56], r[57], r[58], r[59],
          r[60], r[61], r[62], r[63]);
}

class BusyScope {
public:
    explicit BusyScope(std::atomic<int>& busy) : busy_(busy) { ++busy_; }
    ~BusyScope() { --busy_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    std::atomic<int>& busy_;
};

// Replies nobody waits for any more (one that came after its exchange gave
// up) would otherwise be taken for the answer to the next request.
void DropStaleReports(HidDevice& device)
{
    uint8_t stale[DeviceProtocol::kReportLength];
    size_t count = 0;
    while (device.Read(stale, sizeof(stale), &count, 0)) {
    }
}

int StatusResult(const uint8_t* reply)
{
    if (reply[7] == 0xFF)
        return kResultStatusFF;
    if (reply[7] == 0xFE)
        return kResultStatusFE;
    return kResultOk;
}

} // namespace

DeviceProtocol::~DeviceProtocol()
{
    direct_.Close();
    receiver_.Close();
}

void DeviceProtocol::SelectRoute(int kind)
{
    viaReceiver_ = kind == 2;
    chunkSize_ = kind == 2 ? 24 : 56;
}

int DeviceProtocol::SetKeyTableSize(uint16_t size)
{
    if (size > kMaxKeyTableSize)
        return 0;
    keyTableSize_ = size;
    return 1;
}

uint16_t DeviceProtocol::Checksum(const uint8_t* report)
{
    unsigned sum = 0;
    for (size_t i = 3; i < kReportLength; ++i)
        sum += report[i];
    return static_cast<uint16_t>(sum);
}

void DeviceProtocol::BuildRequest(uint8_t* report, uint8_t command, uint8_t length, uint16_t offset,
                                  const uint8_t* payload)
{
    std::memset(report, 0, kReportLength);
    report[0] = kReportId;
    report[3] = command;
    report[4] = length;
    report[5] = static_cast<uint8_t>(offset);
    report[6] = static_cast<uint8_t>(offset >> 8);
    report[7] = 0;
    if (payload)
        std::memcpy(report + 8, payload, std::min<size_t>(length, kMaxPayload));
    const uint16_t sum = Checksum(report);
    report[1] = static_cast<uint8_t>(sum);
    report[2] = static_cast<uint8_t>(sum >> 8);
}

int DeviceProtocol::Exchange(const uint8_t* request, size_t requestLength, uint8_t* reply, size_t replyLength,
                             size_t* count)
{
    BusyScope busy(busy_);
    if (count)
        *count = 0;
    if (!opened_ || !request)
        return kResultNoReply;
    uint8_t packet[kReportLength] = {};
    std::memcpy(packet, request, std::min(requestLength, kReportLength));
    TraceReport("命令", packet);

    const bool viaReceiver = viaReceiver_;
    HidDevice& device = viaReceiver ? receiver_ : direct_;
    const int timeout = viaReceiver ? kReceiverTimeoutMs : kDirectTimeoutMs;
    uint8_t answer[kReportLength] = {};
    size_t got = 0;
    int result = kResultNoReply;
    {
        // Held from the write to the last read, so no other exchange on this
        // interface can take this request's reply or slip its own in between.
        std::lock_guard io(ioLock_);
        DropStaleReports(device);
        size_t written = 0;
        if (!device.Write(packet, sizeof(packet), &written, timeout))
            return kResultWriteFailed;
        for (int read = 0; read < 2; ++read) {
            std::memset(answer, 0, sizeof(answer));
            if (!device.Read(answer, sizeof(answer), &got, timeout)) {
                got = 0;
                result = kResultNoReply;
                break;
            }
            if (answer[3] == packet[3]) {
                result = kResultOk;
                break;
            }
            if (viaReceiver && answer[3] == kWirelessSilent) {
                result = kResultWirelessOff;
                break;
            }
            // Two replies that both answer another command: nothing of ours was read.
            result = kResultNoReply;
        }
    }
    if (reply) {
        const size_t copied = std::min(replyLength, got);
        std::memcpy(reply, answer, copied);
        if (count)
            *count = copied;
    }
    TraceReport("返回", answer);
    return result;
}

int DeviceProtocol::QuickExchange(const uint8_t* request, size_t requestLength, uint8_t* reply, size_t replyLength,
                                  size_t* count)
{
    if (count)
        *count = 0;
    if (!opened_ || !request)
        return kResultNoReply;
    uint8_t packet[kReportLength] = {};
    std::memcpy(packet, request, std::min(requestLength, kReportLength));
    uint8_t answer[kReportLength] = {};
    size_t got = 0;
    bool read = false;
    {
        std::lock_guard io(ioLock_);
        DropStaleReports(direct_);
        size_t written = 0;
        if (!direct_.Write(packet, sizeof(packet), &written, kDirectTimeoutMs))
            return kResultWriteFailed;
        read = direct_.Read(answer, sizeof(answer), &got, kDirectTimeoutMs);
    }
    if (!read)
        return kResultNoReply;
    if (reply) {
        const size_t copied = std::min(replyLength, got);
        std::memcpy(reply, answer, copied);
        if (count)
            *count = copied;
    }
    return kResultOk;
}

std::mutex& DeviceProtocol::LockFor(Lock lock)
{
    return lock == Lock::Light ? lightLock_ : commandLock_;
}

int DeviceProtocol::Command(uint8_t command, Lock lock, uint8_t length, uint16_t offset, const uint8_t* payload,
                            uint8_t* reply)
{
    uint8_t request[kReportLength];
    BuildRequest(request, command, length, offset, payload);
    int result = kResultNoReply;
    if (lock == Lock::None) {
        result = Exchange(request, sizeof(request), reply, kReportLength, nullptr);
    } else {
        std::lock_guard guard(LockFor(lock));
        result = Exchange(request, sizeof(request), reply, kReportLength, nullptr);
    }
    return result == kResultOk ? StatusResult(reply) : result;
}

int DeviceProtocol::Transfer(uint8_t command, Lock lock, uint8_t* into, const uint8_t* from, size_t total,
                             uint32_t base, size_t chunk)
{
    // Offsets are 16 bits on the wire; a transfer past them would wrap
    // around and touch the wrong memory.
    if (base + total > 0x10000)
        return kResultNoReply;
    for (size_t position = 0; position < total; position += chunk) {
        const size_t length = position + chunk < total ? chunk : total - position;
        uint8_t reply[kReportLength] = {};
        const int result = Command(command, lock, static_cast<uint8_t>(length),
                                   static_cast<uint16_t>(base + position), from ? from + position : nullptr, reply);
        if (result != kResultOk)
            return result;
        if (into)
            std::memcpy(into + position, reply + 8, length);
    }
    return kResultOk;
}
