#pragma once

#include "device/HidConnection.h"
#include "device/HidInterfaceInfo.h"
#include "device/HidTypes.h"

#include <memory>
#include <string>
#include <vector>

// A source of HID interfaces: the machine's own (hidraw) or simulated ones.
// Each top-level collection is one path of the form
// NODE&vid_XXXX&pid_XXXX&mi_NN[&colNN], "&col" only when the interface has
// more than one top-level collection.
class HidBackend {
public:
    virtual ~HidBackend() = default;

    // Appends the interfaces present now. False only when listing itself
    // failed; an interface that cannot be read is skipped, not a failure.
    virtual bool Enumerate(std::vector<HidInterfaceInfo>& interfaces) = 0;
    // Null when the path is not there (any more) or cannot be opened as asked.
    virtual std::shared_ptr<HidConnection> Open(const std::string& path, const HidOpenMode& mode) = 0;
};
