#pragma once

#include <cstdint>

// Advances an effect's step in 8-bit arithmetic. Counting up (direction not
// 0): value + delta, or 0 once that reaches the limit. Counting down:
// value - delta, or limit - delta when that (modulo 256) is not below the limit.
uint8_t StepCounter(int direction, uint8_t limit, uint8_t value, uint8_t delta);
