#pragma once

#include <string>

#include "state/result.h"

namespace vestrano {

struct ProgramContext;

// The name of the working copy in `folder`.
std::string workingCopyPath(const std::string& folder);

// An empty collection file: the settings section and one empty section per mode.
Status colnew(const std::string& path);

// The working copy at start: its settings are read when it exists, otherwise it is made.
// Without a folder there is no working copy and nothing is read or written.
void colinit(ProgramContext& ctx, const std::string& folder);

} // namespace vestrano
