#include "device/HidReportDescriptor.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Input: one length byte n, n bytes of input report, then a report
// descriptor. Parses the descriptor and decodes the report with every
// collection, as the transport does for each node and notification.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const size_t reportLength = data[0] < size - 1 ? data[0] : size - 1;
    const uint8_t* report = data + 1;
    const uint8_t* descriptor = report + reportLength;
    const size_t descriptorLength = size - 1 - reportLength;

    std::vector<HidCollection> collections;
    if (!HidReportDescriptor::Parse(descriptor, descriptorLength, collections))
        return 0;
    for (const HidCollection& collection : collections) {
        collection.Caps();
        std::vector<HidInputDataItem> items = collection.InputDataItems();
        collection.Unpack(items, report, reportLength);
    }
    return 0;
}
