#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace vestrano {

// A folder of its own under the system's temporary folder, removed with everything in it.
struct TempFolder {
    std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                   ("vestrano-test-" + std::to_string(std::random_device{}()));

    TempFolder() { std::filesystem::create_directories(folder); }
    ~TempFolder() { std::filesystem::remove_all(folder); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path(const std::string& name) const { return (folder / name).string(); }
};

} // namespace vestrano
