#include "device/DeviceChannels.h"

#include "device/ThreadStopTrace.h"

DeviceChannels::DeviceChannels()
    : command_(std::make_shared<DeviceProtocol>()), notifications_(std::make_shared<NotificationChannel>())
{
}

bool DeviceChannels::IsReceiverKind(int kind)
{
    return kind == kKindMouseReceiver || kind == kKindKeyboardReceiver;
}

bool DeviceChannels::OpenCommand(const DeviceIdentity& entry)
{
    const bool receiver = IsReceiverKind(entry.kind);
    bool opened = false;
    {
        std::lock_guard io(command_->IoLock());
        HidDevice& interface = receiver ? command_->ReceiverInterface() : command_->DirectInterface();
        interface.Close();
        opened = interface.Open(entry.devicePath, true, true, true, false);
    }
    if (!opened)
        return false;
    command_->SetOpened(true);
    command_->SelectRoute(receiver ? 2 : 1);
    return true;
}

void DeviceChannels::CloseCommand()
{
    command_->SetOpened(false);
    std::lock_guard io(command_->IoLock());
    command_->DirectInterface().Close();
    command_->ReceiverInterface().Close();
}

bool DeviceChannels::SwitchCommand(const DeviceIdentity& entry)
{
    const bool toReceiver = IsReceiverKind(entry.kind);
    bool opened = false;
    {
        std::lock_guard io(command_->IoLock());
        command_->DirectInterface().Close();
        command_->ReceiverInterface().Close();
        HidDevice& interface = toReceiver ? command_->ReceiverInterface() : command_->DirectInterface();
        opened = interface.Open(entry.devicePath, true, true, true, false);
    }
    command_->SetOpened(opened);
    command_->SelectRoute(toReceiver ? 2 : 1);
    return opened;
}

bool DeviceChannels::OpenNotification(const DeviceIdentity& entry, NotificationListener::Handler handler,
                                      std::string exitLine)
{
    const bool receiver = IsReceiverKind(entry.kind);
    bool opened = false;
    {
        std::lock_guard guard(notifications_->Lock(receiver));
        HidDevice& interface = notifications_->Interface(receiver);
        interface.Close();
        opened = interface.Open(entry.devicePath, true, true, true, false);
        notifications_->SetOpen(receiver, opened);
    }
    return opened && Listener(receiver).Start(notifications_, receiver, std::move(handler), std::move(exitLine));
}

void DeviceChannels::CloseNotification(int kind)
{
    const bool receiver = IsReceiverKind(kind);
    if (!notifications_->IsOpen(receiver))
        return;
    NotificationListener& listener = Listener(receiver);
    listener.Signal();
    {
        // Closing ends the listener's pending read.
        std::lock_guard guard(notifications_->Lock(receiver));
        notifications_->SetOpen(receiver, false);
        notifications_->Interface(receiver).Close();
    }
    TraceThreadStop(listener.Stop());
}
