#include "reports/descendants_summary_list.h"

#include <array>
#include <limits>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "base/translation.h"
#include "paf/dates.h"
#include "paf/loop_guard.h"
#include "paf/navigation.h"
#include "paf/records.h"
#include "reports/descent.h"
#include "reports/list_page.h"
#include "reports/wrap_name.h"

namespace tw {

namespace {

// The geometry the descendant lists share (list_page.h).
using namespace descent_page;

// Layout on letter, in inches from the sheet's top-left corner; y is the top of a
// text.
constexpr float kLeft = 0.75F;
constexpr float kTop = 1.8F;
constexpr float kBottom = 9.5F;
constexpr float kRight = 8.5F - kLeft;
constexpr double kFirstLineY = double(kTop) + 0.35 + kLineHeight;
constexpr double kTitleY = 1.0;
constexpr double kRunTitleY = 1.3;

constexpr int kColumns = 10;  // children, grandchildren, great-grandchildren, 2G. ... 8G.

// Column boundaries x1 ... x10 (index 1 to 10; index 0 is the left edge).
constexpr std::array<float, kColumns + 1> columnEdges() {
    std::array<float, kColumns + 1> x{};
    x[0] = kLeft;
    x[1] = x[0] + 2.65F;
    x[2] = x[1] + 0.35F;
    x[3] = x[2] + 0.35F;
    for (int i = 4; i <= kColumns; ++i) x[size_t(i)] = x[size_t(i - 1)] + 0.45F;
    return x;
}
constexpr std::array<float, kColumns + 1> kX = columnEdges();

constexpr double kLabelRight = double(kLeft) + 0.25;       // "1.", "2.", ...
constexpr double kContinuedX = double(kLeft) + 0.35;       // "(cont'd)"
constexpr double kChildNameX = double(kLeft) + 0.3;
constexpr double kChildNameWidth = double(kX[1]) - kChildNameX - 0.1;
constexpr double kSpouseMarkRight = double(kLeft) + 0.38;  // "-"
constexpr double kSpouseNameX = double(kLeft) + 0.4;
constexpr double kSpouseNameWidth = double(kX[1]) - kLeft - 0.55;
constexpr double kSubTotalsRight = double(kX[1]) - 0.25;
constexpr double kGrandTotalsRight = double(kX[1]) - 0.45;
constexpr double kNoteX = double(kLeft) + 0.1;
constexpr double kHeadingX = double(kLeft) + 0.15;

// The columns: the names take the difference in width (down to the room their
// heading needs), then the counts give way, each keeping room for four digits. A
// frame too narrow for that (A5) sets the table's type two points smaller.
constexpr int kTypeSize = 12;
constexpr int kSmallerTypeSize = 10;
constexpr double kLeastNames = 1.6;
constexpr double kLeastCounts = 0.36;

std::array<ListColumn, kColumns + 1> letterColumns() {
    std::array<ListColumn, kColumns + 1> columns{};
    columns[0] = {double(kX[1]) - double(kX[0]), kLeastNames, true};
    for (size_t i = 1; i <= kColumns; ++i) {
        const double end = i < kColumns ? double(kX[i + 1]) : double(kRight);
        columns[i] = {end - double(kX[i]), kLeastCounts};
    }
    return columns;
}

// The layout on the page the list is given.
struct Layout : descent_page::Frame {
    std::array<double, kColumns + 1> x;  // the column boundaries
    std::array<double, kColumns> middle;  // where each column's counts are centred
    int typeSize;  // of the headings and the body
    double labelRight, continuedX, childNameX, childNameWidth, spouseMarkRight, spouseNameX, spouseNameWidth;
    double subTotalsRight, grandTotalsRight, noteX, headingX;
};

Layout layoutOn(const PageGeometry& page) {
    const SheetShift shift = sheetShift(page, kLeft);
    Layout at;
    static_cast<descent_page::Frame&>(at) =
        descent_page::frameOn(shift, double(kLeft), double(kRight), double(kBottom));
    std::array<ListColumn, kColumns + 1> columns = letterColumns();
    at.typeSize = tableTypeSize(columns, at.right - at.left, kTypeSize, kSmallerTypeSize);
    const std::vector<double> change = columnChanges(columns, shift.wider());
    // x1 moves by the left edge's shift and the names' change, each boundary after
    // it by the change of the column before it as well.
    at.x[0] = at.left;
    double moved = shift.left;
    for (size_t i = 1; i <= kColumns; ++i) {
        moved += change[i - 1];
        at.x[i] = double(kX[i]) + moved;
    }
    for (size_t i = 0; i < kColumns; ++i) at.middle[i] = (at.x[i + 1] + (i + 2 <= kColumns ? at.x[i + 2] : at.right)) / 2;
    at.labelRight = kLabelRight + shift.left;
    at.continuedX = kContinuedX + shift.left;
    at.childNameX = kChildNameX + shift.left;
    at.childNameWidth = kChildNameWidth + change[0];
    at.spouseMarkRight = kSpouseMarkRight + shift.left;
    at.spouseNameX = kSpouseNameX + shift.left;
    at.spouseNameWidth = kSpouseNameWidth + change[0];
    at.subTotalsRight = kSubTotalsRight + shift.left + change[0];
    at.grandTotalsRight = kGrandTotalsRight + shift.left + change[0];
    at.noteX = kNoteX + shift.left;
    at.headingX = kHeadingX + shift.left;
    return at;
}


// Descendants per generation. A family that loops back on itself multiplies its
// descendants with every generation, so the counts are 64-bit and stop growing at
// a bound no real family reaches.
using Counts = std::array<int64_t, kColumns>;
constexpr int64_t kCountBound = std::numeric_limits<int64_t>::max() / 4;

int64_t boundedSum(int64_t a, int64_t b) { return a + b > kCountBound ? kCountBound : a + b; }

// One person or marriage of a generation, and along how many lines it is reached.
struct Reached {
    int32_t number;  // RIN or MRIN
    int64_t lines;
};

// Adds (number, lines) to a generation, once per number.
void addReached(std::vector<Reached>& list, std::unordered_map<int32_t, size_t>& index, int32_t number,
                int64_t lines) {
    const auto [at, added] = index.try_emplace(number, list.size());
    if (added) {
        list.push_back({number, lines});
    } else {
        list[at->second].lines = boundedSum(list[at->second].lines, lines);
    }
}

class SummaryList {
public:
    SummaryList(AppContext& ctx, const ReportInput& input)
        : ctx_(ctx), log_(ctx.pageLog), input_(input), names_(ctx), date_(todayText(ctx).str()) {}

