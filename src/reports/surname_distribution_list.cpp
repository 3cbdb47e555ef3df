#include "reports/surname_distribution_list.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/translation.h"
#include "paf/codepage.h"
#include "paf/dates.h"
#include "paf/records.h"
#include "reports/descent.h"
#include "reports/list_page.h"
#include "reports/wrap_name.h"

namespace tw {

namespace {

// Layout on letter, in inches from the sheet's top-left corner; y is the top of a
// text.
constexpr double kLeft = 0.75;
constexpr double kRight = 7.75;
constexpr double kFrameTop = 1.5;
constexpr double kFrameBottom = 10.0;
constexpr double kFramePen = 1.0 / 36;
constexpr double kPageNumberY = 10.3;
constexpr double kFirstColumnX = 0.85;
constexpr double kFirstLineY = 1.6;
constexpr int kColumns = 3;
constexpr double kColumnStep = 7.0 / kColumns;
constexpr double kLineStep = 0.13;
constexpr double kCountRight = 0.3;  // from the column's left
constexpr double kSurnameX = 0.35;
constexpr double kSurnameBefore = 0.15;  // a surname ends this far before the next column (or the frame)

// The columns on the page the list is given: as many as come nearest to letter's
// width each (at least one), spread over the frame; a surname is shortened to its
// column.
struct Layout {
    double left, right, centre, frameBottom, pageNumberY;
    double firstColumnX, columnStep, surnameWidth;
    int columns;
};

Layout layoutOn(const PageGeometry& page) {
    const SheetShift shift = sheetShift(page, kLeft);
    Layout at;
    at.left = kLeft + shift.left;
    at.right = kRight + shift.right;
    at.centre = framed_list::kCentre + shift.centre;
    at.frameBottom = kFrameBottom + shift.down;
    at.pageNumberY = kPageNumberY + shift.down;
    at.firstColumnX = kFirstColumnX + shift.left;
    at.columns = kColumns;
    at.columnStep = kColumnStep;
    if (shift.wider() != 0) {
        const double width = (kRight - kLeft) + shift.wider();
        at.columns = std::max(int(std::lround(width / kColumnStep)), 1);
        at.columnStep = width / at.columns;
    }
    at.surnameWidth = at.columnStep - kSurnameX - kSurnameBefore;
    return at;
}

// The count of each surname. An open-addressing table of 32-bit hashes and entry
// numbers, so that a look-up touches one slot and, on a hash match, one entry: a
// file of a million individuals looks up a million surnames.
class SurnameCounts {
public:
    void add(std::string_view surname) {
        if (2 * (entries_.size() + 1) > slots_.size()) grow();
        const uint32_t hash = hashOf(surname);
        for (size_t at = hash & (slots_.size() - 1);; at = (at + 1) & (slots_.size() - 1)) {
            const uint64_t slot = slots_[at];
            if (slot == 0) {
                entries_.emplace_back(std::string(surname), 1);
                slots_[at] = uint64_t(hash) << 32 | entries_.size();
                return;
            }
            if (uint32_t(slot >> 32) == hash && entries_[uint32_t(slot) - 1].first == surname) {
                ++entries_[uint32_t(slot) - 1].second;
                return;
            }
        }
    }
    // The surnames and their counts, in no particular order.
    std::vector<std::pair<std::string, int64_t>>& entries() { return entries_; }

private:
    static uint32_t hashOf(std::string_view text) {
        uint64_t h = std::hash<std::string_view>()(text);
        return uint32_t(h ^ (h >> 32));
    }
    void grow() {
        slots_.assign(std::max<size_t>(1024, 2 * slots_.size()), 0);
        for (size_t k = 0; k < entries_.size(); ++k) {
            const uint32_t hash = hashOf(entries_[k].first);
            size_t at = hash & (slots_.size() - 1);
            while (slots_[at] != 0) at = (at + 1) & (slots_.size() - 1);
            slots_[at] = uint64_t(hash) << 32 | (k + 1);
        }
    }

    std::vector<uint64_t> slots_;  // 0 empty; else hash << 32 | entry number + 1
    std::vector<std::pair<std::string, int64_t>> entries_;
};

class SurnameList {
public:
    SurnameList(AppContext& ctx, const ReportInput& input) : ctx_(ctx), log_(ctx.pageLog), input_(input) {}
    void run();

private:
    void count(int32_t rin);
    void drawHeader();

