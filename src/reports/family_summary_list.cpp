#include "reports/family_summary_list.h"

#include <string>

#include "paf/dates.h"
#include "paf/navigation.h"
#include "paf/records.h"
#include "reports/descent.h"
#include "base/translation.h"
#include "reports/list_page.h"
#include "reports/report_words.h"
#include "reports/wrap_name.h"
#include "reports/year_range.h"

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
// Column boundaries: generation | relationship | direct descendants | spouses |
// family totals | birth year low | high.
constexpr float kXa = kLeft + 0.5F;
constexpr float kXb = kXa + 2.1F;
constexpr float kXc = kXb + 1.0F;
constexpr float kXd = kXc + 1.0F;
constexpr float kXe = kXd + 1.0F;
constexpr float kXf = kXe + 0.7F;
constexpr double kFirstLineY = double(kTop) + 0.35 + kLineHeight;
constexpr double kTitleY = 1.0;
constexpr double kRunTitleY = 1.3;
constexpr double kRelationshipIndent = 0.1;
constexpr double kTotalsLabelBefore = 0.05;  // "Totals:" ends this far left of the counts

constexpr double middle(double a, double b) { return (a + b) / 2; }

// The columns, with the least widths their headings and texts need in 12 pt: the
// relationship takes the difference in width first ("296G. Grandchildren" after its
// indent); below that the others give way. A frame too narrow for them all (A5)
// sets the table's type two points smaller.
constexpr int kTypeSize = 12;
constexpr int kSmallerTypeSize = 10;
constexpr std::array<ListColumn, 7> kColumnWidths{{
    {double(kXa) - double(kLeft), 0.31},  // "Gen"
    {double(kXb) - double(kXa), 1.56, true},
    {double(kXc) - double(kXb), 0.88},  // "Descendants"
    {double(kXd) - double(kXc), 0.91},  // "Descendant's"
    {double(kXe) - double(kXd), 0.52},  // "Family"
    {double(kXf) - double(kXe), 0.37},  // "Low", and half of "Birth Year"
    {double(kRight) - double(kXf), 0.37},
}};

// The layout on the page the list is given.
struct Layout : descent_page::Frame {
    double xa, xb, xc, xd, xe, xf;  // the column boundaries
    double generationX, relationshipX, directX, spousesX, totalsX, lowX, highX, totalsLabelRight;
    int typeSize;  // of the headings and the body
};

Layout layoutOn(const PageGeometry& page) {
    const SheetShift shift = sheetShift(page, kLeft);
    Layout at;
    static_cast<descent_page::Frame&>(at) =
        descent_page::frameOn(shift, double(kLeft), double(kRight), double(kBottom));
    std::array<ListColumn, 7> columns = kColumnWidths;
    at.typeSize = tableTypeSize(columns, at.right - at.left, kTypeSize, kSmallerTypeSize);
    const std::vector<double> change = columnChanges(columns, shift.wider());
    double moved = shift.left;
    auto boundary = [&](float letterX, size_t columnBefore) {
        moved += change[columnBefore];
        return double(letterX) + moved;
    };
    at.xa = boundary(kXa, 0);
    at.xb = boundary(kXb, 1);
    at.xc = boundary(kXc, 2);
    at.xd = boundary(kXd, 3);
    at.xe = boundary(kXe, 4);
    at.xf = boundary(kXf, 5);
    at.generationX = middle(at.left, at.xa);
    at.relationshipX = at.xa + kRelationshipIndent;
    at.directX = middle(at.xb, at.xc);
    at.spousesX = middle(at.xc, at.xd);
    at.totalsX = middle(at.xd, at.xe);
    at.lowX = middle(at.xe, at.xf);
    at.highX = middle(at.xf, at.right);
    at.totalsLabelRight = at.xb - kTotalsLabelBefore;
    return at;
}

std::string relationship(int generation) {
    switch (generation) {
    case 2: return std::string(report_words::children());
    case 3: return std::string(report_words::grandchildren());
    case 4: return std::string(TW_TR("FamilySummaryList", "G. Grandchildren"));
    default: return fillIn(TW_TR("FamilySummaryList", "%1G. Grandchildren"), {std::to_string(generation - 3)});
    }
}

