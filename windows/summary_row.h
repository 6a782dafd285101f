#pragma once

#include <cstdint>

class QTreeWidgetItem;

namespace windows {

// A reference to one row of the summary list. The list can be emptied while a
// reference is held; the generation tells a removed row from a live one, so a
// write to a removed row goes nowhere instead of into freed memory.
struct SummaryRow {
    QTreeWidgetItem* item = nullptr;
    std::uint64_t generation = 0;
};

}  // namespace windows
