#pragma once

#include "device/HidDevice.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>

// Result codes of every device operation.
enum ProtocolResult : int {
    kResultOk = 1,
    kResultNoReply = 0,          // channel not opened, or no reply was read
    kResultWriteFailed = -1,     // the request could not be written
    kResultWirelessOff = -101,   // through the receiver: the wireless device does not answer
    kResultStatusFF = -102,      // the device reported status 0xFF
    kResultStatusFE = -103,      // the device reported status 0xFE
    kResultBadKeyBank = -201,    // key table bank 1 or higher
};

// One vendor command channel: 64-byte reports with report id 4 and a 16-bit
// sum, answered by a reply that echoes the command, over the device's own
// interface or its wireless receiver's.
//
// Request: [0] 4, [1..2] sum of bytes 3..63, [3] command, [4] payload length,
// [5..6] offset, [7] 0, [8..63] payload. Reply: [3] the command echoed (0xAA
// through the receiver when the wireless device does not answer), [7]
// status (0xFF and 0xFE are errors), data from [8].
//
// Locks: each command takes the command lock (or the light lock) around each
// packet's exchange, and the exchange takes the I/O lock around its write
// and its reads, always in that order.
class DeviceProtocol {
public:
    static constexpr size_t kReportLength = 64;
    static constexpr size_t kMaxPayload = 56;
    static constexpr uint16_t kMaxKeyTableSize = 512;
    static constexpr int kDirectTimeoutMs = 1000;
    static constexpr int kReceiverTimeoutMs = 5000;

    DeviceProtocol() = default;
    ~DeviceProtocol();
    DeviceProtocol(const DeviceProtocol&) = delete;
    DeviceProtocol& operator=(const DeviceProtocol&) = delete;

    // The device's own interface and the same collection through its receiver.
    HidDevice& DirectInterface() { return direct_; }
    HidDevice& ReceiverInterface() { return receiver_; }
    std::mutex& IoLock() { return ioLock_; }
    // Not taken by the channel: device objects hold it while they open or
    // close the receiver interface of their notification channel.
    std::mutex& InterfaceLock() { return interfaceLock_; }

    // Set by the device object once it opened an interface of this channel;
    // every exchange is refused while it is clear.
    void SetOpened(bool opened) { opened_ = opened; }
    bool IsOpened() const { return opened_; }
    bool IsBusy() const { return busy_ > 0; }
    bool ViaReceiver() const { return viaReceiver_; }
    uint8_t ChunkSize() const { return chunkSize_; }
    uint16_t KeyTableSize() const { return keyTableSize_; }

    // Kind 2 selects the receiver (chunks of 24), any other the direct
    // interface (chunks of 56).
    void SelectRoute(int kind);
    // 0 for a size above 512 (kept unchanged), else 1.
    int SetKeyTableSize(uint16_t size);

    // Writes the request (padded to 64 bytes) and reads its reply, at most
    // two reads: a reply echoing another command is passed over once.
    int Exchange(const uint8_t* request, size_t requestLength, uint8_t* reply, size_t replyLength, size_t* count);
    // The light-stream exchange: direct interface only, one read, no echo
    // check, no trace, busy untouched.
    int QuickExchange(const uint8_t* request, size_t requestLength, uint8_t* reply, size_t replyLength,
                      size_t* count);

    int BeginTransfer();
    int EndTransfer();
    int ReadDeviceInfo(uint8_t* out); // 34 bytes, copied only when every packet succeeded
    int ReadSettings(uint8_t* out, size_t length, uint16_t base);
    int WriteSettings(const uint8_t* data, size_t length, uint16_t base);
    int ReadKeyTable(uint8_t* out); // KeyTableSize() bytes
    int WriteKeyTable(const uint8_t* data, unsigned bank);
    int ReadKeyColours(uint8_t* out, size_t length, unsigned bank, unsigned bankSize);
    int WriteKeyColours(const uint8_t* data, size_t length, unsigned bank, unsigned bankSize);
    int StreamLightFrame(const uint8_t* data, size_t length);
    // As above; `dropped` counts the packets given up because a command was
    // in progress (they count as sent), so the caller can send the frame again.
    int StreamLightFrame(const uint8_t* data, size_t length, size_t* dropped);
    int WriteMacroMemory(const uint8_t* data, size_t length);
    int WriteShootMemory(const uint8_t* data, size_t length);
    int ReadStatus(uint8_t* out, size_t length, uint16_t offset); // one packet, at most 56 bytes
    int ReadKeyMap(uint8_t* out); // KeyTableSize() / 3 bytes
    int EnableHostLighting();
    bool IsLinkUp();

    // Clears `report`, then sets report id, command, length, offset, payload and checksum.
    static void BuildRequest(uint8_t* report, uint8_t command, uint8_t length, uint16_t offset,
                             const uint8_t* payload);
    static uint16_t Checksum(const uint8_t* report);

private:
    enum class Lock { Command, Light, None };

    // One packet under `lock`; the reply's status mapped to a result code.
    int Command(uint8_t command, Lock lock, uint8_t length, uint16_t offset, const uint8_t* payload,
                uint8_t* reply);
    // A chunked transfer: reads into `into` or writes `from`, packets of `chunk` bytes.
    int Transfer(uint8_t command, Lock lock, uint8_t* into, const uint8_t* from, size_t total, uint32_t base,
                 size_t chunk);
    std::mutex& LockFor(Lock lock);

    HidDevice direct_;
    HidDevice receiver_;
    std::mutex ioLock_;
    std::mutex interfaceLock_;
    std::mutex commandLock_;
    std::mutex lightLock_;
    std::atomic<uint16_t> keyTableSize_{kMaxKeyTableSize};
    // Exchanges in progress; light frames give way while it is not 0.
    std::atomic<int> busy_{0};
    std::atomic<bool> opened_{false};
    std::atomic<bool> viaReceiver_{false};
    std::atomic<uint8_t> chunkSize_{24};
};
