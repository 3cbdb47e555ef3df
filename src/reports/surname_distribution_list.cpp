#include "reports/surname_distribution_list.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "paf/codepage.h"
#include "paf/dates.h"
#include "paf/records.h"
#include "reports/descent.h"
#include "reports/list_page.h"
#include "reports/wrap_name.h"

namespace tw {

namespace {

// Layout, in inches from the sheet's top-left corner; y is the top of a text.
constexpr double kLeft = 0.75;
constexpr double kRight = 7.75;
constexpr double kFrameTop = 1.5;
constexpr double kFrameBottom = 10.0;
constexpr double kFramePen = 1.0 / 36;
constexpr double kPageNumberY = 10.3;
constexpr double kFirstColumnX = 0.85;
constexpr double kFirstLineY = 1.6;
constexpr double kColumnStep = 7.0 / 3.0;
constexpr double kLineStep = 0.13;
constexpr double kCountRight = 0.3;  // from the column's left
constexpr double kSurnameX = 0.35;
// A surname ends this far before the next column (or the frame), shortened if need be.
constexpr double kSurnameWidth = kColumnStep - kSurnameX - 0.15;

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
    PageCursor page_{kFirstLineY};
    double x_ = kFirstColumnX;
    int64_t noneCount_ = 0;
    SurnameCounts counts_;
};

void SurnameList::run() {
    log_.begin("SDL", runPage(ctx_));
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

    char none[32];
    std::snprintf(none, sizeof none, "%4lld none count", static_cast<long long>(noneCount_));
    log_.text(x_, page_.y, none);
    page_.y += kLineStep;
    for (const auto& [surname, n] : table) {
        if (x_ > kRight) {
            log_.newPage();
            drawHeader();
        }
        log_.textRight(x_ + kCountRight, page_.y, std::to_string(n));
        log_.text(x_ + kSurnameX, page_.y, shortenToWidth(log_, surname, kSurnameWidth));
        page_.y += kLineStep;
        if (!(page_.y < kFrameBottom - kLineStep)) {
            x_ += kColumnStep;
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
            ctx_.host.message("The RIN is invalid", "Error");
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
    ListHeading heading{"Surname Distribution List", subtitle_, date_, ctx_.dataFilePath};
    heading.left = kLeft;
    heading.right = kRight;
    drawListHeading(log_, heading);
    log_.moveTo(kLeft, kFrameTop);
    log_.penWidth(kFramePen);
    log_.lineTo(kRight, kFrameTop);
    log_.lineTo(kRight, kFrameBottom);
    log_.lineTo(kLeft, kFrameBottom);
    log_.lineTo(kLeft, kFrameTop);
    drawPageNumber(log_, page_.number, kPageNumberY);
    x_ = kFirstColumnX;
    page_.y = kFirstLineY;
}

}  // namespace

void generateSurnameDistributionList(AppContext& ctx, const ReportInput& input) { SurnameList(ctx, input).run(); }

}  // namespace tw
