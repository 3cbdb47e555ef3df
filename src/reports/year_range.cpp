#include "reports/year_range.h"

#include <string>
#include <string_view>

#include "paf/dates.h"
#include "paf/records.h"

namespace tw {

namespace {

// birthYear's mark of a double-dated year.
constexpr int kDoubleDatedYear = 4444;

// The number written at the start of text (leading digits; 0 when there are none).
int leadingNumber(const char* text) {
    int value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        if (value > 100000) break;  // years have four digits; keep a damaged text in range
        value = value * 10 + (*text - '0');
    }
    return value;
}

}  // namespace

void updateYearRange(PafContext& ctx, int32_t rin, YearRange& range) {
    if (rin == 0) return;
    IndividualRecord person;
    if (!readIndividual(ctx.file, rin, person) || person.isDeleted()) {
        reportCorruptData(ctx, {"individual", rin, "record", rin, ctx.file.highestRin(),
                                person.isDeleted() ? "is deleted" : "cannot be read"});
        ctx.host.closeStartWindow();
        return;
    }
    const int year = birthYear(ctx, person);
    if (year != kDoubleDatedYear) {
        range.include(year);
        return;
    }
    TextBuffer date = formatDate(decodeDate(ctx, person.birth));
    int slash = date.find('/');
    if (slash < 0) {
        date = formatDate(decodeDate(ctx, person.christening));
        slash = date.find('/');
    }
    if (slash < 0) {
        ctx.host.message("4444 but no / on x", std::to_string(rin));
        return;
    }
    range.include(leadingNumber(date.c_str() + slash + 1));
    const std::string_view text = date.view();
    const size_t space = text.rfind(' ');
    range.include(leadingNumber(date.c_str() + (space == std::string_view::npos ? 0 : space + 1)));
}

}  // namespace tw
