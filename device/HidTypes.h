#pragma once

#include <cstdint>
#include <vector>

// Plain records shared by the transport, its backends and its callers.

// Vendor id, product id and version number of an interface.
struct HidAttributes {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t versionNumber = 0;
};

// The top-level collection of an interface as its report descriptor gives it.
// Report byte lengths count the report id byte (a 63-byte vendor report with
// report id 4 has length 64); a report type the collection lacks has length 0.
struct HidCaps {
    uint16_t usage = 0;
    uint16_t usagePage = 0;
    uint16_t inputReportByteLength = 0;
    uint16_t outputReportByteLength = 0;
    uint16_t featureReportByteLength = 0;
    uint16_t numberInputButtonCaps = 0;
    uint16_t numberInputValueCaps = 0;
};

// Outcome of decoding one item of an input report.
enum class HidStatus {
    Success,
    Null,                // the value lies outside its logical range (no reading)
    InvalidReportLength, // the report is shorter than its descriptor says
    BufferTooSmall,      // more usages were on than the item can hold
    BadLogPhyValues,     // the descriptor's logical range cannot be scaled
};

// One input data item of an open interface: a button item holds the usages
// that were on in the last unpacked report, a value item one usage's value.
struct HidInputDataItem {
    bool isButton = false;
    HidStatus status = HidStatus::Success;
    uint16_t usagePage = 0;
    uint8_t reportId = 0;
    bool isSet = false; // filled by the last UnpackInputReport

    // Button item: the usages on, in report order, 0 after the last one when
    // fewer than the capacity were on. The capacity is usages.size().
    uint16_t usageMin = 0;
    uint16_t usageMax = 0;
    std::vector<uint16_t> usages;

    // Value item.
    uint16_t usage = 0;
    uint32_t rawValue = 0;
    int32_t scaledValue = 0;
};

// How an interface is opened. Neither read nor write is a presence probe.
struct HidOpenMode {
    bool read = false;
    bool write = false;
    bool overlapped = true;
    bool exclusive = false;
};
