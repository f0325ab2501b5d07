#pragma once

#include "device/HidField.h"
#include "device/HidTypes.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// One top-level collection of a report descriptor: its usage, the fields of
// its reports and what the transport derives from them (capabilities, input
// data items, decoding of input reports).
class HidCollection {
public:
    HidCollection() = default;
    HidCollection(uint16_t usagePage, uint16_t usage, bool usesReportIds);

    uint16_t UsagePage() const { return usagePage_; }
    uint16_t Usage() const { return usage_; }
    // False when the descriptor declares no report ids: such reports travel
    // without an id byte on the wire and read as report id 0 here.
    bool UsesReportIds() const { return usesReportIds_; }
    const std::vector<HidField>& Fields() const { return fields_; }

    void AddField(HidField field) { fields_.push_back(std::move(field)); }
    void SetUsesReportIds(bool uses) { usesReportIds_ = uses; }
    void SetReportByteLength(HidReportType type, uint16_t length);

    HidCaps Caps() const;
    uint16_t ReportByteLength(HidReportType type) const;
    bool HasReport(HidReportType type, uint8_t reportId) const;

    // One item per input button capability, then one per usage of each input
    // value capability, each ready to be filled by Unpack.
    std::vector<HidInputDataItem> InputDataItems() const;
    // Fills the items whose report id is the report's first byte.
    HidStatus Unpack(std::vector<HidInputDataItem>& items, const uint8_t* report, size_t length) const;

    // Most usages of `usagePage` that one input report can carry as on.
    uint32_t MaxUsageListLength(uint16_t usagePage) const;
    // The usages of `usagePage` that are on in `report`, in report order, at most `capacity`.
    HidStatus GetUsages(uint16_t usagePage, const uint8_t* report, size_t length, uint32_t capacity,
                        std::vector<uint16_t>& usages) const;
    HidStatus GetUsageValue(uint16_t usagePage, uint16_t usage, const uint8_t* report, size_t length,
                            uint32_t& raw, int32_t& scaled) const;

private:
    uint16_t usagePage_ = 0;
    uint16_t usage_ = 0;
    bool usesReportIds_ = false;
    uint16_t reportBytes_[3] = {0, 0, 0};
    std::vector<HidField> fields_;
};
