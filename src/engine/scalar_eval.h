#pragma once

#include "engine/scalar_program.h"

namespace vestrano {

// Picks the interpreter suited to the program and threads the code for it.
void threadScalar(ScalarProgram& p);

} // namespace vestrano
