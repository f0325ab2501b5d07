#pragma once

#include "device/DeviceProtocol.h"

#include <atomic>
#include <mutex>

// A device's notification interfaces (the consumer-control collection that
// sends device events), on its own cable and through its wireless receiver.
// No command is ever sent here. The direct interface is open while the
// channel's opened flag is set and is guarded by its I/O lock; the receiver
// interface has a flag of its own and is guarded by the interface lock.
// Shared with the notification threads, which keep it alive.
class NotificationChannel {
public:
    HidDevice& Interface(bool receiver)
    {
        return receiver ? protocol_.ReceiverInterface() : protocol_.DirectInterface();
    }
    std::mutex& Lock(bool receiver) { return receiver ? protocol_.InterfaceLock() : protocol_.IoLock(); }
    bool IsOpen(bool receiver) const { return receiver ? receiverOpen_.load() : protocol_.IsOpened(); }
    void SetOpen(bool receiver, bool open)
    {
        if (receiver)
            receiverOpen_ = open;
        else
            protocol_.SetOpened(open);
    }

private:
    DeviceProtocol protocol_;
    std::atomic<bool> receiverOpen_{false};
};