    void run();

private:
    int showSpouses(int32_t child, Counts& counts, char sex, int32_t firstMrin);
    void countMarriage(int32_t mrin, Counts& counts);
    void printCounts(const Counts& counts, double y);
    void printBlock(const NameLines& lines, double x);
    double check(double y);
    double keepTogether(double y, size_t lines);
    void drawHeader();

    AppContext& ctx_;
    PageLog& log_;
    const ReportInput& input_;
    ListNames names_;
    const std::string date_;
    CoupleNames couple_;  // named in the title
    Layout at_{};
    PageCursor page_;
    std::string childLabel_;
    RinMarks counted_;
    Counts repeats_{};
    bool intermarried_ = false;
};

void SummaryList::run() {
    log_.begin("Summary Descendants List", runPage(ctx_));
    at_ = layoutOn(log_.page());
    page_.y = at_.beforeFirstPage;
    counted_.reset(ctx_.file.highestRin());
    couple_ = startCoupleNames(ctx_, input_.mrins);
    const IntList couples = startCouples(input_.mrins);
    page_.y = check(page_.y);
    const IntList children = getChildRins(ctx_, couples);

    Counts grandTotals{};
    for (int32_t i = 0; i + 2 < children.size() && !ctx_.host.cancelRequested(); i += 3) {
        const int32_t child = children.fetch(i);
        childLabel_.clear();
        page_.y = check(page_.y);
        Counts childCounts{};
        IndividualRecord person;
        const bool readable = readIndividual(ctx_.file, child, person);
        const NameLines name = wrapName(log_, names_.of(child, readable), at_.childNameWidth);
        log_.commit();
        childLabel_ = std::to_string(i / 3 + 1) + ".";
        log_.textRight(at_.labelRight, page_.y, childLabel_);
        printBlock(name, at_.childNameX);

        const int marriages = showSpouses(child, childCounts, person.sex, person.firstMrin);
        if (marriages >= 2) {
            page_.y = check(page_.y);
            log_.textRight(at_.subTotalsRight, page_.y, TW_TR("DescendantsSummaryList", "sub-totals:"));
            printCounts(childCounts, page_.y);
            page_.y += kLineHeight;
        }
        for (int c = 0; c < kColumns; ++c)
            grandTotals[size_t(c)] = boundedSum(grandTotals[size_t(c)], childCounts[size_t(c)]);
        page_.y += kLineHeight;  // a blank line after each child
    }

    childLabel_.clear();
    page_.y = check(page_.y);
    log_.textRight(at_.grandTotalsRight, page_.y, TW_TR("DescendantsSummaryList", "Grand totals:"));
    for (int c = 0; c < kColumns; ++c) grandTotals[size_t(c)] -= repeats_[size_t(c)];
    printCounts(grandTotals, page_.y);

    if (intermarried_) {
        log_.commit();
        page_.y += 2 * kLineHeight;
        printBlock(wrapName(log_, intermarriageNote(), at_.childNameWidth), at_.noteX);
    }
    log_.commit();
    ctx_.host.showProgress(-1);
    log_.newPage();
    log_.end();
}

// Prints the lines of a block that is kept on one page: when it would reach past the
// last line, what was printed since the last commit is taken back and the block
// starts again on a new page, after the child label. A block longer than a whole
// page (a pathological name) cannot be kept together and runs on over the page foot.
void SummaryList::printBlock(const NameLines& lines, double x) {
    const double lastLine = at_.bottom - kLineHeight;
    const bool fitsOnAPage = kFirstLineY + double(lines.size()) * kLineHeight <= lastLine;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!fitsOnAPage) page_.y = check(page_.y);
        log_.text(x, page_.y, lines[i]);
        page_.y += kLineHeight;
        if (fitsOnAPage && page_.y > lastLine) {
            log_.rollback();
            log_.newPage();
            page_.y = kFirstLineY;
            drawHeader();
            if (!childLabel_.empty()) log_.textRight(at_.labelRight, page_.y, childLabel_);
            i = size_t(-1);  // the block again from its first line
        }
    }
}

