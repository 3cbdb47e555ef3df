// Fuzz target: the two files the charts read, which a user may edit by hand. The
// first byte picks the file (even: the Descendant Summary Chart's tuning file, odd:
// the Family Tree Chart's positions file, over 1..16 laid-out branches); the rest is
// its text. Whatever the text, every value taken stays finite and within its bounds,
// and positions written back read back the same branches.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "charts/dsc_tuning.h"
#include "charts/ftc_layout.h"
#include "charts/ftc_positions.h"

namespace {

void fail(const char* what, double value) {
    std::fprintf(stderr, "%s: %g\n", what, value);
    std::abort();
}

void checkTuning(std::string_view text) {
    tw::DscTuning tuning;
    tw::applyDscTuningText(tuning, text);
    static constexpr float tw::DscTuning::*kReals[] = {
        &tw::DscTuning::boxheight, &tw::DscTuning::boxcc, &tw::DscTuning::bottom_margin,
        &tw::DscTuning::right_margin, &tw::DscTuning::inter_column_space, &tw::DscTuning::left_margin,
        &tw::DscTuning::top_margin, &tw::DscTuning::dlinew, &tw::DscTuning::slinew,
        &tw::DscTuning::DSC2_boxh_boxcc_ratio, &tw::DscTuning::DSC2_center_y, &tw::DscTuning::DSC3rightMargin,
        &tw::DscTuning::DSC3_boxh_boxcc_ratio, &tw::DscTuning::DSC3_center_y_adjust,
        &tw::DscTuning::DSC3bottomMargin, &tw::DscTuning::DSC4_boxh_boxcc_ratio,
        &tw::DscTuning::DSC4_center_y_adjust, &tw::DscTuning::DSC3boxCc, &tw::DscTuning::DSC3boxHeight,
        &tw::DscTuning::DSC4rightMargin, &tw::DscTuning::DSC4bottomMargin, &tw::DscTuning::DSC4boxCc,
        &tw::DscTuning::DSC4boxHeight, &tw::DscTuning::DSC2fontRndShift, &tw::DscTuning::DSC3fontRndShift,
        &tw::DscTuning::DSC4fontRndShift};
    for (const auto member : kReals) {
        const float value = tuning.*member;
        if (!std::isfinite(value) || std::fabs(value) > tw::kDscTuningRealLimit) fail("tuning value out of bounds", value);
    }
}

void checkPositions(int branchCount, std::string_view text) {
    std::vector<tw::FamilyBranch> branches(static_cast<size_t>(branchCount));
    for (int i = 0; i < branchCount; ++i) branches[size_t(i)].rin = i + 1;
    tw::layoutBranches(branches, tw::kFtcUnits[0]);
    std::vector<tw::FamilyBranch> laidOut = branches;
    const int32_t pinned = tw::applyFtcPositionsText(branches, text);
    int32_t counted = 0;
    for (const tw::FamilyBranch& b : branches) {
        for (const double v : {b.t, b.b, b.a, b.D})
            if (!std::isfinite(v) || std::fabs(v) > 1e6) fail("branch position out of bounds", v);
        counted += b.pinned ? 1 : 0;
    }
    if (counted != pinned) fail("pinned branches miscounted", pinned);
    const int32_t again = tw::applyFtcPositionsText(laidOut, tw::formatFtcPositions(branches));
    if (again != pinned) fail("positions written back read back differently", again);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 0) {
        checkTuning(text);
    } else {
        checkPositions(1 + (data[0] >> 1) % 16, text);
    }
    return 0;
}
