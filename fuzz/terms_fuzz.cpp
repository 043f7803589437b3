// libFuzzer target over termconv and interpretall; the checks live in terms_fuzz_body.h so the
// corpus replay test runs the very same round.

#include "terms_fuzz_body.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return vestrano::fuzz::fuzzOnce(data, size, vestrano::fuzz::termsFuzzFault, "term");
}
