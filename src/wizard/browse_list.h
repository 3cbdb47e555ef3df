#pragma once
// The browse list: every individual of the name index, in index order, as the line
// the browse window shows ("name    (b. 1850)"), with the RIN it stands for; and the
// list of couples, one line per marriage record.

#include <cstdint>
#include <string>
#include <vector>

#include "paf/paf_context.h"

namespace tw {

struct BrowseLine {
    int32_t rin = 0;
    std::string text;
};

// Walks the name index in order. A damaged index (a node out of range, a subtree
// that loops back) is cut where it goes wrong, with one corrupt-data message.
std::vector<BrowseLine> buildBrowseList(PafContext& ctx);

// The line of one individual: the name, then the birth (else christening) year.
std::string browseLineText(PafContext& ctx, int32_t rin, const std::string& name);

// One marriage record and its couple: the names as entered (empty for a partner
// who is unknown or cannot be read) and the year of the marriage (0 when unknown).
struct CoupleLine {
    int32_t mrin = 0;
    std::string husband;
    std::string wife;
    int32_t year = 0;
};

// Every marriage record in MRIN order, the deleted ones left out.
std::vector<CoupleLine> buildCoupleList(PafContext& ctx);

}  // namespace tw
