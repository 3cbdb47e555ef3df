#include "reports/ancestor_generation.h"

#include <algorithm>
#include <string>

#include "base/translation.h"
#include "paf/navigation.h"
#include "paf/records.h"
#include "reports/list_page.h"

namespace tw {

namespace {

// Widens into by every year of from.
void includeYears(YearRange& into, const YearRange& from) {
    if (from.low != YearRange::kNoLow) into.include(from.low);
    into.include(from.high);
}

}  // namespace

AncestorWalk::AncestorWalk(AppContext& ctx, int32_t startRin, bool collectRepeats)
    : ctx_(ctx), collect_(collectRepeats) {
    const size_t rins = size_t(std::max(ctx.file.highestRin(), 0)) + 1;
    seen_.assign(rins, 0);
    personIndex_.assign(rins, 0);
    if (!collect_) slot_.assign(rins, -1);
    rins_ = {startRin};
    if (!collect_) counts_ = {1};
    filled_ = 1;
    IndividualRecord start;
    if (!readIndividual(ctx.file, startRin, start)) {
        ctx.host.message(TW_TR("Reports", "Invalid start RIN"), "Error");
        ctx.host.closeStartWindow();
    }
}

GenerationCounts ancestorGenerationStep(AncestorWalk& walk) { return walk.step(); }

GenerationCounts AncestorWalk::step() {
    GenerationCounts counts;
    repeats_.clear();
    if (rins_.empty()) {
        // The walk is over: give back what it held.
        seen_ = {};
        slot_ = {};
        personIndex_ = {};
        people_ = {};
        rins_ = {};
        counts_ = {};
        nextRins_ = {};
        nextCounts_ = {};
        repeats_ = {};
        return counts;
    }

    const auto mark = uint16_t(generation_ + 1);  // a step count + 1: never 0
    counts.filled = filled_;
    nextRins_.clear();
    nextCounts_.clear();
    nextFilled_ = 0;
    size_t room = 2 * rins_.size();
    if (collect_) room = size_t(std::clamp<int64_t>(ctx_.listEntryLimit - entriesBuilt_, 0, int64_t(room)));
    nextRins_.reserve(room);
    if (!collect_) nextCounts_.reserve(room);

    for (size_t i = 0; i < rins_.size(); ++i) {
        if (ctx_.host.cancelRequested()) break;
        ++examined_;
        const int32_t rin = rins_[i];
        const int64_t count = collect_ ? 1 : counts_[i];
        const Person p = person(rin);
        includeYears(counts.years, p.years);
        if (inRange(rin)) {
            // Every position after the individual's first one in the walk is a repeat.
            if (seen_[size_t(rin)] != 0) {
                counts.repeats += count;
                if (collect_) repeats_.push_back(rin);
            } else {
                counts.repeats += count - 1;
            }
            seen_[size_t(rin)] = mark;
        }
        if (p.father != 0) append(p.father, count);
        if (p.mother != 0) append(p.mother, count);
    }

    if (!collect_) {
        for (const int32_t rin : nextRins_)
            if (inRange(rin)) slot_[size_t(rin)] = -1;
    }
    if (tooLarge_) {
        showBound();
        nextRins_.clear();
        nextCounts_.clear();
        nextFilled_ = 0;
    }
    rins_.swap(nextRins_);
    counts_.swap(nextCounts_);
    filled_ = nextFilled_;
    entriesBuilt_ += int64_t(rins_.size());
    ++generation_;
    return counts;
}

// Adds count positions of rin to the generation being built; without repeat
// collection, onto the individual's entry when he or she has one already.
void AncestorWalk::append(int32_t rin, int64_t count) {
    if (tooLarge_) return;
    if (collect_ && entriesBuilt_ + int64_t(nextRins_.size()) >= ctx_.listEntryLimit) {
        tooLarge_ = true;
        tooManyEntries_ = true;
        return;
    }
    if (nextFilled_ + count > kMaxGenerationFilled) {
        tooLarge_ = true;
        return;
    }
    nextFilled_ += count;
    if (!collect_ && inRange(rin)) {
        int32_t& slot = slot_[size_t(rin)];
        if (slot >= 0) {
            nextCounts_[size_t(slot)] += count;
            return;
        }
        slot = int32_t(nextRins_.size());
    }
    nextRins_.push_back(rin);
    if (!collect_) nextCounts_.push_back(count);
}

void AncestorWalk::showBound() {
    if (tooManyEntries_) {
        boundMessage_ = listStopMessage(generation_, ctx_.listEntryLimit);
    } else {
        boundMessage_ = fillIn(
            TW_TR("Reports", "The list stops after generation %1:\nthe next generation would fill more than %2 positions."),
            {std::to_string(generation_), std::to_string(kMaxGenerationFilled)});
    }
    ctx_.host.message(boundMessage_, "Note");
}

const AncestorWalk::Person& AncestorWalk::person(int32_t rin) {
    if (!inRange(rin)) {
        reportCorruptDataAndCloseStart(ctx_, {"individual", rin, "record", rin, ctx_.file.highestRin(),
                                              "is beyond the last individual"});
        if (messageOnce(ctx_, OnceMessage::RinOutOfRange, TW_TR("Reports", "RinX access out of range"), "kk"))
            ctx_.host.closeStartWindow();
        return unreadable_;
    }
    int32_t& index = personIndex_[size_t(rin)];
    if (index == 0) {
        people_.push_back(readPerson(rin));
        index = int32_t(people_.size());
    }
    return people_[size_t(index - 1)];
}

// The individual's parents and birth years. An individual, child link or marriage
// that cannot be read or is marked deleted ends the way up at that record.
AncestorWalk::Person AncestorWalk::readPerson(int32_t rin) {
    Person p;
    const bool reportedBefore = ctx_.corruptDataReported();
    const Parents parents = parentsOf(ctx_, rin);
    if (parents.damaged && !reportedBefore) ctx_.host.closeStartWindow();
    if (!parents.personReadable) return p;
    updateYearRange(ctx_, rin, p.years);
    p.father = parents.father;
    p.mother = parents.mother;
    return p;
}


}  // namespace tw