    AppContext& ctx_;
    PageLog& log_;
    const ReportInput& input_;
    std::string subtitle_;
    std::string date_;
    Layout at_{};
    PageCursor page_{kFirstLineY};
    double x_ = kFirstColumnX;
    int column_ = 0;  // of the page: 0 the first
    int64_t noneCount_ = 0;
    SurnameCounts counts_;
};

void SurnameList::run() {
    log_.begin("SDL", runPage(ctx_));
    at_ = layoutOn(log_.page());
    // The subtitle names the individual typed in the start window.
    subtitle_ = ListNames(ctx_).of(input_.startRin);
    date_ = todayText(ctx_).str();
    page_.number = 1;
    drawHeader();

    const int32_t highest = ctx_.file.highestRin();
    for (int32_t rin = 1; rin <= highest; ++rin) count(rin);

    // The order of names: Windows-1252 surnames by their bytes (capitals before small
    // letters), other scripts after them.
    auto& table = counts_.entries();
    std::sort(table.begin(), table.end(),
              [](const auto& a, const auto& b) { return compareNameText(a.first, b.first) < 0; });

    char count[32];
    std::snprintf(count, sizeof count, "%4lld", static_cast<long long>(noneCount_));
    log_.text(x_, page_.y, fillIn(TW_TR("SurnameDistributionList", "%1 none count"), {count}));
    page_.y += kLineStep;
    for (const auto& [surname, n] : table) {
        if (column_ == at_.columns) {
            log_.newPage();
            drawHeader();
        }
        log_.textRight(x_ + kCountRight, page_.y, std::to_string(n));
        log_.text(x_ + kSurnameX, page_.y, shortenToWidth(log_, surname, at_.surnameWidth));
        page_.y += kLineStep;
        if (!(page_.y < at_.frameBottom - kLineStep)) {
            x_ += at_.columnStep;
            ++column_;
            page_.y = kFirstLineY;
        }
    }
    log_.commit();
    ctx_.host.showProgress(-1);
    log_.end();
}

// Counts one individual: the surname is what stands between the first "/" and the
// next. No "/" or an empty surname counts as none; a single "/" counts nowhere.
void SurnameList::count(int32_t rin) {
    IndividualRecord person;
    if (!readIndividual(ctx_.file, rin, person)) {
        // Counts as an individual without a surname; one message for the run.
        if (ctx_.messages.first(OnceMessage::InvalidRin)) {
            ctx_.host.closeStartWindow();
            ctx_.host.message(TW_TR("Messages", "The RIN is invalid"), "Error");
        }
        ++noneCount_;
        return;
    }
    if (person.isDeleted()) return;
    const TextBuffer name = recordName(ctx_.file, person);
    const std::string_view text = name.view();
    const size_t first = text.find('/');
    if (first == std::string_view::npos) {
        ++noneCount_;
        return;
    }
    const size_t second = text.find('/', first + 1);
    if (second == std::string_view::npos) return;
    if (second == first + 1) {
        ++noneCount_;
        return;
    }
    counts_.add(text.substr(first + 1, second - first - 1));
}

void SurnameList::drawHeader() {
    drawListHeading(log_, {TW_TR("SurnameDistributionList", "Surname Distribution List"), subtitle_, date_,
                           ctx_.dataFilePath, at_.left, at_.right, at_.centre});
    log_.moveTo(at_.left, kFrameTop);
    log_.penWidth(kFramePen);
    log_.lineTo(at_.right, kFrameTop);
    log_.lineTo(at_.right, at_.frameBottom);
    log_.lineTo(at_.left, at_.frameBottom);
    log_.lineTo(at_.left, kFrameTop);
    drawPageNumber(log_, page_.number, at_.centre, at_.pageNumberY);
    x_ = at_.firstColumnX;
    column_ = 0;
    page_.y = kFirstLineY;
}

}  // namespace

void generateSurnameDistributionList(AppContext& ctx, const ReportInput& input) { SurnameList(ctx, input).run(); }

}  // namespace tw
