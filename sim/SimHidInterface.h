#pragma once

#include "device/HidCollection.h"
#include "device/HidTypes.h"
#include "sim/SimHidConnection.h"
#include "sim/SimReportHandler.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// One USB HID interface of a simulated product, with its own report
// descriptor. Its top-level collections are listed and opened like those of
// a hidraw node; output reports go to the handler (the device model), input
// reports from SendInput reach every open connection of the collection that
// owns the report id.
class SimHidInterface : public std::enable_shared_from_this<SimHidInterface> {
public:
    SimHidInterface(std::string productName, HidAttributes attributes, uint16_t interfaceNumber,
                    std::vector<uint8_t> reportDescriptor);

    const std::string& ProductName() const { return productName_; }
    const HidAttributes& Attributes() const { return attributes_; }
    uint16_t InterfaceNumber() const { return interfaceNumber_; }
    // Empty when the descriptor does not parse.
    const std::vector<HidCollection>& Collections() const { return collections_; }

    void SetHandler(std::shared_ptr<SimReportHandler> handler);
    // Queues an input report (first byte its report id) for every open
    // reader of its collection, readable after `delayMs`. False when the
    // interface is unplugged.
    bool SendInput(const std::vector<uint8_t>& report, int delayMs = 0);
    bool IsPlugged() const;

    // Used by the backend.
    std::shared_ptr<SimHidConnection> Connect(size_t collectionIndex, const HidOpenMode& mode);
    void SetPlugged(bool plugged);
    bool DeliverOutput(const uint8_t* report, size_t length);
    // Input reports sent and not yet read, over all open connections.
    size_t PendingInput() const;

private:
    const std::string productName_;
    const HidAttributes attributes_;
    const uint16_t interfaceNumber_;
    std::vector<HidCollection> collections_;
    mutable std::mutex lock_;
    std::shared_ptr<SimReportHandler> handler_;
    std::vector<std::weak_ptr<SimHidConnection>> connections_;
    bool plugged_ = false;
};