// One block per marriage of the child: the marriage's counts, "-" and the spouse's
// name. Returns the number of marriages; counts gets their sum.
int SummaryList::showSpouses(int32_t child, Counts& counts, char sex, int32_t firstMrin) {
    counts = {};
    int shown = 0;
    LoopGuard guard;
    for (int32_t mrin = firstMrin; mrin != 0;) {
        if (guard.repeats(mrin)) {
            reportCorruptData(ctx_, {"individual", child, "marriage chain at marriage", mrin, 0, "loops"});
            break;
        }
        MarriageRecord marriage;
        if (!readMarriage(ctx_.file, mrin, marriage)) {
            ctx_.host.message(std::string(TW_TR("Messages", "The MRIN is invalid")) + "\nin DSL_show_spouses(): error b",
                              "Error");
            abortRun(ctx_, "DSL_show_spouses b", mrin, -1,
                     {"individual", child, "marriage", mrin, ctx_.file.highestMrin()});
        }
        if (sex == 'M' && marriage.husband != child) {
            ctx_.host.message("in DSL_show_spouses(): error c", "Error");
            abortRun(ctx_, "DSL_show_spouses c", child, -1,
                     {"individual", child, "marriage", mrin, 0, "does not name him as husband"});
        }
        if (sex == 'F' && marriage.wife != child) {
            ctx_.host.message("in DSL_show_spouses(): error d", "Error");
            abortRun(ctx_, "DSL_show_spouses d", child, -1,
                     {"individual", child, "marriage", mrin, 0, "does not name her as wife"});
        }
        const int32_t spouse = sex == 'M' ? marriage.wife : marriage.husband;
        Counts local{};
        countMarriage(mrin, local);
        // The counts, the "-" and every line of the spouse's name stay on one page.
        const NameLines spouseName = wrapName(log_, names_.of(spouse), at_.spouseNameWidth);
        page_.y = keepTogether(page_.y, spouseName.size());
        printCounts(local, page_.y);
        log_.textRight(at_.spouseMarkRight, page_.y, "-");
        for (const std::string& line : spouseName) {
            page_.y = check(page_.y);
            log_.text(at_.spouseNameX, page_.y, line);
            page_.y += kLineHeight;
        }
        for (int c = 0; c < kColumns; ++c) counts[size_t(c)] = boundedSum(counts[size_t(c)], local[size_t(c)]);
        ++shown;
        mrin = marriage.nextFor(sex);
    }
    return shown;
}

