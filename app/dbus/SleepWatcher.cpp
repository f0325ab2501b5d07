#include "app/dbus/SleepWatcher.h"

#include "ui/Messages.h"
#include "ui/WindowRegistry.h"

SleepWatcher::SleepWatcher(QDBusConnection systemBus, ui::WindowHandle receiver) : receiver_(receiver)
{
    watching_ = systemBus.isConnected() &&
                systemBus.connect("org.freedesktop.login1", "/org/freedesktop/login1",
                                  "org.freedesktop.login1.Manager", "PrepareForSleep", this,
                                  SLOT(PrepareForSleep(bool)));
}

void SleepWatcher::PrepareForSleep(bool sleeping)
{
    ui::PostMessage(receiver_, ui::Msg::PowerBroadcast,
                    sleeping ? ui::Power::Suspend : ui::Power::ResumeAutomatic, 0);
}
