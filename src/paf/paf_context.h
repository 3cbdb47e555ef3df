#pragma once
// The data layer's share of the program's state: the host, the one open data file,
// the switches that change how dates are read, and the messages a run shows only
// once. The front end owns one of these (as part of its application context) and
// passes it by reference.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/host.h"
#include "paf/loop_cuts.h"
#include "paf/paf_file.h"

namespace tw {

// Messages a run shows at most once: a damaged file would otherwise repeat them for
// every step of the walk.
enum class OnceMessage : uint8_t {
    CorruptData,    // "Corrupt Data.  Run check/repair ..."
    InvalidRin,     // "The RIN is invalid": a name that cannot be read
    InvalidStart,   // "Invalid start RIN"
    RinOutOfRange,  // "RinX access out of range"
    Count
};

// Which of them the current run has shown. Cleared by clearRunMessages at the start
// of every report (the dispatcher does it) and of the browse list.
struct RunMessages {
    std::array<bool, size_t(OnceMessage::Count)> shown{};

    bool wasShown(OnceMessage m) const { return shown[size_t(m)]; }
    // True the first time for m in the run (and m counts as shown from then on).
    bool first(OnceMessage m) {
        const bool before = shown[size_t(m)];
        shown[size_t(m)] = true;
        return !before;
    }
};

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
    RunMessages messages;
    // The links that close a loop in the family of the current report's start; the
    // dispatcher finds them before each report (loop_finder.h).
    LoopCuts loopCuts;

    // True once the corrupt-data message has been shown in the current run.
    bool corruptDataReported() const { return messages.wasShown(OnceMessage::CorruptData); }
};

// Forgets which once-per-run messages were shown: a new run may show each again.
inline void clearRunMessages(PafContext& ctx) { ctx.messages = {}; }

// Shows text in a message box the first time m comes up in the run; true then.
bool messageOnce(PafContext& ctx, OnceMessage m, std::string_view text, std::string_view caption);

// What exactly is damaged, for the line the command line adds under the message:
// the table and record, the field, the value found and, where one applies, the
// largest value the file allows.
struct CorruptDetail {
    std::string_view table;  // "individual", "marriage", "child link", "name index"
    int64_t record = 0;      // 0: the table as a whole
    std::string_view field;  // "child link", "next marriage", "parents' marriage", ...
    int64_t value = 0;
    int64_t limit = 0;       // 0: no limit applies (a record that cannot be read, a loop)
    std::string_view problem = "cannot be read";
};

std::string describeCorruptDetail(const CorruptDetail& detail);

// Shows "Corrupt Data.  Run check/repair..." once per run, with the detail of the
// first damage found.
void reportCorruptData(PafContext& ctx, const CorruptDetail& detail);

}  // namespace tw
