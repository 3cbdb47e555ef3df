#include "paf/navigation.h"

#include "paf/loop_finder.h"
#include "paf/loop_guard.h"
#include "paf/records.h"

namespace tw {

namespace {

void readFamilyOrAbort(PafContext& ctx, int32_t mrin, MarriageRecord& family) {
    if (readMarriage(ctx.file, mrin, family)) return;
    ctx.host.message("The RIN is invalid", "Error");
    abortRun(ctx, "DLgetchildrins b", mrin, -1, {"marriage", mrin, "record", mrin, ctx.file.highestMrin()});
}

void readPersonOrAbort(PafContext& ctx, int32_t rin, IndividualRecord& person) {
    if (readIndividual(ctx.file, rin, person)) return;
    ctx.host.message("The RIN is invalid", "Error");
    abortRun(ctx, "Invalid Rin  in DLgetmrins", rin, -1, {"individual", rin, "record", rin, ctx.file.highestRin()});
}

// Appends the children of one family, in the order of its child chain.
void appendChildren(PafContext& ctx, int32_t mrin, const MarriageRecord& family, int32_t a, int32_t b,
                    IntList& children) {
    LoopGuard guard;
    int32_t link = family.firstChildLink;
    while (link != 0) {
        if (guard.repeats(link)) {
            reportCorruptData(ctx, {"marriage", mrin, "child chain at link", link, 0, "loops"});
            return;
        }
        ChildLinkRecord child;
        if (!readChildLink(ctx.file, link, child))
            abortRun(ctx, "DLgetchildrins a", link, -1, {"marriage", mrin, "child link", link});
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
        appendChildren(ctx, families.fetch(i), family, families.fetch(i + 1), families.fetch(i + 2), children);
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
                reportCorruptData(ctx, {"individual", rin, "marriage chain at marriage", mrin, 0, "loops"});
                break;
            }
            if (ctx.loopCuts.cutsMarriage(rin, mrin)) reportLoopCut(ctx, rin, "own marriage", mrin);
            else marriages.pushTriple(mrin, a, rin);
            MarriageRecord family;
            if (!readMarriage(ctx.file, mrin, family))
                abortRun(ctx, "Invalid MRin in DLgetmrins", person.firstMrin, rin,
                         {"individual", rin, "marriage", mrin, ctx.file.highestMrin()});
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
            reportCorruptData(ctx, {"individual", rin, "marriage chain at marriage", mrin, 0, "loops"});
            break;
        }
        MarriageRecord family;
        readFamilyOrAbort(ctx, mrin, family);
        const bool cut = ctx.loopCuts.cutsMarriage(rin, mrin);
        if (cut) reportLoopCut(ctx, rin, "own marriage", mrin);
        if (!cut && slot.count < FamilySlot::kMaxMarriages) {
            slot.spouses[size_t(slot.count)] = person.sex == 'M' ? family.wife : family.husband;
            slot.mrins[size_t(slot.count)] = mrin;
            ++slot.count;
        }
        if (!cut) ++slot.totalMarriages;
        mrin = person.sex == 'M' ? family.husbandNext : family.wifeNext;
    }
}

Parents parentsOf(PafContext& ctx, int32_t rin) {
    Parents found;
    IndividualRecord person;
    if (!readIndividual(ctx.file, rin, person) || person.isDeleted()) {
        found.damaged = true;
        reportCorruptData(ctx, {"individual", rin, "record", rin, ctx.file.highestRin(),
                                 person.isDeleted() ? "is deleted" : "cannot be read"});
        return found;
    }
    found.personReadable = true;
    if (person.childLink == 0) return found;
    ChildLinkRecord link;
    if (!readChildLink(ctx.file, person.childLink, link) || link.status == 'D') {
        found.damaged = true;
        reportCorruptData(ctx, {"individual", rin, "child link", person.childLink, 0,
                                 link.status == 'D' ? "is deleted" : "cannot be read"});
        return found;
    }
    if (link.mrin == 0) return found;
    MarriageRecord parents;
    if (!readMarriage(ctx.file, link.mrin, parents) || parents.isDeleted()) {
        found.damaged = true;
        reportCorruptData(ctx, {"individual", rin, "parents' marriage", link.mrin, ctx.file.highestMrin(),
                                 parents.isDeleted() ? "is deleted" : "cannot be read"});
        return found;
    }
    found.father = parents.husband;
    found.mother = parents.wife;
    if (ctx.loopCuts.empty()) return found;
    if (ctx.loopCuts.cutsParent(rin, found.father)) {
        reportLoopCut(ctx, rin, "father", found.father);
        found.father = 0;
    }
    if (ctx.loopCuts.cutsParent(rin, found.mother)) {
        reportLoopCut(ctx, rin, "mother", found.mother);
        found.mother = 0;
    }
    return found;
}

}  // namespace tw
