#pragma once

#include "device/DeviceIdentity.h"
#include "device/DeviceProtocol.h"
#include "device/NotificationChannel.h"
#include "device/NotificationListener.h"

#include <memory>
#include <string>

// A device object's two channels: the command channel on the interface that
// takes vendor commands, and the notification interfaces with a listener
// thread each. Both channels are shared with the threads that use them, so a
// thread left behind never reads a freed interface. Interfaces are opened and
// closed under their channel's locks. UI thread only.
class DeviceChannels {
public:
    DeviceChannels();

    // Kinds 6 and 9: the device reached through its wireless receiver.
    static bool IsReceiverKind(int kind);

    DeviceProtocol& Command() { return *command_; }
    const std::shared_ptr<DeviceProtocol>& SharedCommand() const { return command_; }
    bool IsCommandOpen() const { return command_->IsOpened(); }
    bool ViaReceiver() const { return command_->ViaReceiver(); }

    // Opens `entry`'s path for reading and writing on the route of its kind
    // and selects that route; false leaves the channel as it was.
    bool OpenCommand(const DeviceIdentity& entry);
    void CloseCommand();
    // Closes both routes and opens `entry`'s; the route follows `entry`
    // either way, the channel is open only when the open succeeded.
    bool SwitchCommand(const DeviceIdentity& entry);

    // Opens the notification interface of `entry`'s route and starts its
    // listener, which calls `handler` with each device event.
    bool OpenNotification(const DeviceIdentity& entry, NotificationListener::Handler handler, std::string exitLine);
    // Stops the listener of `kind`'s route and closes its interface.
    void CloseNotification(int kind);
    bool IsNotificationOpen(bool receiver) const { return notifications_->IsOpen(receiver); }
    bool IsListening(bool receiver) const { return Listener(receiver).IsRunning(); }

private:
    NotificationListener& Listener(bool receiver) { return receiver ? receiverListener_ : directListener_; }
    const NotificationListener& Listener(bool receiver) const
    {
        return receiver ? receiverListener_ : directListener_;
    }

    std::shared_ptr<DeviceProtocol> command_;
    std::shared_ptr<NotificationChannel> notifications_;
    NotificationListener directListener_;
    NotificationListener receiverListener_;
};
