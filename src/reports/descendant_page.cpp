#include "reports/descendant_page.h"

#include <algorithm>
#include <utility>

#include "paf/dates.h"
#include "reports/list_page.h"
#include "reports/wrap_name.h"

namespace tw {

namespace {

// The geometry the descendant lists share (list_page.h).
using namespace descent_page;

// Layout, in inches from the sheet's top-left corner; y is the top of a text.
// Positions given from the frame's top follow it down in the grouped list.
constexpr float kLeft = 1.0F;
constexpr float kBottom = 9.8F;
constexpr double kRight = 8.5 - kLeft;
constexpr double kTitleY = 0.9;
constexpr double kCoupleY = 1.1;
constexpr double kGroupTitleY = 1.3;
constexpr double kRules[] = {1.5, 3.7, 4.7, 5.25};
constexpr double kGenHeadingX = 1.1;
constexpr double kNameX = 1.55;
constexpr double kDateX = 4.2;       // heading; the dates end at kDateRight
constexpr double kDateRight = 4.65;
constexpr double kChildLineX = 4.975;
constexpr double kParentX = 5.3;
constexpr double kGap = 0.05;  // between a text and the rule beside it
constexpr double kNameWidth = kRules[1] - kNameX - kGap;
constexpr double kDateWidth = kDateRight - kRules[1] - kGap;
constexpr double kParentWidth = kRight - kParentX - kGap;

}  // namespace

DescendantPage::DescendantPage(AppContext& ctx, bool grouped, std::string coupleTitle)
    : ctx_(ctx),
      log_(ctx.pageLog),
      names_(ctx),
      grouped_(grouped),
      coupleTitle_(std::move(coupleTitle)),
      date_(todayText(ctx).str()),
      top_(grouped ? kGroupedTop : kPlainTop) {
    columns_.nameX = kNameX;
    columns_.parentX = kParentX;
    columns_.lineHeight = kLineHeight;
}

double DescendantPage::check(double y) {
    if (double(kBottom) - kLineHeight >= y) return y;
    if (y < 21) log_.newPage();
    drawHeader();
    return firstLineY();
}

void DescendantPage::drawHeader() {
    const double top = top_;
    const double bottom = kBottom;
    log_.fontName("Times");
    log_.fontSize(12);
    log_.textCentered(kCentre, kTitleY, "Descendants of");
    log_.fontSize(14);
    log_.textCentered(kCentre, kCoupleY, shortenInMiddle(log_, coupleTitle_, kRight - kLeft));
    log_.penWidth(kFramePen);
    drawBox(log_, kLeft, top, kRight, bottom);
    log_.penWidth(kRulePen);
    log_.moveTo(kLeft, top + kBandDepth);
    log_.lineTo(kRight, top + kBandDepth);
    for (const double x : kRules) {
        log_.moveTo(x, top);
        log_.lineTo(x, bottom);
    }
    const int32_t ppi = log_.pixelsPerInch();
    columns_.nameLimit = int32_t(double(ppi) * kNameWidth);
    columns_.parentLimit = int32_t(double(ppi) * kParentWidth);
    drawDateAndFile(log_, kRight, kLeft, top - kDateAbove, date_, ctx_.dataFilePath);

    log_.fontSize(12);
    log_.text(kNameX, top + kLowerHeading, "NAME");
    log_.textCentered(kDateX, top + kUpperHeading, "BIRTH");
    log_.textCentered(kDateX, top + kLowerHeading, "DATE");
    log_.textCentered(kChildLineX, top + kUpperHeading, "CHILD");
    log_.textCentered(kChildLineX, top + kLowerHeading, "LINE");
    // The children's parents are the start couple, named in the title.
    if (!grouped_ || label_ != "2") log_.text(kParentX, top + kLowerHeading, "DESCENDANT PARENT");
    if (grouped_) {
        log_.fontSize(18);
        log_.textCentered(kCentre, kGroupTitleY, groupTitle_);
        log_.fontSize(12);
        log_.text(kGenHeadingX, top + kLowerHeading, "No.");
    } else {
        log_.text(kGenHeadingX, top + kLowerHeading, "GEN");
        log_.textCentered(kLabelX, firstLineY(), label_);
        if (pageCounter_ > 1) log_.textCentered(kLabelX, firstLineY() + kLineHeight, "cont'd");
    }
    drawPageLabel(log_, pageCounter_, bottom + kPageLabelBelow);
}

double DescendantPage::printEntry(double y, DescendantEntry& entry, int& number, RinMarks* printed) {
    y = check(y);
    // A date too wide for its column goes on over the next lines, as names do; the
    // entry then starts where all of its date fits on the page.
    wrapName(log_, entry.date.text, kDateWidth, dateLines_);
    const NameLines& dateLines = dateLines_;
    const double dateDepth = double(dateLines.size() - 1) * kLineHeight;
    if (dateLines.size() > 1 && check(y + dateDepth) != y + dateDepth) y = firstLineY();
    if (printed != nullptr) {
        if (printed->isSet(entry.rin)) {
            log_.textCentered(kLabelX, y, "*");
            entry.repeat = true;
            groupRepeat = true;
        } else {
            log_.textCentered(kLabelX, y, std::to_string(number));
            ++number;
            entry.repeat = false;
            printed->testAndSet(entry.rin);
        }
    }
    for (size_t k = 0; k < dateLines.size(); ++k) log_.textRight(kDateRight, y + double(k) * kLineHeight, dateLines[k]);
    log_.textCentered(kChildLineX, y, std::to_string(entry.childLine));
    const std::string unreadable = entry.readable ? std::string() : names_.of(entry.rin, false);
    std::string parentRead;
    if (entry.parentRin != 0 && entry.parentName == nullptr) {
        // A descendant parent was read when the walk took his or her marriages.
        parentRead = names_.of(entry.parentRin, true);
    }
    const std::string_view parent = entry.parentName != nullptr ? std::string_view(*entry.parentName) : parentRead;
    const double below = printNameColumns(log_, y, entry.readable ? entry.name : unreadable, parent, columns_,
                                          [this](double at) { return check(at); });
    return std::max(below, y + dateDepth + kLineHeight);
}

void DescendantPage::printNoChildren(double y) {
    log_.text(kNameX, y, kNoChildren);
    log_.commit();
}

void DescendantPage::findParents(std::vector<DescendantEntry>& generation) const {
    for (DescendantEntry& entry : generation) {
        const int32_t rin = entry.parentRin;
        const uint32_t known = rin > 0 && size_t(rin) < parentIndex_.size() ? parentIndex_[size_t(rin)] : 0;
        entry.parentName = known != 0 ? &parents_[known - 1].name : nullptr;
    }
}

void DescendantPage::rememberParents(std::vector<DescendantEntry>&& generation) {
    for (const DescendantEntry& entry : parents_)
        if (entry.rin > 0 && size_t(entry.rin) < parentIndex_.size()) parentIndex_[size_t(entry.rin)] = 0;
    parents_ = std::move(generation);
    if (parentIndex_.empty()) parentIndex_.assign(size_t(std::max(ctx_.file.highestRin(), 0)) + 1, 0);
    for (size_t k = 0; k < parents_.size(); ++k) {
        const int32_t rin = parents_[k].rin;
        if (parents_[k].readable && rin > 0 && size_t(rin) < parentIndex_.size() && parentIndex_[size_t(rin)] == 0)
            parentIndex_[size_t(rin)] = uint32_t(k + 1);
    }
}

}  // namespace tw
