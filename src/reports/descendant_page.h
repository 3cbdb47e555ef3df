#pragma once
// The page of the Descendants List and the Grouped Descendants List: page state,
// page check, page header and the entry printer. The grouped list is the numbered
// variant: its entries are numbered within the group, or marked "*" when the person
// was printed before; its header has the group title and "No." where the plain list
// has "GEN" and the generation label.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "reports/descendant_entry.h"
#include "reports/descent.h"
#include "reports/list_page.h"
#include "reports/wrap_name.h"
#include "run/app_context.h"

namespace tw {

class DescendantPage {
public:
    // Frame tops: the grouped list's is lower, to make room for the group title.
    static constexpr float kPlainTop = 1.5F;
    static constexpr float kGroupedTop = 1.9F;
    static constexpr double kLineHeight = 2.0 / 11.0;

    DescendantPage(AppContext& ctx, bool grouped, CoupleNames couple);

    // Begins a generation: its label ("2" for the start couples' children) heads
    // every page it is printed on, and the plain list prints it beside the
    // generation's first entry; "cont'd" goes under it on a page only when entries of
    // the generation stand on the page before. The grouped list's group title also
    // appears in page headers.
    void startGeneration(std::string label) {
        label_ = std::move(label);
        continuing_ = false;
    }
    const std::string& label() const { return label_; }
    void setGroupTitle(std::string title) { groupTitle_ = std::move(title); }

    // The y to start with: beyond every page, so that the first check begins one.
    double beforeFirstPage() const { return layout_.beforeFirstPage; }
    // Where the generation label, the number or "*" is centred.
    double labelX() const { return layout_.labelX; }
    // A y that sends the next check to a new page.
    double pastThePage() const { return layout_.pastThePage; }

    // A new page when y is past the last line (9.618... on letter); returns the y to
    // print at.
    double check(double y);

    // Prints an entry at y and returns the y below it; the entries come with their
    // names (entriesOf with names). An entry is kept whole: when all of its lines
    // (and linesBelow more, for what must stay with it) do not fit below y, it starts
    // a new page. The grouped list passes its printed marks: the entry then gets the
    // running number (which grows) or, when printed before, "*" and its repeat flag.
    double printEntry(double y, DescendantEntry& entry, int& number, RinMarks* printed, int linesBelow = 0);

    // The note that the list stops here and why, in the name column from y, kept
    // whole on one page.
    void printStopNote(double y, std::string_view note);

    // Keeps a printed generation: its people are the descendant parents of the
    // next one, whose entries findParents then points at their names. (Done in list
    // order, before the sort, a family's children find their parent one after the
    // other.)
    void rememberParents(std::vector<DescendantEntry>&& generation);
    void findParents(std::vector<DescendantEntry>& generation) const;

    // The line (two on a narrow sheet) that stands for the list's body when the start
    // couples have no children.
    void printNoChildren(double y);
    // Set when the grouped list marked an entry "*"; the list clears it per group.
    bool groupRepeat = false;

    double firstLineY() const { return double(top_) + 0.4 + kLineHeight; }

    // The page's columns: the names and the descendant parents share out the
    // difference in width between the sheet and letter.
    struct Layout : descent_page::Frame {
        double pastThePage;
        std::array<double, 4> rules;
        double genHeadingX, labelX, nameX, dateX, dateRight, childLineX, parentX;
        double nameWidth, parentWidth;
        bool parentHeadingSplit;  // "DESCENDANT" over "PARENT" where the column is too narrow for both on one line
    };

private:
    void drawHeader();
    // y, or the first line of a new page when lines lines from y would pass the last
    // line of this page (unless they would not fit on a whole page either).
    double keepTogether(double y, size_t lines);

    AppContext& ctx_;
    PageLog& log_;
    ListNames names_;
    const bool grouped_;
    const CoupleNames couple_;  // named in the title
    const std::string date_;
    const float top_;
    Layout layout_;
    std::string label_;
    bool continuing_ = false;  // an entry of the generation was printed
    std::string groupTitle_;
    int pageCounter_ = 1;
    NameColumns columns_;
    NameLines dateLines_;                   // the entry being printed: its date cut to the column,
    NameColumnLines nameLines_;             // and its name and parent cut to theirs
    std::vector<DescendantEntry> parents_;  // the generation printed last
    std::vector<uint32_t> parentIndex_;     // per RIN: 1 + index in parents_, or 0
};

}  // namespace tw
