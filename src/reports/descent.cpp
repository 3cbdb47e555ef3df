#include "reports/descent.h"

#include "paf/navigation.h"
#include "paf/records.h"

namespace tw {

IntList startCouples(const IntList& mrins) {
    IntList marriages;
    for (int32_t i = 0; i < mrins.size(); ++i) marriages.pushTriple(mrins.fetch(i), 0, 0);
    return marriages;
}

void numberChildLines(IntList& persons) {
    if (persons.size() < 3 || persons.fetch(1) != 0) return;
    for (int32_t i = 0; i + 2 < persons.size(); i += 3) persons.store(i + 1, i / 3 + 1);
}

std::string coupleTitle(PafContext& ctx, const IntList& mrins, std::string_view separator) {
    const int32_t mrin = mrins.fetch(0);
    MarriageRecord couple;
    if (!readMarriage(ctx.file, mrin, couple)) {
        ctx.host.message("The RIN is invalid", "Error");
        abortRun(ctx, "DLgetchildrins b", mrin, -1);
    }
    ListNames names(ctx);
    const std::string husband = names.of(couple.husband);
    const std::string wife = names.of(couple.wife);
    if (couple.husband == 0) return wife;
    if (couple.wife == 0) return husband;
    return husband + std::string(separator) + wife;
}

bool childrenWithin(PafContext& ctx, const IntList& families, int64_t room, IntList& children) {
    children.clear();
    IntList one;
    for (int32_t i = 0; i + 2 < families.size(); i += 3) {
        one.clear();
        one.pushTriple(families.fetch(i), families.fetch(i + 1), families.fetch(i + 2));
        const IntList found = getChildRins(ctx, one);
        if (int64_t(children.size() / 3) + int64_t(found.size() / 3) > room) return false;
        for (int32_t k = 0; k < found.size(); ++k) children.push(found.fetch(k));
    }
    return true;
}

std::string ListNames::of(int32_t rin) {
    if (rin == 0) return {};
    IndividualRecord person;
    return of(rin, readIndividual(ctx_.file, rin, person));
}

std::string ListNames::of(int32_t rin, bool readable) {
    if (readable) return individualNameNoSlashes(ctx_, rin).str();
    if (!invalidShown_) {
        invalidShown_ = true;
        ctx_.host.message("The RIN is invalid", "Error");
    }
    return "Invalid Rin";
}

}  // namespace tw
