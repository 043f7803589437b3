#pragma once

#include <string>

#include "state/collection_table.h"

namespace vestrano {

struct PlotState;

// Field k of an entry built from the current state; empty for the title and long text.
std::string addone(const PlotState& state, EntryField k);

} // namespace vestrano
