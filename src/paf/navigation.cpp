#include "paf/navigation.h"

#include "paf/loop_guard.h"
#include "paf/records.h"

namespace tw {

namespace {

void readFamilyOrAbort(PafContext& ctx, int32_t mrin, MarriageRecord& family) {
    if (readMarriage(ctx.file, mrin, family)) return;
    ctx.host.message("The RIN is invalid", "Error");
    abortRun(ctx, "DLgetchildrins b", mrin, -1);
}

void readPersonOrAbort(PafContext& ctx, int32_t rin, IndividualRecord& person) {
    if (readIndividual(ctx.file, rin, person)) return;
    ctx.host.message("The RIN is invalid", "Error");
    abortRun(ctx, "Invalid Rin  in DLgetmrins", rin, -1);
}

// Appends the children of one family, in the order of its child chain.
void appendChildren(PafContext& ctx, const MarriageRecord& family, int32_t a, int32_t b, IntList& children) {
    LoopGuard guard;
    int32_t link = family.firstChildLink;
    while (link != 0) {
        if (guard.repeats(link)) {
            reportCorruptData(ctx);
            return;
        }
        ChildLinkRecord child;
        if (!readChildLink(ctx.file, link, child)) abortRun(ctx, "DLgetchildrins a", link, -1);
        children.pushTriple(child.child, a, b);
        link = child.next;
        if (link == family.firstChildLink) return;
    }
}

}  // namespace

IntList getChildRins(PafContext& ctx, const IntList& families) {
    IntList children;
    for (int32_t i = 0; i + 2 < families.size() && !ctx.host.cancelRequested(); i += 3) {
        MarriageRecord family;
        readFamilyOrAbort(ctx, families.fetch(i), family);
        appendChildren(ctx, family, families.fetch(i + 1), families.fetch(i + 2), children);
    }
    return children;
}

IntList getMrins(PafContext& ctx, const IntList& individuals) {
    IntList marriages;
    for (int32_t i = 0; i + 2 < individuals.size() && !ctx.host.cancelRequested(); i += 3) {
        const int32_t rin = individuals.fetch(i);
        if (rin == 0) continue;
        const int32_t a = individuals.fetch(i + 1);
        IndividualRecord person;
        readPersonOrAbort(ctx, rin, person);
        LoopGuard guard;
        for (int32_t mrin = person.firstMrin; mrin != 0;) {
            if (guard.repeats(mrin)) {
                reportCorruptData(ctx);
                break;
            }
            marriages.pushTriple(mrin, a, rin);
            MarriageRecord family;
            if (!readMarriage(ctx.file, mrin, family)) abortRun(ctx, "Invalid MRin in DLgetmrins", person.firstMrin, rin);
            if (person.sex != 'M' && person.sex != 'F') break;
            mrin = family.nextFor(person.sex);
        }
    }
    return marriages;
}

void DLgetmrins(PafContext& ctx, int32_t rin, int32_t x, int32_t row, FamilySlot& slot) {
    slot = FamilySlot{};
    slot.rin = rin;
    slot.x = x;
    slot.row = row;
    IndividualRecord person;
    readPersonOrAbort(ctx, rin, person);
    LoopGuard guard;
    for (int32_t mrin = person.firstMrin; mrin != 0;) {
        if (guard.repeats(mrin)) {
            reportCorruptData(ctx);
            break;
        }
        MarriageRecord family;
        readFamilyOrAbort(ctx, mrin, family);
        if (slot.count < FamilySlot::kMaxMarriages) {
            slot.spouses[size_t(slot.count)] = person.sex == 'M' ? family.wife : family.husband;
            slot.mrins[size_t(slot.count)] = mrin;
            ++slot.count;
        }
        ++slot.totalMarriages;
        mrin = person.sex == 'M' ? family.husbandNext : family.wifeNext;
    }
}

}  // namespace tw
