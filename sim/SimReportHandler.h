#pragma once

#include <cstddef>
#include <cstdint>

class SimHidInterface;

// The device behind a simulated interface: it receives every output report
// written to the interface and answers through SimHidInterface::SendInput.
class SimReportHandler {
public:
    virtual ~SimReportHandler() = default;
    // False makes the host's write fail.
    virtual bool OnOutputReport(SimHidInterface& from, const uint8_t* report, size_t length) = 0;
};
