#pragma once
// The earliest and latest birth year among a set of individuals, as the summary
// reports print it beside a generation: the birth year, else the christening year,
// and both years of a double-dated year.

#include <cstdint>

#include "paf/paf_context.h"

namespace tw {

struct YearRange {
    static constexpr int kNoLow = 3000;  // low before any year was seen
    int low = kNoLow;
    int high = 0;

    // True once a year has been taken in (the range is worth printing).
    bool any() const { return low != kNoLow || high != 0; }
    void reset() { *this = YearRange(); }
    // Takes one year in; 0 (no year) only ever raises nothing.
    void include(int year) {
        if (year != 0 && year < low) low = year;
        if (year > high) high = year;
    }
};

// Widens range by the birth year of rin (nothing for rin 0). An individual that
// cannot be read or is deleted shows the corrupt-data message (once per run) and
// closes the start-selection window; the range is then unchanged. A double-dated
// year (birthYear's 4444) takes both years written around the "/" of the birth (else
// christening) date; without a "/" the message "4444 but no / on x", captioned with
// the RIN, and the range is unchanged.
void updateYearRange(PafContext& ctx, int32_t rin, YearRange& range);

}  // namespace tw
