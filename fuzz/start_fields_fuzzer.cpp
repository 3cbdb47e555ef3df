// Fuzz target: the start field as a user types it. The first byte picks the report;
// the rest is the field, converted, checked and dispatched on a small sound family.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/harness.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    tw::fuzz::runStartField(data[0], std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    return 0;
}