// Counts the descendants of one marriage, ten generations down. A person reached
// along several lines counts once per line here; the counted marks find everyone
// reached before (in this or an earlier count) for the grand totals' correction.
// Each generation is held once per person with the number of lines that reach him
// or her, so that a family that loops back on itself cannot grow without bound.
void SummaryList::countMarriage(int32_t mrin, Counts& counts) {
    std::vector<Reached> families{{mrin, 1}};
    for (int i = 0; i < kColumns && !families.empty(); ++i) {
        IntList familyList;
        for (size_t k = 0; k < families.size(); ++k) familyList.pushTriple(families[k].number, int32_t(k), 0);
        const IntList children = getChildRins(ctx_, familyList);

        std::vector<Reached> persons;
        std::unordered_map<int32_t, size_t> index;
        for (int32_t c = 0; c + 2 < children.size(); c += 3) {
            const int64_t lines = families[size_t(children.fetch(c + 1))].lines;
            counts[size_t(i)] = boundedSum(counts[size_t(i)], lines);
            addReached(persons, index, children.fetch(c), lines);
        }
        for (const Reached& p : persons) {
            const int64_t repeated = counted_.testAndSet(p.number) ? p.lines : p.lines - 1;
            if (repeated > 0) {
                repeats_[size_t(i)] = boundedSum(repeats_[size_t(i)], repeated);
                intermarried_ = true;
            }
        }

        IntList personList;
        for (size_t k = 0; k < persons.size(); ++k) personList.pushTriple(persons[k].number, int32_t(k), 0);
        const IntList marriages = getMrins(ctx_, personList);
        families.clear();
        index.clear();
        for (int32_t m = 0; m + 2 < marriages.size(); m += 3)
            addReached(families, index, marriages.fetch(m), persons[size_t(marriages.fetch(m + 1))].lines);
    }
}

// The leading counts that are not 0, each centred in its column.
void SummaryList::printCounts(const Counts& counts, double y) {
    for (int i = 0; i < kColumns && counts[size_t(i)] != 0; ++i)
        log_.textCentered(at_.middle[size_t(i)], y, std::to_string(counts[size_t(i)]));
}

// y (after a page check), or the first line of a new page when lines lines from y
// would pass the last line of this page (unless they would not fit on a whole page
// either).
double SummaryList::keepTogether(double y, size_t lines) {
    const auto lastLine = [&](double first) {
        for (size_t k = 1; k < lines; ++k) first += kLineHeight;
        return first;
    };
    y = check(y);
    const double lastOnThePage = at_.bottom - kLineHeight;
    const double firstOnAPage = childLabel_.empty() ? kFirstLineY : kFirstLineY + kLineHeight;  // after "(cont'd)"
    if (lastOnThePage >= lastLine(y) || lastOnThePage < lastLine(firstOnAPage)) return y;
    return check(at_.bottom);
}

double SummaryList::check(double y) {
    if (at_.bottom - kLineHeight >= y) return y;
    if (y < at_.pageBegun) log_.newPage();
    double result = kFirstLineY;
    drawHeader();
    if (!childLabel_.empty()) {
        log_.textRight(at_.labelRight, result, childLabel_);
        log_.text(at_.continuedX, result, TW_TR("DescendantsSummaryList", "(cont'd)"));
        result += kLineHeight;
    }
    return result;
}

void SummaryList::drawHeader() {
    log_.fontName("Times");
    log_.fontSize(18);
    log_.textCentered(at_.centre, kTitleY, TW_TR("DescendantsSummaryList", "Descendants Summary List"));
    log_.fontSize(14);
    log_.textCentered(at_.centre, kRunTitleY, fitCouple(log_, couple_.husband, couple_.wife, " / ", at_.right - at_.left));
    log_.penWidth(kFramePen);
    drawBox(log_, at_.left, kTop, at_.right, at_.bottom);
    log_.moveTo(at_.left, kTop + kBandDepth);
    log_.lineTo(at_.right, kTop + kBandDepth);
    log_.penWidth(kRulePen);
    for (size_t i = 1; i <= kColumns; ++i) {
        log_.moveTo(at_.x[i], kTop);
        log_.lineTo(at_.x[i], at_.bottom);
    }
    drawDateAndFile(log_, at_.right, at_.left, kTop - kDateAbove, date_, ctx_.dataFilePath);
    log_.fontSize(at_.typeSize);
    log_.text(at_.headingX, kTop + kLowerHeading, TW_TR("DescendantsSummaryList", "Child and Spouse(s)"));
    for (size_t i = 0; i < kColumns; ++i) {
        if (i == 2) log_.textCentered(at_.middle[i], kTop + kUpperHeading, TW_TR("DescendantsSummaryList", "G."));
        if (i >= 3) log_.textCentered(at_.middle[i], kTop + kUpperHeading,
                                      fillIn(TW_TR("DescendantsSummaryList", "%1G."), {std::to_string(i - 1)}));
        log_.textCentered(at_.middle[i], kTop + kLowerHeading,
                          i == 0 ? TW_TR("DescendantsSummaryList", "ch") : TW_TR("DescendantsSummaryList", "gch"));
    }
    drawPageLabel(log_, page_.number, at_.centre, at_.bottom + kPageLabelBelow);
}

}  // namespace

void generateDescendantsSummaryList(AppContext& ctx, const ReportInput& input) { SummaryList(ctx, input).run(); }

}  // namespace tw
