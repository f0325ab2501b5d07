#pragma once

#include "device/HidConnection.h"

#include <atomic>
#include <memory>
#include <vector>

// An open hidraw node (or anything that keeps report boundaries the same
// way, such as a SOCK_SEQPACKET socket). Reads and writes wait in poll()
// beside an eventfd that Cancel signals, so a Close from another thread ends
// them at once. The connection owns `fd`.
class HidrawConnection : public HidConnection {
public:
    // Null when the cancel eventfd cannot be made (`fd` is closed then).
    static std::shared_ptr<HidrawConnection> Create(HidAttributes attributes, HidCollection collection, int fd,
                                                    bool canRead, bool canWrite);
    HidrawConnection(HidAttributes attributes, HidCollection collection, int fd, int cancelFd, bool canRead,
                     bool canWrite);
    ~HidrawConnection() override;

    bool Read(uint8_t* buffer, size_t length, size_t& bytesRead, int timeoutMs) override;
    bool Write(const uint8_t* buffer, size_t length, size_t& bytesWritten, int timeoutMs) override;
    void Cancel() override;

private:
    // 1 ready, 0 time-out, -1 cancelled or failed.
    int WaitFor(short events, int timeoutMs, long long deadline);

    const int fd_;
    const int cancelFd_;
    const bool canRead_;
    const bool canWrite_;
    std::atomic<bool> cancelled_{false};
};
