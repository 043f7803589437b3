#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "app/app_fixture.h"
#include "settings/text_file.h"
#include "support/temp_folder.h"

namespace vestrano {

// A started program whose working copy lives in a folder of its own.
class SettingsFixture : public AppFixture, public TempFolder {
  protected:
    SettingsFixture() { state.files.tmpfile = path("vestrano.tmp"); }

    static void write(const std::string& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    static std::string read(const std::string& file) {
        return readWholeFile(file).value_or("<none>");
    }
};

} // namespace vestrano
