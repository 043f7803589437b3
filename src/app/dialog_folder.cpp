#include "app/dialog_folder.h"

#include <filesystem>

namespace vestrano {

std::string dialogFolder(const std::string& colfile, const std::string& documents,
                         const std::string& home, const IsFolder& isFolder) {
    if (!colfile.empty()) {
        // A name without a folder, as given on the command line, lies in the current one.
        std::string folder = std::filesystem::path(colfile).parent_path().string();
        if (folder.empty()) {
            folder = ".";
        }
        if (isFolder(folder)) {
            return folder;
        }
    }
    if (!documents.empty() && isFolder(documents)) {
        return documents;
    }
    return home;
}

std::string offeredName(const std::string& preset, const IsFolder& isFolder) {
    if (preset.empty() || isFolder(preset)) {
        return {};
    }
    return std::filesystem::path(preset).filename().string();
}

} // namespace vestrano
