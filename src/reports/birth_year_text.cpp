#include "reports/birth_year_text.h"

#include "paf/dates.h"

namespace tw {

namespace {

// birthYear's mark of a double-dated year.
constexpr int kDoubleDatedYear = 4444;
constexpr size_t kDoubleDateChars = 9;

}  // namespace

std::string birthYearText(PafContext& ctx, const IndividualRecord& person) {
    const int year = birthYear(ctx, person);
    if (year == 0) return {};
    if (year != kDoubleDatedYear) return std::to_string(year);
    std::string date = formatDate(decodeDate(ctx, person.birth)).str();
    if (date.empty()) date = formatDate(decodeDate(ctx, person.christening)).str();
    return date.size() > kDoubleDateChars ? date.substr(date.size() - kDoubleDateChars) : date;
}

}  // namespace tw
