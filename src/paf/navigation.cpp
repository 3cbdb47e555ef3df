#include "paf/navigation.h"

#include "base/translation.h"
#include "paf/loop_finder.h"
#include "paf/loop_guard.h"
#include "paf/marriage_chain.h"
#include "paf/records.h"

namespace tw {

namespace {

[[noreturn]] void abortOnUnreadableFamily(PafContext& ctx, int32_t mrin) {
    ctx.host.message(TW_TR("Messages", "The RIN is invalid"), "Error");
    abortRun(ctx, "DLgetchildrins b", mrin, -1, {"marriage", mrin, "record", mrin, ctx.file.highestMrin()});
}

void readFamilyOrAbort(PafContext& ctx, int32_t mrin, MarriageRecord& family) {
    if (!readMarriage(ctx.file, mrin, family)) abortOnUnreadableFamily(ctx, mrin);
}

void readPersonOrAbort(PafContext& ctx, int32_t rin, IndividualRecord& person) {
    if (readIndividual(ctx.file, rin, person)) return;
    ctx.host.message(TW_TR("Messages", "The RIN is invalid"), "Error");
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

namespace {

void reportMarriageLoop(PafContext& ctx, int32_t rin, const MarriageChainEnd& end) {
    if (end.kind == MarriageChainEnd::Loops)
        reportCorruptData(ctx, {"individual", rin, "marriage chain at marriage", end.mrin, 0, "loops"});
}

}  // namespace

IntList getMrins(PafContext& ctx, const IntList& individuals) {
    IntList marriages;
    for (int32_t i = 0; i + 2 < individuals.size() && !ctx.host.cancelRequested(); i += 3) {
        const int32_t rin = individuals.fetch(i);
        if (rin == 0) continue;
        const int32_t a = individuals.fetch(i + 1);
        IndividualRecord person;
        readPersonOrAbort(ctx, rin, person);
        const MarriageChainEnd end = walkMarriageChain(ctx.file, person, [&](int32_t mrin, const MarriageRecord&) {
            if (ctx.loopCuts.cutsMarriage(rin, mrin)) reportLoopCut(ctx, rin, "own marriage", mrin);
            else marriages.pushTriple(mrin, a, rin);
            return person.sex == 'M' || person.sex == 'F';  // of any other sex, the first marriage only
        });
        reportMarriageLoop(ctx, rin, end);
        if (end.kind == MarriageChainEnd::Unreadable)
            abortRun(ctx, "Invalid MRin in DLgetmrins", person.firstMrin, rin,
                     {"individual", rin, "marriage", end.mrin, ctx.file.highestMrin()});
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
    const MarriageChainEnd end = walkMarriageChain(ctx.file, person, [&](int32_t mrin, const MarriageRecord& family) {
        if (ctx.loopCuts.cutsMarriage(rin, mrin)) {
            reportLoopCut(ctx, rin, "own marriage", mrin);
            return true;
        }
        if (slot.count < FamilySlot::kMaxMarriages) {
            slot.spouses[size_t(slot.count)] = person.sex == 'M' ? family.wife : family.husband;
            slot.mrins[size_t(slot.count)] = mrin;
            ++slot.count;
        }
        ++slot.totalMarriages;
        return true;
    });
    reportMarriageLoop(ctx, rin, end);
    if (end.kind == MarriageChainEnd::Unreadable) abortOnUnreadableFamily(ctx, end.mrin);
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
