#include "reports/repeat_descendant_list.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "base/translation.h"
#include "output/font_metrics.h"
#include "paf/dates.h"
#include "paf/navigation.h"
#include "reports/descendant_entry.h"
#include "reports/descent.h"
#include "reports/list_page.h"
#include "reports/report_words.h"
#include "reports/wrap_name.h"

namespace tw {

namespace {

// The geometry the descendant lists share (list_page.h).
using namespace descent_page;

// Layout on letter, in inches from the sheet's top-left corner; y is the top of a
// text.
constexpr float kLeft = 1.0F;
constexpr float kTop = 0.75F;
constexpr float kBottom = 9.8F;
constexpr double kRight = 8.5 - kLeft;
constexpr double kBandY = double(kTop) + 1.25;
constexpr double kFirstLineY = 2.325;
constexpr double kHeadingY = 2.1;
constexpr double kParentHeadingY = 2.05;
constexpr double kLabelX = 1.25;
constexpr double kRelationX = 1.5;
constexpr double kRinRight = 3.0;
constexpr double kNameX = 3.3;
constexpr double kParentX = 5.3;
constexpr double kGap = 0.1;  // between a column's text and the next column or the frame
constexpr double kNameWidth = kParentX - kNameX - kGap;
constexpr double kParentWidth = kRight - kParentX - kGap;
constexpr double kDateRight = 7.4;
constexpr double kFileLeft = 1.1;
constexpr double kDateY = 1.79;
constexpr int kHeadingSize = 12;

// The layout on the page the list is given: the name and the descendant parent
// share out the difference in width. Where the parents' column is too narrow for
// its heading on one line (A5), the heading takes two lines and the body starts a
// line lower.
struct Layout : descent_page::Frame {
    double labelX, relationX, rinRight, nameX, parentX, dateRight, fileLeft;
    double nameWidth, parentWidth;
    double firstLineY;
    bool parentHeadingSplit;
};

Layout layoutOn(const PageGeometry& page, int32_t pixelsPerInch) {
    const SheetShift shift = sheetShift(page, kLeft);
    Layout at;
    static_cast<descent_page::Frame&>(at) = descent_page::frameOn(shift, double(kLeft), kRight, double(kBottom));
    at.labelX = kLabelX + shift.left;
    at.relationX = kRelationX + shift.left;
    at.rinRight = kRinRight + shift.left;
    at.nameX = kNameX + shift.left;
    at.parentX = kParentX + shift.left + shift.wider() / 2;
    at.dateRight = kDateRight + shift.right;
    at.fileLeft = kFileLeft + shift.left;
    at.nameWidth = kNameWidth + shift.wider() / 2;
    at.parentWidth = kParentWidth + shift.wider() / 2;
    const std::string_view heading = report_words::descendantParent();
    const double headingWidth =
        double(textWidthPixels(heading, "Times", kHeadingSize, pixelsPerInch)) / std::max(pixelsPerInch, 1);
    at.parentHeadingSplit = headingWidth > at.right - at.parentX - kGap &&
                            heading.find(' ') != std::string_view::npos;
    at.firstLineY = at.parentHeadingSplit ? kFirstLineY + kLineHeight : kFirstLineY;
    return at;
}

// The relation of a generation to the start couple, by label + 1.
std::string relation(int g) {
    switch (g) {
    case 3: return std::string(TW_TR("RepeatDescendantList", "child"));
    case 4: return std::string(TW_TR("RepeatDescendantList", "grandchild"));
    case 5: return std::string(TW_TR("RepeatDescendantList", "G g'child"));
    default: return fillIn(TW_TR("RepeatDescendantList", "%1 G g'child"), {std::to_string(g - 4)});
    }
}

class RepeatList {
public:
    RepeatList(AppContext& ctx, const ReportInput& input)
        : ctx_(ctx), log_(ctx.pageLog), input_(input), names_(ctx), date_(todayText(ctx).str()) {}

