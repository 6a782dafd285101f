#pragma once

#include <stdexcept>
#include <string>

namespace engine {

// A run-time fault inside a guarded procedure. The guard shows what() as the
// fault's description and carries on with the next step, so the text must be
// short and readable by a parent looking at the report.
class Fault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace faults {
inline constexpr const char* kOverflow = "Overflow";
inline constexpr const char* kDivisionByZero = "Division by zero";
inline constexpr const char* kInvalidArgument = "Invalid procedure call or argument";
inline constexpr const char* kNoFittingPair = "No pair of numbers fits the rules";
}  // namespace faults

}  // namespace engine
