#pragma once
// Checks a page log as a reader of the printed sheet would: every text measured
// with the layout's own font metrics and placed as the renderer places it (y is the
// top of the character cell; TOC centred on x, TOR ending at x). A finding is a
// text over another text, a text crossing a rule or the edge of a box, or anything
// within the printer's margin of the sheet's edge; it names the page, the text and
// by how much it runs over, in inches.
//
// Rotated text (TOA, TOD: the names on the branches of the Family Tree Chart) is
// checked against the sheet's margin only: its cell is a slanted rectangle, and the
// chart places it along a branch, where an upright bounding box would overlap
// everything around it.

#include <string>
#include <string_view>
#include <vector>

#include "output/page_log.h"

namespace tw::test {

struct PageFinding {
    int page = 1;          // 1-based
    std::string text;      // the text that runs over (for the margin: the command's text or its code)
    std::string problem;   // what it runs over
    double overflow = 0;   // inches; 0 for a fault of reading, which has no size
};

std::string describe(const PageFinding& finding);

struct SheetSize {
    double width = 8.5;
    double height = 11;
};

inline constexpr double kSheetMargin = 0.25;  // inches no printer can print in

// The findings of one page, measured at dpi pixels per inch.
std::vector<PageFinding> checkPage(std::string_view page, int pageNumber, SheetSize sheet, int dpi);

// The findings of every stored page of a log, at the sheet and resolution it was
// laid out for.
std::vector<PageFinding> checkPageLog(const PageLog& log);

}  // namespace tw::test
