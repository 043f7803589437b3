#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace vestrano {

// The saved fuzz inputs of `fuzz/corpus/<name>`: file name and bytes.
inline std::vector<std::pair<std::string, std::string>> corpusFiles(const std::string& name) {
    std::vector<std::pair<std::string, std::string>> files;
    const std::filesystem::path dir =
        std::filesystem::path(VESTRANO_SOURCE_DIR) / "fuzz/corpus" / name;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        files.emplace_back(
            entry.path().filename().string(),
            std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
    }
    return files;
}

// Every saved input of `fuzz/corpus/<name>` passes `fault` (the fuzz target's check, "" when
// the invariants hold), and the corpus holds at least `atLeast` inputs.
template <class Fault>
void expectCorpusKeepsInvariants(const std::string& name, Fault fault, std::size_t atLeast) {
    const auto files = corpusFiles(name);
    for (const auto& [file, bytes] : files) {
        EXPECT_EQ(fault(bytes), "") << file;
    }
    EXPECT_GE(files.size(), atLeast);
}

} // namespace vestrano
