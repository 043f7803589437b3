#pragma once

#include <array>
#include <string>
#include <vector>

namespace vestrano {

// Field numbers of a collection entry; each field's lines are joined by CR LF.
enum EntryField {
    kTitle,
    kLongtext,
    kTerms,
    kParams,
    kBounds,
    kIntervals,
    kLowers,
    kLines,
    kPoints
};
constexpr int kEntryFieldCount = 9;

// One named plot of a collection.
struct CollectionEntry {
    std::array<std::string, kEntryFieldCount> fields{};
    bool isProtected = false;

    bool operator==(const CollectionEntry&) const = default;
};

// The entries of the current mode, in file order.
struct CollectionTable {
    std::vector<CollectionEntry> entries;
};

} // namespace vestrano
