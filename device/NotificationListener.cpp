#include "device/NotificationListener.h"

#include "base/Trace.h"

#include <chrono>
#include <vector>

bool NotificationListener::Start(std::shared_ptr<NotificationChannel> channel, bool receiver, Handler handler,
                                 std::string exitLine)
{
    return thread_.Start(
        [channel = std::move(channel), receiver, handler = std::move(handler),
         exitLine = std::move(exitLine)](const StopEvent& stop, ThreadGate& gate) {
            using std::chrono::milliseconds;
            std::vector<uint8_t> report;
            while (!stop.WaitFor(milliseconds(1))) {
                HidDevice& interface = channel->Interface(receiver);
                if (!channel->IsOpen(receiver)) {
                    stop.WaitFor(milliseconds(kRetryMs));
                    continue;
                }
                report.assign(std::max<size_t>(interface.Caps().inputReportByteLength, 1), 0);
                size_t count = 0;
                if (!interface.Read(report.data(), report.size(), &count, -1)) {
                    stop.WaitFor(milliseconds(kRetryMs));
                    continue;
                }
                interface.UnpackInputReport(report.data(), count);
                const uint16_t code = interface.NotificationCode();
                Trace("接收到自动添加设备的同步信息要求  TEST");
                const ThreadGate::Pass pass = gate.Enter();
                if (!pass)
                    return;
                handler(code);
            }
            Trace("%s", exitLine.c_str());
        },
        kStopTimeoutMs);
}