class FamilySummary {
public:
    FamilySummary(AppContext& ctx, const ReportInput& input)
        : ctx_(ctx), log_(ctx.pageLog), input_(input), date_(todayText(ctx).str()) {}

    void run();

private:
    void printYearRange(const YearRange& range);
    void printStopNote(std::string_view note);
    double check(double y);
    void drawHeader();

    AppContext& ctx_;
    PageLog& log_;
    const ReportInput& input_;
    const std::string date_;
    CoupleNames couple_;  // named in the title
    Layout at_{};
    PageCursor page_;
};

void FamilySummary::run() {
    log_.begin("Family Summary List", runPage(ctx_));
    at_ = layoutOn(log_.page());
    page_.y = at_.beforeFirstPage;
    RinMarks counted;
    counted.reset(ctx_.file.highestRin());
    couple_ = startCoupleNames(ctx_, input_.mrins);

    // The couple line: the first start couple themselves.
    MarriageRecord couple;
    readMarriage(ctx_.file, input_.mrins.fetch(0), couple);  // read for the title already
    YearRange range;
    updateYearRange(ctx_, couple.husband, range);
    updateYearRange(ctx_, couple.wife, range);
    IntList marriages = startCouples(input_.mrins);
    page_.y = check(page_.y);
    log_.textCentered(at_.generationX, page_.y, "1");
    log_.text(at_.relationshipX, page_.y, TW_TR("FamilySummaryList", "Themselves"));
    log_.textCentered(at_.directX, page_.y, "-");
    log_.textCentered(at_.spousesX, page_.y, "-");
    log_.textCentered(at_.totalsX, page_.y, "2");
    printYearRange(range);
    page_.y += kLineHeight;

    int64_t directTotal = 0;
    int64_t spouseTotal = 0;
    int lastGeneration = 1;  // when the list stops at the most generations it lists
    for (int g = 2;;) {
        const std::string label = std::to_string(g);
        const int generation = g;
        ++g;
        if (g == kDescentGenerationLimit && getChildRins(ctx_, marriages).size() != 0) lastGeneration = generation - 1;
        if (g == kDescentGenerationLimit || ctx_.host.cancelRequested()) break;
        IntList persons = getChildRins(ctx_, marriages);
        if (persons.size() == 0) break;
        log_.textCentered(at_.generationX, page_.y, label);
        log_.text(at_.relationshipX, page_.y, relationship(generation));

        // Everyone counts once, in the first generation that reaches him or her; a
        // person reached again is left out here and in every later generation.
        int64_t direct = 0;
        for (int32_t i = 0; i + 2 < persons.size(); i += 3) {
            if (counted.testAndSet(persons.fetch(i))) {
                persons.store(i, 0);
            } else {
                ++direct;
            }
        }
        directTotal += direct;
        log_.textCentered(at_.directX, page_.y, std::to_string(direct));
        int64_t spouses = 0;
        for (int32_t i = 0; i + 2 < persons.size(); i += 3)
            if (persons.fetch(i) != 0) spouses += marriageCount(ctx_, persons.fetch(i));
        spouseTotal += spouses;
        log_.textCentered(at_.spousesX, page_.y, std::to_string(spouses));
        log_.textCentered(at_.totalsX, page_.y, std::to_string(spouses + direct));

        range.reset();
        for (int32_t i = 0; i + 2 < persons.size(); i += 3) updateYearRange(ctx_, persons.fetch(i), range);
        printYearRange(range);

        ctx_.host.showProgress(g);
        log_.commit();
        page_.y += kLineHeight;
        page_.y = check(page_.y);
        marriages = getMrins(ctx_, persons);
        if (marriages.size() == 0) break;
    }

    // The totals line stays inside the frame: at the page foot it opens the next page.
    page_.y = check(page_.y + kLineHeight);
    log_.textRight(at_.totalsLabelRight, page_.y, TW_TR("FamilySummaryList", "Totals:"));
    log_.textCentered(at_.directX, page_.y, std::to_string(directTotal));
    log_.textCentered(at_.spousesX, page_.y, std::to_string(spouseTotal));
    log_.textCentered(at_.totalsX, page_.y, std::to_string(directTotal + spouseTotal + 2));
    log_.commit();
    if (lastGeneration > 1) {
        const std::string message = generationLimitMessage(lastGeneration);
        ctx_.host.message(message, "Note");
        printStopNote(onOneLine(message));
    }
    ctx_.host.showProgress(-1);
    log_.newPage();
    log_.end();
}

