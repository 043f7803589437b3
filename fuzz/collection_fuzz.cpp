// libFuzzer target over the collection reader; the checks live in collection_fuzz_body.h so
// the corpus replay test runs the very same round.

#include "collection_fuzz_body.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return vestrano::fuzz::fuzzOnce(data, size, vestrano::fuzz::collectionFault, "collection");
}
