#include "reports/descendant_page.h"

#include <algorithm>
#include <utility>

#include "base/translation.h"
#include "output/font_metrics.h"
#include "paf/dates.h"
#include "reports/list_page.h"
#include "reports/report_words.h"
#include "reports/wrap_name.h"

namespace tw {

namespace {

// The geometry the descendant lists share (list_page.h).
using namespace descent_page;

// Layout on letter, in inches from the sheet's top-left corner; y is the top of a
// text. Positions given from the frame's top follow it down in the grouped list.
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
constexpr double kLabelX = 1.25;  // generation label, number or "*"
constexpr double kPastThePage = 10.5;
constexpr int kHeadingSize = 12;

// The letter layout moved onto the page: the rules and columns between the names
// and the descendant parents move by half the difference in width, so that the
// two name columns share it.
DescendantPage::Layout layoutOn(const PageGeometry& page, int32_t pixelsPerInch) {
    const SheetShift shift = sheetShift(page, kLeft);
    const double between = shift.left + shift.wider() / 2;
    DescendantPage::Layout at;
    static_cast<descent_page::Frame&>(at) = descent_page::frameOn(shift, double(kLeft), kRight, double(kBottom));
    at.pastThePage = kPastThePage + shift.down;
    at.rules = {kRules[0] + shift.left, kRules[1] + between, kRules[2] + between, kRules[3] + between};
    at.genHeadingX = kGenHeadingX + shift.left;
    at.labelX = kLabelX + shift.left;
    at.nameX = kNameX + shift.left;
    at.dateX = kDateX + between;
    at.dateRight = kDateRight + between;
    at.childLineX = kChildLineX + between;
    at.parentX = kParentX + between;
    at.nameWidth = kNameWidth + shift.wider() / 2;
    at.parentWidth = kParentWidth + shift.wider() / 2;
    const std::string_view heading = report_words::descendantParent();
    const double headingWidth =
        double(textWidthPixels(heading, "Times", kHeadingSize, pixelsPerInch)) / std::max(pixelsPerInch, 1);
    at.parentHeadingSplit = headingWidth > at.right - at.parentX - kGap &&
                            heading.find(' ') != std::string_view::npos;
    return at;
}

}  // namespace

DescendantPage::DescendantPage(AppContext& ctx, bool grouped, CoupleNames couple)
    : ctx_(ctx),
      log_(ctx.pageLog),
      names_(ctx),
      grouped_(grouped),
      couple_(std::move(couple)),
      date_(todayText(ctx).str()),
      top_(grouped ? kGroupedTop : kPlainTop),
      layout_(layoutOn(log_.page(), log_.pixelsPerInch())) {
    columns_.nameX = layout_.nameX;
    columns_.parentX = layout_.parentX;
    columns_.lineHeight = kLineHeight;
}

double DescendantPage::check(double y) {
    if (layout_.bottom - kLineHeight >= y) return y;
    if (y < layout_.pageBegun) log_.newPage();
    drawHeader();
    return firstLineY();
}

void DescendantPage::drawHeader() {
    const Layout& at = layout_;
    const double top = top_;
    const double bottom = at.bottom;
    log_.fontName("Times");
    log_.fontSize(kHeadingSize);
    log_.textCentered(at.centre, kTitleY, report_words::descendantsOf());
    log_.fontSize(14);
    const std::string couple =
        fitCouple(log_, couple_.husband, couple_.wife, report_words::coupleSeparator(), at.right - at.left);
    log_.textCentered(at.centre, kCoupleY, couple);
    log_.penWidth(kFramePen);
    drawBox(log_, at.left, top, at.right, bottom);
    log_.penWidth(kRulePen);
    log_.moveTo(at.left, top + kBandDepth);
    log_.lineTo(at.right, top + kBandDepth);
    for (const double x : at.rules) {
        log_.moveTo(x, top);
        log_.lineTo(x, bottom);
    }
    const int32_t ppi = log_.pixelsPerInch();
    columns_.nameLimit = std::max(int32_t(double(ppi) * at.nameWidth), 0);
    columns_.parentLimit = std::max(int32_t(double(ppi) * at.parentWidth), 0);
    drawDateAndFile(log_, at.right, at.left, top - kDateAbove, date_, ctx_.dataFilePath);

    log_.fontSize(kHeadingSize);
    log_.text(at.nameX, top + kLowerHeading, report_words::nameCapitals());
    log_.textCentered(at.dateX, top + kUpperHeading, TW_TR("DescendantsList", "BIRTH"));
    log_.textCentered(at.dateX, top + kLowerHeading, TW_TR("DescendantsList", "DATE"));
    log_.textCentered(at.childLineX, top + kUpperHeading, TW_TR("DescendantsList", "CHILD"));
    log_.textCentered(at.childLineX, top + kLowerHeading, TW_TR("DescendantsList", "LINE"));
    // The children's parents are the start couple, named in the title.
    if (!grouped_ || label_ != "2") {
        const std::string_view heading = report_words::descendantParent();
        if (at.parentHeadingSplit) {
            const size_t space = heading.find(' ');
            log_.text(at.parentX, top + kUpperHeading, heading.substr(0, space));
            log_.text(at.parentX, top + kLowerHeading, heading.substr(space + 1));
        } else {
            log_.text(at.parentX, top + kLowerHeading, heading);
        }
    }
    if (grouped_) {
        log_.fontSize(18);
        log_.textCentered(at.centre, kGroupTitleY, groupTitle_);
        log_.fontSize(kHeadingSize);
        log_.text(at.genHeadingX, top + kLowerHeading, TW_TR("GroupedDescendantsList", "No."));
    } else {
        log_.text(at.genHeadingX, top + kLowerHeading, report_words::gen());
        log_.textCentered(at.labelX, firstLineY(), label_);
        if (continuing_) log_.textCentered(at.labelX, firstLineY() + kLineHeight, report_words::continued());
    }
    drawPageLabel(log_, pageCounter_, at.centre, bottom + kPageLabelBelow);
}

double DescendantPage::keepTogether(double y, size_t lines) {
    const auto lastLine = [&](double first) {
        for (size_t k = 1; k < lines; ++k) first += kLineHeight;
        return first;
    };
    const double lastOnThePage = layout_.bottom - kLineHeight;
    if (lastOnThePage >= lastLine(y) || y == firstLineY() || lastOnThePage < lastLine(firstLineY())) return y;
    return check(pastThePage());
}

double DescendantPage::printEntry(double y, DescendantEntry& entry, int& number, RinMarks* printed, int linesBelow) {
    y = check(y);  // a page header sets the columns' widths
    // A date too wide for its column goes on over the next lines, as names do.
    wrapName(log_, entry.date.text, kDateWidth, dateLines_);
    const NameLines& dateLines = dateLines_;
    const std::string unreadable = entry.readable ? std::string() : names_.of(entry.rin, false);
    std::string parentRead;
    if (entry.parentRin != 0 && entry.parentName == nullptr) {
        // A descendant parent was read when the walk took his or her marriages.
        parentRead = names_.of(entry.parentRin, true);
    }
    const std::string_view parent = entry.parentName != nullptr ? std::string_view(*entry.parentName) : parentRead;
    layOutNameColumns(log_, entry.readable ? entry.name : unreadable, parent, columns_, nameLines_);
    y = keepTogether(y, std::max(dateLines.size(), nameLines_.size()) + size_t(std::max(linesBelow, 0)));

    // A page's header labels its first line already.
    if (!grouped_ && !continuing_ && y != firstLineY()) log_.textCentered(layout_.labelX, y, label_);
    continuing_ = true;
    if (printed != nullptr) {
        if (printed->isSet(entry.rin)) {
            log_.textCentered(layout_.labelX, y, "*");
            entry.repeat = true;
            groupRepeat = true;
        } else {
            log_.textCentered(layout_.labelX, y, std::to_string(number));
            ++number;
            entry.repeat = false;
            printed->testAndSet(entry.rin);
        }
    }
    for (size_t k = 0; k < dateLines.size(); ++k)
        log_.textRight(layout_.dateRight, y + double(k) * kLineHeight, dateLines[k]);
    log_.textCentered(layout_.childLineX, y, std::to_string(entry.childLine));
    const double below = printNameColumns(log_, y, nameLines_, columns_, [this](double at) { return check(at); });
    const double dateDepth = double(dateLines.size() - 1) * kLineHeight;
    return std::max(below, y + dateDepth + kLineHeight);
}

void DescendantPage::printStopNote(double y, std::string_view note) {
    y = check(y);
    const NameLines lines = wrapName(log_, note, layout_.nameWidth);
    y = keepTogether(y, lines.size());
    for (const std::string& line : lines) {
        y = check(y);
        log_.text(layout_.nameX, y, line);
        y += kLineHeight;
    }
    log_.commit();
}

void DescendantPage::printNoChildren(double y) {
    // In the name column: over two lines where it is narrow (A5).
    for (const std::string& line : wrapName(log_, noChildrenText(), layout_.nameWidth)) {
        log_.text(layout_.nameX, y, line);
        y += kLineHeight;
    }
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
