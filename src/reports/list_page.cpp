#include "reports/list_page.h"

#include <string>

#include "reports/wrap_name.h"

namespace tw {

namespace {

constexpr double kLeftMargin = framed_list::kLeft;
constexpr double kRightMargin = framed_list::kRight;
constexpr double kPageCentre = 4.25;
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

}  // namespace

void drawListHeading(PageLog& log, const ListHeading& heading) {
    log.penWidth(kHeadingPen);
    log.fontSize(kTitleSize);
    log.fontName("Times");
    if (heading.titleLeftX) {
        log.text(*heading.titleLeftX, kTitleY, heading.title);
    } else {
        log.textCentered(kPageCentre, kTitleY, heading.title);
    }
    log.fontSize(kRunTitleSize);
    log.textCentered(kPageCentre, kRunTitleY, shortenInMiddle(log, heading.runTitle, heading.right - heading.left));
    drawDateAndFile(log, heading.right, heading.left, kFileLineY, heading.date, heading.fileName);
}

void drawListFrame(PageLog& log, double bandBottom, double frameBottom) {
    log.moveTo(kLeftMargin, kFrameTop);
    log.penWidth(kFramePen);
    log.lineTo(kRightMargin, kFrameTop);
    log.lineTo(kRightMargin, bandBottom);
    log.lineTo(kLeftMargin, bandBottom);
    log.moveTo(kLeftMargin, kFrameTop);
    log.lineTo(kLeftMargin, frameBottom);
    log.lineTo(kRightMargin, frameBottom);
    log.lineTo(kRightMargin, kFrameTop);
}

void drawPageNumber(PageLog& log, int& pageCounter, double y) {
    log.textCentered(kPageCentre, y, std::to_string(pageCounter));
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

void drawPageLabel(PageLog& log, int& pageCounter, double y) {
    log.textCentered(kPageCentre, y, "Page " + std::to_string(pageCounter));
    ++pageCounter;
}

std::string listStopMessage(int lastGeneration, int64_t limit) {
    return "The list stops after generation " + std::to_string(lastGeneration) +
           ":\nthe next generation would take it past " + std::to_string(limit) + " entries.";
}

}  // namespace tw
