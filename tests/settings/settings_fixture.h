#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "app/app_fixture.h"
#include "settings/text_file.h"

namespace vestrano {

// A started program whose working copy lives in a folder of its own.
class SettingsFixture : public AppFixture {
  protected:
    std::filesystem::path folder;

    SettingsFixture() {
        folder = std::filesystem::temp_directory_path() /
                 ("vestrano-settings-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(folder);
        state.files.tmpfile = (folder / "vestrano.tmp").string();
    }
    ~SettingsFixture() override { std::filesystem::remove_all(folder); }

    std::string path(const std::string& name) const { return (folder / name).string(); }

    static void write(const std::string& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    static std::string read(const std::string& file) {
        return readWholeFile(file).value_or("<none>");
    }
};

} // namespace vestrano
