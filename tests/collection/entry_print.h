#pragma once

#include <ostream>

#include "state/collection_table.h"

namespace vestrano {

// Readable failures: the fields of an entry, line breaks shown as "|".
inline void PrintTo(const CollectionEntry& entry, std::ostream* out) {
    *out << (entry.isProtected ? "{*" : "{");
    for (const std::string& field : entry.fields) {
        std::string shown = field;
        for (std::size_t p = shown.find("\r\n"); p != std::string::npos; p = shown.find("\r\n")) {
            shown.replace(p, 2, "|");
        }
        *out << '"' << shown << "\" ";
    }
    *out << '}';
}

} // namespace vestrano
