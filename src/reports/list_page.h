#pragma once
// Page furniture that the lists share: the heading block at the top of a page
// (report title, run title, today's date, the data file), the frame with its band
// of column headings, and the page number under the frame. Column headings and the
// body are each list's own.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "output/page_log.h"

namespace tw {

struct ListHeading {
    std::string_view title;     // 20 pt, centred at the top
    std::string_view runTitle;  // 14 pt, under the title: the start individual's name
    std::string_view date;      // 10 pt, right-aligned above the frame
    std::string_view fileName;  // 10 pt, left-aligned above the frame
    double left = 1.25;         // where the file name starts
    double right = 7.25;        // where the date ends
    // The title left-aligned at this x instead of centred on the page.
    std::optional<double> titleLeftX = std::nullopt;
};

// Draws the heading block; leaves the font at "Times" 10, the body font of the lists.
void drawListHeading(PageLog& log, const ListHeading& heading);

// The frame from the heading band's top (y 1.5) down to frameBottom, between the
// margins at x 1.25 and 7.25, with the band closed by a rule at bandBottom.
void drawListFrame(PageLog& log, double bandBottom, double frameBottom = 10.0);

// The page counter as a bare number centred under the frame; the counter then
// rises by one.
void drawPageNumber(PageLog& log, int& pageCounter, double y = 10.2);

// Pieces of the framed pages of the descendant lists, which each place differently:
// the frame as one closed line from the top-left corner clockwise, today's date
// (right-aligned) and the data file (left-aligned) in 10 pt, and "Page %d" centred
// on the sheet (the counter then rises by one).
void drawBox(PageLog& log, double left, double top, double right, double bottom);
void drawDateAndFile(PageLog& log, double dateRight, double fileLeft, double y, std::string_view date,
                     std::string_view fileName);
void drawPageLabel(PageLog& log, int& pageCounter, double y);

// The message of a list that stops before a generation would take it past the
// entry limit (a family that loops back on itself grows with every generation).
std::string listStopMessage(int lastGeneration, int64_t limit);

}  // namespace tw
