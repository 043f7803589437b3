// libFuzzer target over the settings section of a working copy; the checks live in
// settings_fuzz_body.h so the corpus replay test runs the very same round.

#include "settings_fuzz_body.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return vestrano::fuzz::fuzzOnce(data, size, vestrano::fuzz::settingsFuzzFault, "settings");
}
