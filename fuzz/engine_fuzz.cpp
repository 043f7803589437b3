// libFuzzer target over the expression engine; the checks live in engine_fuzz_body.h so the
// corpus replay test runs the very same round.

#include "engine_fuzz_body.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return vestrano::fuzz::fuzzOnce(data, size, vestrano::fuzz::engineFuzzFault, "engine");
}
