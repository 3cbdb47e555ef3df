// Fuzz target: GEDCOM bytes imported, the family written as a PAF image, opened, and
// every report run on it. The import refuses or warns; it never crashes, and what it
// writes always opens.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tw::fuzz;
    RunLimits limits;
    limits.listEntryLimit = 3000;
    const auto outcome = importAndRunEverything(std::string_view(reinterpret_cast<const char*>(data), size), limits);
    abortOnFault(outcome.run);
    return 0;
}