    void run();

private:
    bool printIfRepeat(const DescendantEntry& entry);
    void printHeading(double y);
    void printStopNote(std::string_view note);
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
    RinMarks printed_;
    bool anyRepeat_ = false;
    NameColumns columns_;
    NameColumnLines lines_;  // the repeat being printed: its name and parent cut to their columns
    // The generation being printed: its label and relation, and whether its heading
    // line was printed (a page that goes on with it repeats the label, with "cont'd").
    std::string label_;
    std::string relation_;
    bool headingShown_ = false;
};

void RepeatList::run() {
    log_.begin("Repeat Descendants List", runPage(ctx_));
    at_ = layoutOn(log_.page(), log_.pixelsPerInch());
    page_.y = at_.beforeFirstPage;
    printed_.reset(ctx_.file.highestRin());
    couple_ = startCoupleNames(ctx_, input_.mrins);
    columns_.nameX = at_.nameX;
    columns_.parentX = at_.parentX;
    columns_.lineHeight = kLineHeight;

    IntList marriages = startCouples(input_.mrins);
    for (int g0 = 2;; ++g0) {
        const int g = g0 + 1;
        headingShown_ = false;
        if (g == kDescentGenerationLimit) {
            if (childrenInFileOrder(ctx_, marriages).size() != 0) {
                const std::string message = generationLimitMessage(g0 - 1);
                ctx_.host.message(message, "Note");
                printStopNote(onOneLine(message));
            }
            break;
        }
        page_.y = check(page_.y);
        ctx_.host.showProgress(g);
        IntList persons = childrenInFileOrder(ctx_, marriages);
        numberChildLines(persons);
        if (persons.size() == 0) {
            // Nothing to list: a line says why.
            if (g == 3) {
                log_.text(at_.relationX, page_.y, noChildrenText());
            } else if (!anyRepeat_) {
                page_.y = check(page_.y + kLineHeight);
                log_.text(at_.relationX, page_.y, noRepeatedDescendantText());
            }
            log_.commit();
            break;
        }
        std::vector<DescendantEntry> generation = entriesOf(ctx_, persons);
        sortEntries(ctx_.host, generation);

        if (g == 3) {
            log_.textCentered(at_.labelX, page_.y, "1");
            log_.text(at_.relationX, page_.y, report_words::self());
        }
        page_.y += kLineHeight;  // after the couple's line, or a blank line
        page_.y = check(page_.y);
        label_ = std::to_string(g0);
        relation_ = relation(g);

        // The first repeat stands on the heading line, which goes to a new page with
        // it when it does not fit. Repeats are not followed again: their descendants
        // were reached through the first appearance.
        IntList nextParents;
        for (const DescendantEntry& entry : generation) {
            page_.y = check(page_.y);
            if (!printIfRepeat(entry)) nextParents.pushTriple(entry.rin, entry.childLine, entry.parentRin);
            log_.commit();
        }
        if (!headingShown_) printHeading(page_.y);  // a generation without repeats
        log_.commit();
        marriages = marriagesInFileOrder(ctx_, nextParents);
    }
    ctx_.host.showProgress(-1);
    log_.newPage();
    log_.end();
}

// Prints the entry when its person was reached before; otherwise marks the person
// and prints nothing. True for a repeat.
bool RepeatList::printIfRepeat(const DescendantEntry& entry) {
    page_.y = check(page_.y);
    if (!printed_.testAndSet(entry.rin)) return false;
    anyRepeat_ = true;
    const std::string name = names_.of(entry.rin, entry.readable);
    // A descendant parent was read when the walk took his or her marriages.
    const std::string parent = entry.parentRin == 0 ? std::string() : names_.of(entry.parentRin, true);
    layOutNameColumns(log_, name, parent, columns_, lines_);
    page_.y = keepTogether(page_.y, lines_.size());
    if (!headingShown_) printHeading(page_.y);
    log_.textRight(at_.rinRight, page_.y, std::to_string(entry.rin));
    page_.y = printNameColumns(log_, page_.y, lines_, columns_, [this](double at) { return check(at); });
    return true;
}

void RepeatList::printHeading(double y) {
    log_.textCentered(at_.labelX, y, label_);
    log_.text(at_.relationX, y, relation_);
    headingShown_ = true;
}

// The note beside the generations, after a blank line, kept whole on one page.
void RepeatList::printStopNote(std::string_view note) {
    page_.y = check(page_.y + kLineHeight);
    const NameLines lines = wrapName(log_, note, at_.right - kGap - at_.relationX);
    page_.y = keepTogether(page_.y, lines.size());
    for (const std::string& line : lines) {
        page_.y = check(page_.y);
        log_.text(at_.relationX, page_.y, line);
        page_.y += kLineHeight;
    }
    log_.commit();
}

double RepeatList::check(double y) {
    if (at_.bottom - kLineHeight >= y) return y;
    if (y < at_.pageBegun) log_.newPage();
    drawHeader();
    // A page that goes on with a generation names it.
    if (headingShown_) {
        log_.textCentered(at_.labelX, at_.firstLineY, label_);
        log_.textCentered(at_.labelX, at_.firstLineY + kLineHeight, report_words::continued());
    }
    return at_.firstLineY;
}

// y, or the first line of a new page when lines lines from y would pass the last
// line of this page (unless they would not fit on a whole page either).
double RepeatList::keepTogether(double y, size_t lines) {
    const auto lastLine = [&](double first) {
        for (size_t k = 1; k < lines; ++k) first += kLineHeight;
        return first;
    };
    const double lastOnThePage = at_.bottom - kLineHeight;
    if (lastOnThePage >= lastLine(y) || y == at_.firstLineY || lastOnThePage < lastLine(at_.firstLineY)) return y;
    return check(at_.bottom);
}

void RepeatList::drawHeader() {
    log_.fontName("Times");
    log_.fontSize(14);
    log_.textCentered(at_.centre, 0.9, report_words::descendantsOf());
    const std::string couple =
        fitCouple(log_, couple_.husband, couple_.wife, report_words::coupleSeparator(), at_.right - at_.left);
    log_.textCentered(at_.centre, 1.1, couple);
    log_.fontSize(18);
    log_.textCentered(at_.centre, 1.4, TW_TR("RepeatDescendantList", "Repeat Descendants"));
    log_.penWidth(kFramePen);
    drawBox(log_, at_.left, kTop, at_.right, at_.bottom);
    log_.penWidth(kRulePen);
    log_.moveTo(at_.left, kBandY);
    log_.lineTo(at_.right, kBandY);
    const int32_t ppi = log_.pixelsPerInch();
    columns_.nameLimit = std::max(int32_t(double(ppi) * at_.nameWidth), 0);
    columns_.parentLimit = std::max(int32_t(double(ppi) * at_.parentWidth), 0);
    drawDateAndFile(log_, at_.dateRight, at_.fileLeft, kDateY, date_, ctx_.dataFilePath);
    log_.fontSize(kHeadingSize);
    log_.textCentered(at_.labelX, kHeadingY, report_words::gen());
    log_.text(at_.relationX, kHeadingY, TW_TR("RepeatDescendantList", "RELATION"));
    log_.textRight(at_.rinRight, kHeadingY, report_words::rin());
    log_.text(at_.nameX, kHeadingY, report_words::nameCapitals());
    const std::string_view heading = report_words::descendantParent();
    if (at_.parentHeadingSplit) {
        const size_t space = heading.find(' ');
        log_.text(at_.parentX, kParentHeadingY, heading.substr(0, space));
        log_.text(at_.parentX, kParentHeadingY + kLineHeight, heading.substr(space + 1));
    } else {
        log_.text(at_.parentX, kParentHeadingY, heading);
    }
    drawPageLabel(log_, page_.number, at_.centre, at_.bottom + kPageLabelBelow);
}

}  // namespace

void generateRepeatDescendantList(AppContext& ctx, const ReportInput& input) { RepeatList(ctx, input).run(); }

}  // namespace tw
