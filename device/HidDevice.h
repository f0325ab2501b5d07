#pragma once

#include "device/HidConnection.h"
#include "device/HidTypes.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One HID interface (one top-level collection): enumeration of the paths
// present, open with chosen access, attributes and capabilities, reads and
// writes of whole reports with a time-out, and decoding of input reports.
//
// One thread may block in Read while another writes and a third calls Close:
// Close ends the blocked Read or Write at once with false. The report data
// (capabilities, input data items) is guarded so that a Close from another
// thread never frees what a reader still uses.
class HidDevice {
public:
    HidDevice() = default;
    ~HidDevice();
    HidDevice(const HidDevice&) = delete;
    HidDevice& operator=(const HidDevice&) = delete;

    // Replaces the path list with every path present now and resets the
    // cursor. False only when listing failed; the list is then empty.
    bool Enumerate();
    // The paths of the last enumeration in order; none after the last.
    std::optional<std::string> NextPath();
    void FreePathList();
    size_t PathCount() const;

    // Closes whatever was open, then opens `path`. Neither read nor write is
    // a presence probe: the interface must be there and describable, and the
    // probe can neither read nor write. Linux knows no sharing modes, so
    // `exclusive` is accepted and not enforced; every open can time out.
    bool Open(const std::string& path, bool wantRead, bool wantWrite, bool overlapped, bool exclusive);
    // Ends a pending Read or Write (they return false), releases the report
    // data. Safe when nothing is open and from any thread.
    void Close();
    bool IsOpen() const;

    // One input report of this collection, first byte its report id; at most
    // `length` bytes are stored. timeoutMs -1 waits without limit.
    bool Read(uint8_t* buffer, size_t length, size_t* bytesRead, int timeoutMs);
    // One whole output report; the first byte is the report id.
    bool Write(const uint8_t* buffer, size_t length, size_t* bytesWritten, int timeoutMs);

    // Fills the input data items from an input report; the status of the
    // first value that could not be read, else success.
    HidStatus UnpackInputReport(const uint8_t* report, size_t length);
    // The first usage of the first input data item after the last unpack, 0
    // when none: the code of a device notification on a consumer-control
    // collection.
    uint16_t NotificationCode() const;

    // The hexadecimal number that directly follows `key` (any case) in
    // `path`, low 16 bits; 0 when the key is absent or no digit follows.
    static uint16_t ParseHexField(std::string_view path, std::string_view key);

    std::string DevicePath() const;
    HidAttributes Attributes() const;
    HidCaps Caps() const;
    uint16_t InterfaceNumber() const;
    uint16_t CollectionNumber() const;
    std::vector<HidInputDataItem> InputDataItems() const;

private:
    std::shared_ptr<HidConnection> Connection() const;

    mutable std::mutex lock_;
    std::vector<std::string> paths_;
    size_t cursor_ = 0;
    std::shared_ptr<HidConnection> connection_;
    std::string devicePath_;
    HidAttributes attributes_;
    HidCaps caps_;
    std::vector<HidInputDataItem> items_;
    uint16_t interfaceNumber_ = 0;
    uint16_t collectionNumber_ = 0;
};
