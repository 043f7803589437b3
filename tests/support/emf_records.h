#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace vestrano {

struct EmfRecord {
    uint32_t type;
    std::string body; // without type and size
};

inline uint32_t u32(const std::string& bytes, std::size_t at) {
    uint32_t v = 0;
    std::memcpy(&v, bytes.data() + at, 4);
    return v;
}
inline int32_t i32(const std::string& bytes, std::size_t at) {
    return static_cast<int32_t>(u32(bytes, at));
}

// Splits a metafile into its records, failing the test on a size that does not add up.
inline std::vector<EmfRecord> emfRecords(const std::string& file) {
    std::vector<EmfRecord> out;
    for (std::size_t at = 0; at + 8 <= file.size();) {
        const uint32_t size = u32(file, at + 4);
        EXPECT_EQ(size % 4, 0u);
        EXPECT_LE(at + size, file.size());
        if (size < 8 || at + size > file.size()) {
            break;
        }
        out.push_back({u32(file, at), file.substr(at + 8, size - 8)});
        at += size;
    }
    return out;
}

} // namespace vestrano
