#pragma once

#include "device/HidCollection.h"
#include "device/HidTypes.h"

#include <cstddef>
#include <cstdint>

// One open top-level collection, as a backend hands it to HidDevice. Read
// hands out only input reports of this collection, first byte the report id.
// Read and Write honour the time-out (-1 = none); Cancel, from any thread,
// ends a blocked Read or Write at once and fails every later one.
class HidConnection {
public:
    HidConnection(HidAttributes attributes, HidCollection collection);
    virtual ~HidConnection() = default;
    HidConnection(const HidConnection&) = delete;
    HidConnection& operator=(const HidConnection&) = delete;

    const HidAttributes& Attributes() const { return attributes_; }
    const HidCollection& Collection() const { return collection_; }

    virtual bool Read(uint8_t* buffer, size_t length, size_t& bytesRead, int timeoutMs) = 0;
    virtual bool Write(const uint8_t* buffer, size_t length, size_t& bytesWritten, int timeoutMs) = 0;
    virtual void Cancel() = 0;

private:
    HidAttributes attributes_;
    HidCollection collection_;
};
