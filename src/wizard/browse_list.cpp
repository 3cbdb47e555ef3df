#include "wizard/browse_list.h"

#include <vector>

#include "base/translation.h"
#include "paf/dates.h"
#include "paf/records.h"

namespace tw {

namespace {

// "    (b. 1850)": the last year the date names; nothing for a date that names none.
std::string yearSuffix(PafContext& ctx, std::string_view label, const PafDate& date) {
    const int32_t year = lastYearOf(ctx, date);
    if (year == 0) return {};
    return "    (" + std::string(label) + " " + std::to_string(year) + ")";
}

bool isBlank(const PafDate& date) {
    for (const uint8_t b : date.bytes)
        if (b != 0) return false;
    return true;
}

}  // namespace

std::string browseLineText(PafContext& ctx, int32_t rin, const std::string& name) {
    IndividualRecord person;
    readIndividual(ctx.file, rin, person);
    if (!isBlank(person.birth)) return name + yearSuffix(ctx, TW_TR("BrowseWindow", "b."), person.birth);
    if (!isBlank(person.christening)) return name + yearSuffix(ctx, TW_TR("BrowseWindow", "c."), person.christening);
    return name;
}

std::vector<BrowseLine> buildBrowseList(PafContext& ctx) {
    const PafFile& file = ctx.file;
    // The index holds at most one node per individual; the walk never visits more.
    const int32_t highest = file.highestRin();
    std::vector<bool> visited(size_t(std::max(highest, 0)) + 1, false);
    std::vector<BrowseLine> lines;
    std::vector<std::pair<int32_t, NameNode>> stack;  // nodes whose left subtree is being walked

    auto descendLeft = [&](int32_t n) {
        while (n != 0) {
            if (n < 1 || n > highest || visited[size_t(n)]) {
                const bool inRange = n >= 1 && n <= highest;
                reportCorruptData(ctx, {"name index", 0, "node", n, inRange ? 0 : highest,
                                        inRange ? "is reached twice" : "is beyond the last node"});
                return;
            }
            visited[size_t(n)] = true;
            NameNode node;
            if (!readNameNode(file, n, node)) {
                reportCorruptData(ctx, {"name index", 0, "node", n, highest});
                return;
            }
            stack.emplace_back(n, node);
            n = node.left;
        }
    };

    descendLeft(file.nameIndexRoot());
    while (!stack.empty()) {
        const auto [n, node] = stack.back();
        stack.pop_back();
        std::string name;
        uint8_t flag = 0;
        file.readNameEntry(node.nameEntry, name, flag);
        lines.push_back({n, browseLineText(ctx, n, name)});
        descendLeft(node.right);
    }
    return lines;
}

namespace {

std::string partnerName(const PafFile& file, int32_t rin) {
    IndividualRecord person;
    if (rin <= 0 || !readIndividual(file, rin, person) || person.isDeleted()) return {};
    return recordName(file, person).str();
}

}  // namespace

std::vector<CoupleLine> buildCoupleList(PafContext& ctx) {
    std::vector<CoupleLine> lines;
    for (int32_t mrin = 1; mrin <= ctx.file.highestMrin(); ++mrin) {
        MarriageRecord marriage;
        if (!readMarriage(ctx.file, mrin, marriage) || marriage.isDeleted()) continue;
        const int32_t year = isBlank(marriage.date) ? 0 : decodeDate(ctx, marriage.date).year1;
        lines.push_back({mrin, partnerName(ctx.file, marriage.husband), partnerName(ctx.file, marriage.wife), year});
    }
    return lines;
}

}  // namespace tw
