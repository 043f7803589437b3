#pragma once

#include <functional>
#include <string>

namespace vestrano {

// Whether a path names an existing folder.
using IsFolder = std::function<bool(const std::string&)>;

// The folder a file dialog opens in: the open collection's, else the documents folder when it
// exists, else the home folder.
std::string dialogFolder(const std::string& colfile, const std::string& documents,
                         const std::string& home, const IsFolder& isFolder);

// The file name a dialog offers for `preset`: its last part, never a folder's name.
std::string offeredName(const std::string& preset, const IsFolder& isFolder);

} // namespace vestrano
