#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vestrano {

using ProfileKeys = std::vector<std::pair<std::string, std::string>>;

// The keys of `[section]` in an INI-style text with their values, blanks around both removed,
// in file order; the first section of that name counts. Names compare exactly.
ProfileKeys profileSection(std::string_view text, std::string_view section);

// `text` with every key of `keys` set in `[section]`: an existing key line is rewritten where it
// stands, a new one goes after the section's last line that is not blank, a missing section is
// appended at the end. Every other byte stays as it was; new lines end like the file's first line.
std::string writeProfileKeys(std::string_view text, std::string_view section,
                             const ProfileKeys& keys);

// `text` with the lines of `[section]` replaced by `body` (lines joined by line breaks, no break
// at its end): the section is emptied and refilled where it stands, a missing one is appended
// at the end, an empty body leaves the header alone. Every other byte stays as it was; new line
// breaks are those of the file's first line.
std::string replaceProfileSection(std::string_view text, std::string_view section,
                                  std::string_view body);

} // namespace vestrano
