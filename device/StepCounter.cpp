#include "device/StepCounter.h"

uint8_t StepCounter(int direction, uint8_t limit, uint8_t value, uint8_t delta)
{
    if (direction != 0) {
        const uint8_t next = static_cast<uint8_t>(value + delta);
        return next >= limit ? 0 : next;
    }
    const uint8_t next = static_cast<uint8_t>(value - delta);
    return next >= limit ? static_cast<uint8_t>(limit - delta) : next;
}
