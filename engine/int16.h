#pragma once

#include <cstdint>
#include <limits>

#include "fault.h"

namespace engine {

// The game's counters are 16-bit signed. Every change is checked: an overflow
// is a fault for the guard and the counter keeps the value it had, so a game
// that reaches 32767 problems keeps playing instead of wrapping to -32768.
inline std::int16_t checked16(long long value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        throw Fault(faults::kOverflow);
    return static_cast<std::int16_t>(value);
}

inline void increment(std::int16_t& counter) { counter = checked16(counter + 1LL); }

inline std::int32_t checked32(long long value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        throw Fault(faults::kOverflow);
    return static_cast<std::int32_t>(value);
}

}  // namespace engine
