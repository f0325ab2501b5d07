#include "device/HidBackendRegistry.h"
#include "device/HidHotplugMonitor.h"

#include <gtest/gtest.h>
#include <poll.h>

namespace {

bool Readable(int fd, int timeoutMs)
{
    pollfd entry{fd, POLLIN, 0};
    return poll(&entry, 1, timeoutMs) == 1;
}

TEST(HidHotplugMonitor, WakesOnSimulatedPlugsAndDrains)
{
    HidHotplugMonitor monitor;
    ASSERT_GE(monitor.WaitFd(), 0);
    monitor.Drain();
    HidBackendRegistry::NotifyChanged();
    EXPECT_TRUE(Readable(monitor.WaitFd(), 1000));
    EXPECT_TRUE(monitor.Drain());
    EXPECT_FALSE(Readable(monitor.WaitFd(), 0));
}

} // namespace
