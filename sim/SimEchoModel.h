#pragma once

#include "sim/SimReportHandler.h"

#include <atomic>

// The simplest device model: every output report comes back as an input
// report with the same bytes (when the interface has an input report of
// that id), and a write can be made to fail.
class SimEchoModel : public SimReportHandler {
public:
    bool OnOutputReport(SimHidInterface& from, const uint8_t* report, size_t length) override;
    void SetWritesFail(bool fail) { writesFail_ = fail; }

private:
    std::atomic<bool> writesFail_{false};
};
