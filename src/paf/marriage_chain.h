#pragma once
// The walk along an individual's chain of marriages, for every reader of it: the
// reports' generations, the Family Date Chart's spouses and the loop finder.

#include <cstdint>

#include "paf/loop_guard.h"
#include "paf/records.h"

namespace tw {

// How a walk along a chain of marriages ended.
struct MarriageChainEnd {
    enum Kind { Complete, Loops, Unreadable, Stopped };
    Kind kind = Complete;
    int32_t mrin = 0;  // the marriage that repeats, cannot be read, or ended the walk
};

// Walks the marriages of person in the order its chain holds them: the husband's
// chain for 'M', the wife's for every other sex. visit(mrin, family) is called for
// each marriage once its record is read, and ends the walk there (Stopped) by
// returning false. The walk ends at a marriage met before (Loops: a damaged file)
// and at one whose record cannot be read (Unreadable).
template <typename Visit>
MarriageChainEnd walkMarriageChain(const PafFile& file, const IndividualRecord& person, Visit&& visit) {
    LoopGuard guard;
    for (int32_t mrin = person.firstMrin; mrin != 0;) {
        if (guard.repeats(mrin)) return {MarriageChainEnd::Loops, mrin};
        MarriageRecord family;
        if (!readMarriage(file, mrin, family)) return {MarriageChainEnd::Unreadable, mrin};
        if (!visit(mrin, static_cast<const MarriageRecord&>(family))) return {MarriageChainEnd::Stopped, mrin};
        mrin = family.nextFor(person.sex);
    }
    return {};
}

}  // namespace tw
