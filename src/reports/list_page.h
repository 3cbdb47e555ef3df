#pragma once
// Page furniture that the lists share: the heading block at the top of a page
// (report title, run title, today's date, the data file), the frame with its band
// of column headings, and the page number under the frame. Column headings and the
// body are each list's own.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "output/page_log.h"

namespace tw {

// Where a list is on its page: the top of the next line, and the number the page
// gets (the counter rises as each page is finished).
struct PageCursor {
    double y = 0;
    int number = 1;
};

// How a list laid out for letter paper lies on the page it is given. Each position
// keeps its letter value and moves by one of these shifts: what stands on the frame's
// left edge or in the columns left of the names by left, what stands on its right
// edge or in the columns right of the names by right, what is centred on the sheet by
// centre, and what stands on the sheet's foot (the frame's bottom, the page-break
// line, the page number) by down. The name columns take the difference, wider().
// On letter every shift is exactly 0, so the pages are exactly as drawn for it.
//
// A wider sheet keeps the margins and widens the frame. A sheet narrower than letter
// takes its first quarter inch (all of A4's 0.23 in) from the names; of the rest, each
// side margin gives up half, but keeps at least half an inch, and the names give what
// the margins cannot (A5: margins of 1.25 in become 0.5 in, the names lose 1.17 in).
struct SheetShift {
    double left = 0;
    double right = 0;
    double centre = 0;
    double down = 0;

    double wider() const { return right - left; }
};

// The shifts for a list whose side margins are letterMargin inches on letter.
SheetShift sheetShift(const PageGeometry& page, double letterMargin);

// A column of a list's table: its width on letter, the least width its texts need
// (its widest heading or figure and a gap), and whether it holds names.
struct ListColumn {
    double width;
    double least;
    bool names = false;
};

// How much wider (negative: narrower) each column of a row is on a frame that is
// wider than on letter by wider (SheetShift::wider). The name columns share the
// difference equally, but keep their least widths; what they cannot give, the other
// columns give in proportion to what each can spare above its least width (and,
// should that not be enough, in proportion to their widths). A table without name
// columns grows in proportion to its columns' widths. Exactly 0 for every column
// when wider is 0.
std::vector<double> columnChanges(std::span<const ListColumn> columns, double wider);

// The type size of a table set in size points on letter, whose columns' least widths
// are given at that size: size where a frame of frameWidth inches holds them all,
// else smaller, with the least widths scaled down to it (A5).
int tableTypeSize(std::span<ListColumn> columns, double frameWidth, int size, int smaller);

// The lists framed between x 1.25 and 7.25 on letter (the ancestor lists, the research
// status list): the frame and the spacing of their lines.
namespace framed_list {
inline constexpr double kLeft = 1.25;
inline constexpr double kRight = 7.25;
inline constexpr double kCentre = 4.25;
inline constexpr double kFrameTop = 1.5;
inline constexpr double kFrameBottom = 10.0;
inline constexpr double kPageNumberY = 10.2;
inline constexpr double kFramePen = 1.0 / 36;
inline constexpr double kLineHeight = 0.2;
inline constexpr double kPageBreakY = 9.8;  // a line whose y is beyond this starts a new page
inline constexpr double kRounding = 1e-9;   // y is a sum of 0.2 steps; keep 9.8 itself on the page

// The frame's edges, the sheet's centre and the page-break line on a page.
struct Frame {
    double left = kLeft;
    double right = kRight;
    double centre = kCentre;
    double bottom = kFrameBottom;
    double pageNumberY = kPageNumberY;
    double pageBreakY = kPageBreakY;
};
Frame frameOn(const SheetShift& shift);
}  // namespace framed_list

// The framed pages of the descendant lists: eleven lines to two inches, the pens of
// frame and rules, and the heading band with the date above it.
namespace descent_page {
inline constexpr double kLineHeight = 2.0 / 11.0;
// A y past every page of letter: a list starts with it (moved down with the sheet's
// foot), so that its first page check begins the first page. A y beyond kPageBegun
// means that no page was begun yet.
inline constexpr double kBeforeFirstPage = 22.0 + kLineHeight;
inline constexpr double kPageBegun = 21;
inline constexpr double kCentre = 4.25;  // on letter
inline constexpr double kFramePen = 0.025;
inline constexpr double kRulePen = 0.01;
inline constexpr double kBandDepth = 0.5;
inline constexpr double kDateAbove = 0.21;
inline constexpr double kUpperHeading = 0.07;
inline constexpr double kLowerHeading = 0.25;
inline constexpr double kPageLabelBelow = 0.25;

// A descent page's frame on the sheet: its edges (letterLeft and letterRight on
// letter), the sheet's centre, the frame's foot (letterBottom on letter), and the
// marks of a list that has begun no page yet, all moved with the sheet.
struct Frame {
    double left, right, centre, bottom, beforeFirstPage, pageBegun;
};
Frame frameOn(const SheetShift& shift, double letterLeft, double letterRight, double letterBottom);
}  // namespace descent_page

struct ListHeading {
    std::string_view title;     // 20 pt, centred at the top
    std::string_view runTitle;  // 14 pt, under the title: the start individual's name
    std::string_view date;      // 10 pt, right-aligned above the frame
    std::string_view fileName;  // 10 pt, left-aligned above the frame
    double left;                // where the file name starts
    double right;               // where the date ends
    double centre;              // of the sheet: the titles are centred on it
    // The title left-aligned at this x instead of centred on the page.
    std::optional<double> titleLeftX = std::nullopt;
};

// Draws the heading block; leaves the font at "Times" 10, the body font of the lists.
void drawListHeading(PageLog& log, const ListHeading& heading);

// The frame from the heading band's top (y 1.5) down to the frame's bottom, with the
// band closed by a rule at bandBottom.
void drawListFrame(PageLog& log, const framed_list::Frame& frame, double bandBottom);

// The page counter as a bare number centred at x; the counter then rises by one.
void drawPageNumber(PageLog& log, int& pageCounter, double x, double y);

// Pieces of the framed pages of the descendant lists, which each place differently:
// the frame as one closed line from the top-left corner clockwise, today's date
// (right-aligned) and the data file (left-aligned) in 10 pt, and "Page %d" centred
// at x, the sheet's centre (the counter then rises by one).
void drawBox(PageLog& log, double left, double top, double right, double bottom);
void drawDateAndFile(PageLog& log, double dateRight, double fileLeft, double y, std::string_view date,
                     std::string_view fileName);
// The data file's path in the measuring font, shortened in the middle to share width
// inches with the text beside it (today's date) and a gap between them.
std::string fittedFileName(const PageLog& log, std::string_view fileName, double width, std::string_view besideIt);
void drawPageLabel(PageLog& log, int& pageCounter, double x, double y);

// The message of a list that stops before a generation would take it past the
// entry limit (a family that loops back on itself grows with every generation).
std::string listStopMessage(int lastGeneration, int64_t limit);
// The message of a list that reaches the most generations a list goes down (or up).
std::string generationLimitMessage(int lastGeneration);
// A message as the one line of a note on the page (its line breaks as blanks).
std::string onOneLine(std::string message);

// How every note begins that says on the page where a list stops and why.
inline constexpr std::string_view kListStopsWords = "The list stops";

// What a list prints in place of its body when it has nothing to list.
std::string_view noChildrenText();
std::string_view noRepeatedAncestorText();
std::string_view noRepeatedDescendantText();
// The Descendants Summary List's note under the grand totals of a family that intermarried.
std::string_view intermarriageNote();

}  // namespace tw