void FamilySummary::printYearRange(const YearRange& range) {
    if (!range.any()) return;
    log_.textCentered(at_.lowX, page_.y, std::to_string(range.low));
    log_.textCentered(at_.highX, page_.y, std::to_string(range.high));
}

// After a blank line, in the relationship column, kept whole on one page.
void FamilySummary::printStopNote(std::string_view note) {
    const NameLines lines = wrapName(log_, note, at_.xb - kTotalsLabelBefore - at_.relationshipX);
    double lastLine = page_.y + 2 * kLineHeight;
    for (size_t k = 1; k < lines.size(); ++k) lastLine += kLineHeight;
    page_.y = check(at_.bottom - kLineHeight >= lastLine ? page_.y + 2 * kLineHeight : at_.bottom);
    for (const std::string& line : lines) {
        page_.y = check(page_.y);
        log_.text(at_.relationshipX, page_.y, line);
        page_.y += kLineHeight;
    }
    log_.commit();
}

double FamilySummary::check(double y) {
    if (at_.bottom - kLineHeight >= y) return y;
    if (y < at_.pageBegun) log_.newPage();
    drawHeader();
    return kFirstLineY;
}

void FamilySummary::drawHeader() {
    log_.fontName("Times");
    log_.fontSize(18);
    log_.textCentered(at_.centre, kTitleY, TW_TR("FamilySummaryList", "Family Summary List"));
    log_.fontSize(14);
    log_.textCentered(at_.centre, kRunTitleY, fitCouple(log_, couple_.husband, couple_.wife, " / ", at_.right - at_.left));
    log_.penWidth(kFramePen);
    drawBox(log_, at_.left, kTop, at_.right, at_.bottom);
    log_.penWidth(kRulePen);
    const double band = double(kTop) + kBandDepth;
    log_.moveTo(at_.left, band);
    log_.lineTo(at_.right, band);
    for (const double x : {at_.xa, at_.xb, at_.xc, at_.xd, at_.xe}) {
        log_.moveTo(x, kTop);
        log_.lineTo(x, at_.bottom);
    }
    log_.moveTo(at_.xf, band);  // under "Birth Year", which spans Low and High
    log_.lineTo(at_.xf, at_.bottom);
    drawDateAndFile(log_, at_.right, at_.left, kTop - kDateAbove, date_, ctx_.dataFilePath);

    log_.fontSize(at_.typeSize);
    const double upper = kTop + kUpperHeading;
    const double lower = kTop + kLowerHeading;
    log_.textCentered(at_.generationX, lower, TW_TR("FamilySummaryList", "Gen"));
    log_.textCentered(middle(at_.xa, at_.xb), lower, TW_TR("FamilySummaryList", "Relationship"));
    log_.textCentered(at_.directX, upper, TW_TR("FamilySummaryList", "Direct"));
    log_.textCentered(at_.directX, lower, TW_TR("FamilySummaryList", "Descendants"));
    log_.textCentered(at_.spousesX, upper, TW_TR("FamilySummaryList", "Descendant's"));
    log_.textCentered(at_.spousesX, lower, TW_TR("FamilySummaryList", "Spouses"));
    log_.textCentered(at_.totalsX, upper, TW_TR("FamilySummaryList", "Family"));
    log_.textCentered(at_.totalsX, lower, report_words::totals());
    log_.textCentered(middle(at_.xe, at_.right), upper, report_words::birthYear());
    log_.textCentered(at_.lowX, lower, report_words::low());
    log_.textCentered(at_.highX, lower, report_words::high());
    drawPageLabel(log_, page_.number, at_.centre, at_.bottom + kPageLabelBelow);
}

}  // namespace

void generateFamilySummaryList(AppContext& ctx, const ReportInput& input) { FamilySummary(ctx, input).run(); }

}  // namespace tw
