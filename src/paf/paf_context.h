#pragma once
// The data layer's share of the program's state: the host, the one open data file,
// and the switches that change how dates are read. The front end owns one of these
// (as part of its application context) and passes it by reference.

#include <cstdint>

#include "base/host.h"
#include "paf/paf_file.h"

namespace tw {

struct PafContext {
    explicit PafContext(Host& h) : host(h) {}
    PafContext(const PafContext&) = delete;
    PafContext& operator=(const PafContext&) = delete;

    Host& host;
    PafFile file;
    // Lets decodeDate take a year out of dates stored as text ("Abt 1850").
    bool textDateYears = false;
    // A list stops, with a message, before it would hold more entries than this: a
    // pedigree that loops back on itself doubles with every generation, and memory
    // must stay bounded. Two million entries are some 50,000 pages. Walks that keep
    // no list (the Family Tree Chart's counts) walk at most this many entries.
    int64_t listEntryLimit = int64_t(1) << 21;
    // Set once the corrupt-data message has been shown for the current run, so that a
    // damaged chain gives one message, not one per step.
    bool corruptDataReported = false;
    // Set once "The RIN is invalid" has been shown for a name that cannot be read in
    // the current run: a damaged table gives one message, not one per name.
    bool invalidRinReported = false;
};

// Shows "Corrupt Data.  Run check/repair..." once per run (see corruptDataReported).
void reportCorruptData(PafContext& ctx);

}  // namespace tw
