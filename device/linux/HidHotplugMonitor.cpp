#include "device/HidHotplugMonitor.h"

#include "device/HidBackendRegistry.h"

#include <cstdint>
#include <libudev.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <unistd.h>

struct HidHotplugMonitor::State {
    udev* context = nullptr;
    udev_monitor* monitor = nullptr;
    int changeFd = -1; // signalled by simulated plugs
    int epollFd = -1;  // readable when either source is
    int listener = 0;
};

namespace {

// With a udev daemon its processed events are watched (the node exists and
// has its rights by then); without one, the kernel's.
udev_monitor* MakeMonitor(udev* context)
{
    const char* source = access("/run/udev/control", F_OK) == 0 ? "udev" : "kernel";
    udev_monitor* monitor = udev_monitor_new_from_netlink(context, source);
    if (!monitor)
        return nullptr;
    if (udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor) < 0) {
        udev_monitor_unref(monitor);
        return nullptr;
    }
    return monitor;
}

void Watch(int epollFd, int fd)
{
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.fd = fd;
    epoll_ctl(epollFd, EPOLL_CTL_ADD, fd, &event);
}

} // namespace

HidHotplugMonitor::HidHotplugMonitor() : state_(std::make_unique<State>())
{
    state_->epollFd = epoll_create1(EPOLL_CLOEXEC);
    state_->changeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (state_->epollFd < 0)
        return;
    if (state_->changeFd >= 0) {
        Watch(state_->epollFd, state_->changeFd);
        const int changeFd = state_->changeFd;
        state_->listener = HidBackendRegistry::AddChangeListener([changeFd] {
            const uint64_t one = 1;
            [[maybe_unused]] const ssize_t written = write(changeFd, &one, sizeof(one));
        });
    }
    state_->context = udev_new();
    if (state_->context)
        state_->monitor = MakeMonitor(state_->context);
    if (state_->monitor)
        Watch(state_->epollFd, udev_monitor_get_fd(state_->monitor));
}

HidHotplugMonitor::~HidHotplugMonitor()
{
    if (state_->listener)
        HidBackendRegistry::RemoveChangeListener(state_->listener);
    if (state_->monitor)
        udev_monitor_unref(state_->monitor);
    if (state_->context)
        udev_unref(state_->context);
    if (state_->changeFd >= 0)
        close(state_->changeFd);
    if (state_->epollFd >= 0)
        close(state_->epollFd);
}

int HidHotplugMonitor::WaitFd() const
{
    return state_->epollFd;
}

bool HidHotplugMonitor::WatchesSystem() const
{
    return state_->monitor != nullptr;
}

bool HidHotplugMonitor::Drain()
{
    bool any = false;
    uint64_t count = 0;
    if (state_->changeFd >= 0 && read(state_->changeFd, &count, sizeof(count)) == sizeof(count))
        any = true;
    if (state_->monitor) {
        // The monitor's socket is non-blocking: receive until it is empty.
        while (udev_device* device = udev_monitor_receive_device(state_->monitor)) {
            udev_device_unref(device);
            any = true;
        }
    }
    return any;
}
