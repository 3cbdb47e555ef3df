#include "reports/descent.h"

#include <algorithm>
#include <utility>

#include "base/translation.h"
#include "paf/loop_guard.h"
#include "paf/navigation.h"
#include "paf/records.h"
#include "reports/report_words.h"

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

CoupleNames startCoupleNames(PafContext& ctx, const IntList& mrins) {
    const int32_t mrin = mrins.fetch(0);
    MarriageRecord couple;
    if (!readMarriage(ctx.file, mrin, couple)) {
        ctx.host.message(TW_TR("Messages", "The RIN is invalid"), "Error");
        abortRun(ctx, "DLgetchildrins b", mrin, -1, {"marriage", mrin, "record", mrin, ctx.file.highestMrin()});
    }
    ListNames names(ctx);
    return {names.of(couple.husband), names.of(couple.wife)};
}

std::string joinCouple(const CoupleNames& couple, std::string_view separator) {
    if (couple.husband.empty()) return couple.wife;
    if (couple.wife.empty()) return couple.husband;
    return couple.husband + std::string(separator) + couple.wife;
}

std::string coupleTitle(PafContext& ctx, const IntList& mrins, std::string_view separator) {
    return joinCouple(startCoupleNames(ctx, mrins), separator);
}

namespace {

// Triple k of list, as (first, second, third).
struct Triple {
    int32_t first, second, third;
};
Triple tripleAt(const IntList& list, int32_t k) {
    return {list.fetch(3 * k), list.fetch(3 * k + 1), list.fetch(3 * k + 2)};
}

// Puts the result of a routine run on the file-ordered input back into the order of
// the input: found holds triples whose second value is the input triple's number;
// they go out grouped by that number, in input order, each group in the order found,
// with the second value (and, when keepThird, the third) of the input triple.
IntList inInputOrder(const IntList& input, const IntList& found, bool keepThird) {
    const int32_t inputs = input.size() / 3;
    std::vector<int32_t> start(size_t(inputs) + 1, 0);
    for (int32_t i = 1; i < found.size(); i += 3) ++start[size_t(found.fetch(i)) + 1];
    for (size_t k = 1; k < start.size(); ++k) start[k] += start[k - 1];
    std::vector<int32_t> place(size_t(found.size() / 3));
    std::vector<int32_t> next(start.begin(), start.end() - 1);
    for (int32_t f = 0; f < found.size() / 3; ++f) place[size_t(next[size_t(found.fetch(3 * f + 1))]++)] = f;
    IntList result;
    for (int32_t k = 0; k < inputs; ++k) {
        const Triple in = tripleAt(input, k);
        for (int32_t p = start[size_t(k)]; p < start[size_t(k) + 1]; ++p) {
            const Triple out = tripleAt(found, place[size_t(p)]);
            result.pushTriple(out.first, in.second, keepThird ? in.third : out.third);
        }
    }
    return result;
}

}  // namespace

std::vector<int32_t> fileOrder(const IntList& list) {
    const size_t n = size_t(list.size() / 3);
    std::vector<int32_t> order(n);
    bool sorted = true;
    for (size_t k = 0; k < n; ++k) {
        order[k] = int32_t(k);
        if (k > 0 && list.fetch(int32_t(3 * k)) < list.fetch(int32_t(3 * k - 3))) sorted = false;
    }
    if (sorted) return order;
    if (n < 4096) {
        std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) {
            return uint32_t(list.fetch(3 * a)) < uint32_t(list.fetch(3 * b));
        });
        return order;
    }
    // Two passes of a stable counting sort by the low and the high 16 bits.
    std::vector<int32_t> other(n);
    std::vector<uint32_t> count(1 << 16);
    for (const int shift : {0, 16}) {
        std::fill(count.begin(), count.end(), 0);
        const auto digit = [&](int32_t k) { return (uint32_t(list.fetch(3 * k)) >> shift) & 0xffff; };
        for (const int32_t k : order) ++count[digit(k)];
        uint32_t total = 0;
        for (uint32_t& c : count) total += std::exchange(c, total);
        for (const int32_t k : order) other[count[digit(k)]++] = k;
        order.swap(other);
    }
    return order;
}

IntList childrenInFileOrder(PafContext& ctx, const IntList& families) {
    IntList sorted;
    for (const int32_t k : fileOrder(families)) sorted.pushTriple(families.fetch(3 * k), k, 0);
    return inInputOrder(families, getChildRins(ctx, sorted), true);
}

IntList marriagesInFileOrder(PafContext& ctx, const IntList& persons) {
    IntList sorted;
    for (const int32_t k : fileOrder(persons)) sorted.pushTriple(persons.fetch(3 * k), k, 0);
    return inInputOrder(persons, getMrins(ctx, sorted), false);
}

bool childrenWithin(PafContext& ctx, const IntList& families, int64_t room, IntList& children) {
    IntList found;
    IntList one;
    for (const int32_t k : fileOrder(families)) {
        one.clear();
        one.pushTriple(families.fetch(3 * k), k, 0);
        const IntList more = getChildRins(ctx, one);
        if (int64_t(found.size() / 3) + int64_t(more.size() / 3) > room) {
            children.clear();
            return false;
        }
        for (int32_t i = 0; i < more.size(); ++i) found.push(more.fetch(i));
    }
    children = inInputOrder(families, found, true);
    return true;
}

int marriageCount(PafContext& ctx, int32_t rin) {
    IndividualRecord person;
    if (!readIndividual(ctx.file, rin, person)) return 0;
    int count = 0;
    LoopGuard guard;
    MarriageRecord marriage;
    for (int32_t mrin = person.firstMrin; readMarriage(ctx.file, mrin, marriage); mrin = marriage.nextFor(person.sex)) {
        if (guard.repeats(mrin)) {
            reportCorruptData(ctx, {"individual", rin, "marriage chain at marriage", mrin, 0, "loops"});
            break;
        }
        ++count;
    }
    return count;
}

std::string ListNames::of(int32_t rin) {
    if (rin == 0) return {};
    IndividualRecord person;
    return of(rin, readIndividual(ctx_.file, rin, person));
}

std::string ListNames::of(int32_t rin, bool readable) {
    if (readable) return individualNameNoSlashes(ctx_, rin).str();
    messageOnce(ctx_, OnceMessage::InvalidRin, "The RIN is invalid", "Error");
    return std::string(invalidRinName());
}

}  // namespace tw
