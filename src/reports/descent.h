#pragma once
// What the descendant lists share about walking down from the start couples.
//
// A generation travels as an IntList of descent triples:
//   marriage list: (MRIN, child line, RIN of the descendant in this marriage, 0 for a start couple)
//   person list:   (RIN, child line, RIN of the descendant parent, 0 for the start couples' children)
// getChildRins and getMrins map one onto the other and carry the child line along.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "paf/int_list.h"
#include "paf/paf_context.h"

namespace tw {

// Generation labels run from 2 (the start couples' children) up to, not including,
// this number, which the lists reach as label + 1.
inline constexpr int kDescentGenerationLimit = 300;

// The marriage list of the start couples: (MRIN, 0, 0) per start MRIN, in the order typed.
IntList startCouples(const IntList& mrins);

// In the start couples' children (second value 0), the k-th triple gets child line
// k, counting across all start couples. Later generations are left as they are.
void numberChildLines(IntList& persons);

// The names of a couple's partners as the lists print them; empty for a partner who
// is not recorded (or whose name is empty).
struct CoupleNames {
    std::string husband;
    std::string wife;
};

// The names of the first start couple. The marriage must be readable: otherwise the
// message "The RIN is invalid" and the program ends (abortRun "DLgetchildrins b").
CoupleNames startCoupleNames(PafContext& ctx, const IntList& mrins);

// The partners' names joined by separator; where only one has a name, that name
// alone (no separator left dangling); empty when neither has one.
std::string joinCouple(const CoupleNames& couple, std::string_view separator);

// joinCouple of the first start couple.
std::string coupleTitle(PafContext& ctx, const IntList& mrins, std::string_view separator);

// getChildRins and getMrins with the records read in ascending record number, the
// order in which they lie in the file, and the result in the routines' own order:
// the same triples, much faster for a generation in birth-date order, whose records
// lie all over the file. (A damaged file that fails in two places stops at the one
// with the lower number; a stop request keeps a part in file order.)
IntList childrenInFileOrder(PafContext& ctx, const IntList& families);
// The numbers of the triples of a list in ascending order of their first values,
// the RINs or MRINs (as unsigned numbers; equal ones in list order).
std::vector<int32_t> fileOrder(const IntList& list);
IntList marriagesInFileOrder(PafContext& ctx, const IntList& persons);

// childrenInFileOrder, family by family, so that a generation never grows past
// room entries: false when it would (children is then empty).
bool childrenWithin(PafContext& ctx, const IntList& families, int64_t room, IntList& children);

// The marriages in the individual's chain: the husband's chain for a man, the
// wife's otherwise, up to the first marriage that cannot be read (or the end, 0).
// An individual whose own record cannot be read has none. A chain that loops is
// cut where it repeats.
int marriageCount(PafContext& ctx, int32_t rin);

// One byte per RIN from 0 to the highest RIN of the file, for the run.
class RinMarks {
public:
    void reset(int32_t highestRin) { marks_.assign(size_t(highestRin < 0 ? 0 : highestRin) + 1, 0); }
    bool isSet(int32_t rin) const { return inRange(rin) && marks_[size_t(rin)] != 0; }
    // Marks rin; true when it was marked already. A RIN outside the file's range
    // (a damaged link) is never marked.
    bool testAndSet(int32_t rin) {
        if (!inRange(rin)) return false;
        const bool was = marks_[size_t(rin)] != 0;
        marks_[size_t(rin)] = 1;
        return was;
    }

private:
    bool inRange(int32_t rin) const { return rin >= 0 && size_t(rin) < marks_.size(); }
    std::vector<uint8_t> marks_;
};

// Names as the lists print them: without slashes; empty for RIN 0 (no one
// recorded); "Invalid Rin" for a record that cannot be read, with the message "The
// RIN is invalid" shown once per run (a damaged file would repeat it for every line).
class ListNames {
public:
    explicit ListNames(PafContext& ctx) : ctx_(ctx) {}
    std::string of(int32_t rin);
    // The same when the caller has just tried to read the record.
    std::string of(int32_t rin, bool readable);

private:
    PafContext& ctx_;
};

}  // namespace tw
