// Fuzz target: a data file opened from memory (an image as it is, or the sparse form
// the seeds use), the browse list built and every report run on it, every page
// replayed. Never anything worse than a message or a corrupt-data stop.

#include <cstddef>
#include <cstdint>

#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tw::fuzz;
    RunLimits limits;
    limits.listEntryLimit = 3000;  // a looping pedigree still reaches the limit, quickly
    abortOnFault(openAndRunEverything(imageFromFuzzBytes({data, size}), limits));
    return 0;
}
