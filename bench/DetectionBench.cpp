#include "device/DetectionPass.h"
#include "device/DetectionThread.h"
#include "device/HidBackendRegistry.h"
#include "device/HidPlatform.h"
#include "sim/SimDescriptors.h"
#include "tests/device/SysfsFixture.h"

#include <benchmark/benchmark.h>
#include <ctime>
#include <memory>
#include <thread>

namespace {

// 30 hidraw nodes as a well-equipped desktop has them: the wired mouse's
// command interface (four collections, two of them catalogued) among keyboards,
// mice and audio devices of other makers.
class ThirtyNodes {
public:
    ThirtyNodes()
    {
        fixture_.AddNode(0, 0x320F, 0x7C1F, 1, SimDescriptors::CommandInterface());
        fixture_.AddNode(1, 0x320F, 0x7C1F, 0, SimDescriptors::MouseInterface());
        for (unsigned node = 2; node < 30; ++node) {
            const uint16_t product = static_cast<uint16_t>(0xC000 + node);
            switch (node % 4) {
            case 0:
                fixture_.AddNode(node, 0x046D, product, 0, SimDescriptors::KeyboardInterface());
                break;
            case 1:
                fixture_.AddNode(node, 0x046D, product, 1, SimDescriptors::CommandInterface());
                break;
            case 2:
                fixture_.AddNode(node, 0x1532, product, 0, SimDescriptors::MouseInterface());
                break;
            default:
                fixture_.AddNode(node, 0x0D8C, product, 3, SimDescriptors::HeadsetInterface());
                break;
            }
        }
    }
    ~ThirtyNodes() { HidBackendRegistry::SetPlatformBackend(nullptr); }

    void UseFreshBackend() const
    {
        HidBackendRegistry::SetPlatformBackend(CreatePlatformHidBackend(fixture_.SysfsRoot(), fixture_.DeviceRoot()));
    }

private:
    SysfsFixture fixture_;
};

double ProcessCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// A pass over interfaces never seen before: every node is read and parsed,
// the two mouse collections are opened, claimed and probed.
void DetectionPassFirstSight(benchmark::State& state)
{
    ThirtyNodes nodes;
    for (auto _ : state) {
        state.PauseTiming();
        nodes.UseFreshBackend();
        DetectionPass pass(std::make_shared<DeviceEntryTable>(), {});
        state.ResumeTiming();
        benchmark::DoNotOptimize(pass.Run());
    }
}
BENCHMARK(DetectionPassFirstSight)->Unit(benchmark::kMicrosecond);

// The pass detection repeats while nothing changes: the listing comes from
// what is known, nothing is opened but the two probes of the connected mouse.
void DetectionPassIdle(benchmark::State& state)
{
    ThirtyNodes nodes;
    nodes.UseFreshBackend();
    DetectionPass pass(std::make_shared<DeviceEntryTable>(), {});
    pass.Run();
    for (auto _ : state)
        benchmark::DoNotOptimize(pass.Run());
}
BENCHMARK(DetectionPassIdle)->Unit(benchmark::kMicrosecond);

// CPU time the detection thread takes over one second of real time with
// nothing plugged or unplugged; argument 1 waits on the hot-plug monitor,
// 0 polls every 100 ms.
void DetectionThreadIdleSecond(benchmark::State& state)
{
    ThirtyNodes nodes;
    nodes.UseFreshBackend();
    const DetectionOptions options{state.range(0) != 0};
    double cpu = 0;
    for (auto _ : state) {
        auto thread = StartDetection({}, std::make_shared<StopEvent>(), std::make_shared<DeviceEntryTable>(), options);
        std::this_thread::sleep_for(std::chrono::milliseconds(200)); // the first pass reads every node
        const double before = ProcessCpuSeconds();
        std::this_thread::sleep_for(std::chrono::seconds(1));
        cpu += ProcessCpuSeconds() - before;
        thread->Stop();
    }
    state.counters["cpu_ms_per_s"] = benchmark::Counter(cpu * 1000, benchmark::Counter::kAvgIterations);
}
BENCHMARK(DetectionThreadIdleSecond)->Arg(0)->Arg(1)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
