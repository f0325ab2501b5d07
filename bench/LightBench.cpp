#include "device/CKestrelUSBDevice.h"
#include "device/HidBackendRegistry.h"
#include "device/HidPlatform.h"
#include "device/SupportedDevices.h"
#include "sim/SimDevices.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <thread>

namespace {

using namespace std::chrono_literals;

double CpuSeconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// One device's lighting over 10 s of real time: its light thread computing
// the effect, and the light tick the selector entry runs every 5 ms on the
// UI thread (here the benchmark's thread), sending to a simulated wired mouse.
// Reports the CPU time of each (the light tick's own work, and with the 5 ms
// timer wake-ups this loop stands in for) and the light frame packets that
// reached the device.
void LightingTenSeconds(benchmark::State& state, uint8_t mode)
{
    HidBackendRegistry::SetPlatformBackend(CreatePlatformHidBackend("/nonexistent-sysfs", "/nonexistent-dev"));
    SimDevices devices;
    SimFirmware& mouse = *devices.Plug("mouse");
    double lightThreadMs = 0;
    double lightTickMs = 0;
    double tickThreadMs = 0;
    size_t frames = 0;
    for (auto _ : state) {
        CKestrelUSBDevice device;
        device.SetLedCount(15);
        device.SetIdentity(DeviceIdentity(kSupportedDevices[4]));
        DeviceIdentity entry(kSupportedDevices[4]);
        entry.devicePath = SimDevices::CommandPath("mouse");
        device.OpenCommandInterface(entry);
        device.SetHostLighting(1);
        device.SetLightState(LightInfoRecord{mode, 4, 2, 0, 0, 200, 40, 10});
        mouse.ClearTraffic();

        const double processBefore = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
        const double tickBefore = CpuSeconds(CLOCK_THREAD_CPUTIME_ID);
        device.StartLightThread();
        auto next = std::chrono::steady_clock::now();
        const auto end = next + 10s;
        double tickWork = 0;
        while (next < end) {
            const double before = CpuSeconds(CLOCK_THREAD_CPUTIME_ID);
            device.RunEntryTimer(EntryTimer::kLightTick, true);
            tickWork += CpuSeconds(CLOCK_THREAD_CPUTIME_ID) - before;
            next += 5ms;
            std::this_thread::sleep_until(next);
        }
        const double tick = CpuSeconds(CLOCK_THREAD_CPUTIME_ID) - tickBefore;
        const double process = CpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - processBefore;
        device.StopLightThread();
        lightTickMs += tickWork * 1000;
        tickThreadMs += tick * 1000;
        lightThreadMs += (process - tick) * 1000;
        frames += mouse.LightPackets().size();
    }
    state.counters["light_thread_cpu_ms"] = benchmark::Counter(lightThreadMs, benchmark::Counter::kAvgIterations);
    state.counters["light_tick_cpu_ms"] = benchmark::Counter(lightTickMs, benchmark::Counter::kAvgIterations);
    state.counters["tick_thread_cpu_ms"] = benchmark::Counter(tickThreadMs, benchmark::Counter::kAvgIterations);
    state.counters["frame_packets"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kAvgIterations);
    HidBackendRegistry::SetPlatformBackend(nullptr);
}

constexpr uint8_t kBreathing = 0; // modes of the base table
constexpr uint8_t kStatic = 2;

BENCHMARK_CAPTURE(LightingTenSeconds, Breathing, kBreathing)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK_CAPTURE(LightingTenSeconds, StaticColour, kStatic)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
