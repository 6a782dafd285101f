#pragma once

#include <stdexcept>
#include <string>

#include "texts.h"

namespace engine {

// A run-time fault inside a guarded procedure. The guard shows what() as the
// fault's description and carries on with the next step, so the text must be
// short and readable by a parent looking at the report.
class Fault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The descriptions share the error report's translation context, where the
// report puts them into the reader's language.
namespace faults {
inline constexpr char kContext[] = "Error report";
inline constexpr const char* kOverflow = QUILLORY_TEXT("Error report", "Overflow");
inline constexpr const char* kDivisionByZero = QUILLORY_TEXT("Error report", "Division by zero");
inline constexpr const char* kInvalidArgument =
    QUILLORY_TEXT("Error report", "Invalid procedure call or argument");
inline constexpr const char* kNoFittingPair =
    QUILLORY_TEXT("Error report", "No pair of numbers fits the rules");
}  // namespace faults

}  // namespace engine
