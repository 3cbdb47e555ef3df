#include "reports/list_page.h"

#include <algorithm>
#include <string>

#include "base/translation.h"
#include "reports/report_words.h"
#include "reports/wrap_name.h"

namespace tw {

namespace {

constexpr double kTitleY = 0.7;
constexpr double kRunTitleY = 1.05;
constexpr double kFileLineY = 1.25;
constexpr double kFrameTop = framed_list::kFrameTop;
constexpr double kHeadingPen = 0.08;
constexpr double kFramePen = framed_list::kFramePen;
constexpr int kTitleSize = 20;
constexpr int kRunTitleSize = 14;
constexpr int kBodySize = 10;
constexpr double kPathBeforeDate = 0.2;  // the least gap between the data file and the date

// A sheet narrower than letter by up to this takes the width from the names alone.
constexpr double kNamesGiveFirst = 0.25;
constexpr double kLeastMargin = 0.5;

}  // namespace

SheetShift sheetShift(const PageGeometry& page, double letterMargin) {
    const SheetDifference diff = differenceFrom(page, Paper::Letter);
    const double missing = -diff.width - kNamesGiveFirst;
    const double marginGives =
        missing > 0 ? std::clamp(missing / 2, 0.0, std::max(letterMargin - kLeastMargin, 0.0)) : 0.0;
    SheetShift shift;
    shift.left = -marginGives;
    shift.right = diff.width + marginGives;
    shift.centre = diff.width / 2;
    shift.down = diff.height;
    return shift;
}

std::vector<double> columnChanges(std::span<const ListColumn> columns, double wider) {
    std::vector<double> change(columns.size(), 0.0);
    if (wider == 0) return change;
    double names = 0;
    for (const ListColumn& c : columns) names += c.names ? 1 : 0;
    double rest = wider;  // what the other columns take
    if (names > 0) {
        rest = 0;
        for (size_t i = 0; i < columns.size(); ++i) {
            if (!columns[i].names) continue;
            change[i] = std::max(wider / names, std::min(columns[i].least - columns[i].width, 0.0));
            rest += wider / names - change[i];
        }
    }
    if (rest == 0) return change;
    double spare = 0;
    double width = 0;
    for (const ListColumn& c : columns) {
        if (c.names) continue;
        spare += std::max(c.width - c.least, 0.0);
        width += c.width;
    }
    // Growing, or shrinking beyond what the columns can spare: in proportion to width.
    const bool bySpare = rest < 0 && spare > 0;
    const double beyond = bySpare ? std::min(rest + spare, 0.0) : rest;
    const double fromSpare = bySpare ? rest - beyond : 0;
    for (size_t i = 0; i < columns.size(); ++i) {
        const ListColumn& c = columns[i];
        if (c.names) continue;
        if (bySpare) change[i] += fromSpare * std::max(c.width - c.least, 0.0) / spare;
        if (width > 0) change[i] += beyond * c.width / width;
    }
    return change;
}

int tableTypeSize(std::span<ListColumn> columns, double frameWidth, int size, int smaller) {
    double least = 0;
    for (const ListColumn& c : columns) least += c.least;
    if (least <= frameWidth) return size;
    for (ListColumn& c : columns) c.least = c.least * smaller / size;
    return smaller;
}

namespace descent_page {
Frame frameOn(const SheetShift& shift, double letterLeft, double letterRight, double letterBottom) {
    return {letterLeft + shift.left,           letterRight + shift.right,    kCentre + shift.centre,
            letterBottom + shift.down,         kBeforeFirstPage + shift.down, kPageBegun + shift.down};
}
}  // namespace descent_page

namespace framed_list {
Frame frameOn(const SheetShift& shift) {
    Frame frame;
    frame.left = kLeft + shift.left;
    frame.right = kRight + shift.right;
    frame.centre = kCentre + shift.centre;
    frame.bottom = kFrameBottom + shift.down;
    frame.pageNumberY = kPageNumberY + shift.down;
    frame.pageBreakY = kPageBreakY + shift.down;
    return frame;
}
}  // namespace framed_list

void drawListHeading(PageLog& log, const ListHeading& heading) {
    log.penWidth(kHeadingPen);
    log.fontSize(kTitleSize);
    log.fontName("Times");
    if (heading.titleLeftX) {
        log.text(*heading.titleLeftX, kTitleY, heading.title);
    } else {
        log.textCentered(heading.centre, kTitleY, heading.title);
    }
    log.fontSize(kRunTitleSize);
    log.textCentered(heading.centre, kRunTitleY, shortenInMiddle(log, heading.runTitle, heading.right - heading.left));
    drawDateAndFile(log, heading.right, heading.left, kFileLineY, heading.date, heading.fileName);
}

void drawListFrame(PageLog& log, const framed_list::Frame& frame, double bandBottom) {
    log.moveTo(frame.left, kFrameTop);
    log.penWidth(kFramePen);
    log.lineTo(frame.right, kFrameTop);
    log.lineTo(frame.right, bandBottom);
    log.lineTo(frame.left, bandBottom);
    log.moveTo(frame.left, kFrameTop);
    log.lineTo(frame.left, frame.bottom);
    log.lineTo(frame.right, frame.bottom);
    log.lineTo(frame.right, kFrameTop);
}

void drawPageNumber(PageLog& log, int& pageCounter, double x, double y) {
    log.textCentered(x, y, std::to_string(pageCounter));
    ++pageCounter;
}

void drawBox(PageLog& log, double left, double top, double right, double bottom) {
    log.moveTo(left, top);
    log.lineTo(right, top);
    log.lineTo(right, bottom);
    log.lineTo(left, bottom);
    log.lineTo(left, top);
}

void drawDateAndFile(PageLog& log, double dateRight, double fileLeft, double y, std::string_view date,
                     std::string_view fileName) {
    log.fontSize(kBodySize);
    log.textRight(dateRight, y, date);
    log.text(fileLeft, y, fittedFileName(log, fileName, dateRight - fileLeft, date));
}

std::string fittedFileName(const PageLog& log, std::string_view fileName, double width, std::string_view besideIt) {
    const double room = width - double(log.textWidth(besideIt)) / log.pixelsPerInch() - kPathBeforeDate;
    return shortenInMiddle(log, fileName, room);
}

void drawPageLabel(PageLog& log, int& pageCounter, double x, double y) {
    log.textCentered(x, y, report_words::pageLabel(pageCounter));
    ++pageCounter;
}

std::string listStopMessage(int lastGeneration, int64_t limit) {
    return fillIn(
        TW_TR("Reports", "The list stops after generation %1:\nthe next generation would take it past %2 entries."),
        {std::to_string(lastGeneration), std::to_string(limit)});
}

std::string generationLimitMessage(int lastGeneration) {
    return fillIn(TW_TR("Reports", "The list stops after generation %1:\nno list goes further than %1 generations."),
                  {std::to_string(lastGeneration)});
}

std::string_view noChildrenText() { return TW_TR("Reports", "No children are recorded."); }

std::string_view noRepeatedAncestorText() {
    return TW_TR("RepeatAncestorsList", "No ancestor appears more than once.");
}

std::string_view noRepeatedDescendantText() {
    return TW_TR("RepeatDescendantList", "No descendant appears more than once.");
}

std::string_view intermarriageNote() {
    return TW_TR("DescendantsSummaryList",
                 "Descendants of this couple intermarried resulting in repeat descendants.  Grand totals have been adjusted so each descendant is counted only once.");
}

std::string onOneLine(std::string message) {
    std::replace(message.begin(), message.end(), '\n', ' ');
    return message;
}

}  // namespace tw
