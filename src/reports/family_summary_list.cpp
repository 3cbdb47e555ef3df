#include "reports/family_summary_list.h"

#include <string>

#include "paf/dates.h"
#include "paf/navigation.h"
#include "paf/records.h"
#include "reports/descent.h"
#include "reports/list_page.h"
#include "reports/wrap_name.h"
#include "reports/year_range.h"

namespace tw {

namespace {

// The geometry the descendant lists share (list_page.h).
using namespace descent_page;

// Layout, in inches from the sheet's top-left corner; y is the top of a text.
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

constexpr double middle(float a, float b) { return (double(a) + double(b)) / 2; }
constexpr double kGenerationX = middle(kLeft, kXa);
constexpr double kRelationshipX = double(kXa) + 0.1;
constexpr double kDirectX = middle(kXb, kXc);
constexpr double kSpousesX = middle(kXc, kXd);
constexpr double kTotalsX = middle(kXd, kXe);
constexpr double kLowX = middle(kXe, kXf);
constexpr double kHighX = middle(kXf, kRight);
constexpr double kTotalsLabelRight = double(kXb) - 0.05;

std::string relationship(int generation) {
    switch (generation) {
    case 2: return "Children";
    case 3: return "Grandchildren";
    case 4: return "G. Grandchildren";
    default: return std::to_string(generation - 3) + "G. Grandchildren";
    }
}

class FamilySummary {
public:
    FamilySummary(AppContext& ctx, const ReportInput& input)
        : ctx_(ctx), log_(ctx.pageLog), input_(input), date_(todayText(ctx).str()) {}

    void run();

private:
    void printYearRange(const YearRange& range);
    double check(double y);
    void drawHeader();

    AppContext& ctx_;
    PageLog& log_;
    const ReportInput& input_;
    const std::string date_;
    std::string runTitle_;
    PageCursor page_{kBeforeFirstPage};
};

void FamilySummary::run() {
    log_.begin("Family Summary List", runPage(ctx_));
    RinMarks counted;
    counted.reset(ctx_.file.highestRin());
    runTitle_ = coupleTitle(ctx_, input_.mrins, " / ");

    // The couple line: the first start couple themselves.
    MarriageRecord couple;
    readMarriage(ctx_.file, input_.mrins.fetch(0), couple);  // read by coupleTitle already
    YearRange range;
    updateYearRange(ctx_, couple.husband, range);
    updateYearRange(ctx_, couple.wife, range);
    IntList marriages = startCouples(input_.mrins);
    page_.y = check(page_.y);
    log_.textCentered(kGenerationX, page_.y, "1");
    log_.text(kRelationshipX, page_.y, "Themselves");
    log_.textCentered(kDirectX, page_.y, "-");
    log_.textCentered(kSpousesX, page_.y, "-");
    log_.textCentered(kTotalsX, page_.y, "2");
    printYearRange(range);
    page_.y += kLineHeight;

    int64_t directTotal = 0;
    int64_t spouseTotal = 0;
    for (int g = 2;;) {
        const std::string label = std::to_string(g);
        const int generation = g;
        ++g;
        if (g == kDescentGenerationLimit || ctx_.host.cancelRequested()) break;
        IntList persons = getChildRins(ctx_, marriages);
        if (persons.size() == 0) break;
        log_.textCentered(kGenerationX, page_.y, label);
        log_.text(kRelationshipX, page_.y, relationship(generation));

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
        log_.textCentered(kDirectX, page_.y, std::to_string(direct));
        int64_t spouses = 0;
        for (int32_t i = 0; i + 2 < persons.size(); i += 3)
            if (persons.fetch(i) != 0) spouses += marriageCount(ctx_, persons.fetch(i));
        spouseTotal += spouses;
        log_.textCentered(kSpousesX, page_.y, std::to_string(spouses));
        log_.textCentered(kTotalsX, page_.y, std::to_string(spouses + direct));

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
    log_.textRight(kTotalsLabelRight, page_.y, "Totals:");
    log_.textCentered(kDirectX, page_.y, std::to_string(directTotal));
    log_.textCentered(kSpousesX, page_.y, std::to_string(spouseTotal));
    log_.textCentered(kTotalsX, page_.y, std::to_string(directTotal + spouseTotal + 2));
    log_.commit();
    ctx_.host.showProgress(-1);
    log_.newPage();
    log_.end();
}

void FamilySummary::printYearRange(const YearRange& range) {
    if (!range.any()) return;
    log_.textCentered(kLowX, page_.y, std::to_string(range.low));
    log_.textCentered(kHighX, page_.y, std::to_string(range.high));
}

double FamilySummary::check(double y) {
    if (double(kBottom) - kLineHeight >= y) return y;
    if (y < 21) log_.newPage();
    drawHeader();
    return kFirstLineY;
}

void FamilySummary::drawHeader() {
    log_.fontName("Times");
    log_.fontSize(18);
    log_.textCentered(kCentre, 1.0, "Family Summary List");
    log_.fontSize(14);
    log_.textCentered(kCentre, 1.3, shortenInMiddle(log_, runTitle_, double(kRight) - kLeft));
    log_.penWidth(kFramePen);
    drawBox(log_, kLeft, kTop, kRight, kBottom);
    log_.penWidth(kRulePen);
    const double band = double(kTop) + kBandDepth;
    log_.moveTo(kLeft, band);
    log_.lineTo(kRight, band);
    for (const float x : {kXa, kXb, kXc, kXd, kXe}) {
        log_.moveTo(x, kTop);
        log_.lineTo(x, kBottom);
    }
    log_.moveTo(kXf, band);  // under "Birth Year", which spans Low and High
    log_.lineTo(kXf, kBottom);
    drawDateAndFile(log_, kRight, kLeft, kTop - kDateAbove, date_, ctx_.dataFilePath);

    log_.fontSize(12);
    const double upper = kTop + kUpperHeading;
    const double lower = kTop + kLowerHeading;
    log_.textCentered(kGenerationX, lower, "Gen");
    log_.textCentered(middle(kXa, kXb), lower, "Relationship");
    log_.textCentered(kDirectX, upper, "Direct");
    log_.textCentered(kDirectX, lower, "Descendants");
    log_.textCentered(kSpousesX, upper, "Descendant's");
    log_.textCentered(kSpousesX, lower, "Spouses");
    log_.textCentered(kTotalsX, upper, "Family");
    log_.textCentered(kTotalsX, lower, "Totals");
    log_.textCentered(middle(kXe, kRight), upper, "Birth Year");
    log_.textCentered(kLowX, lower, "Low");
    log_.textCentered(kHighX, lower, "High");
    drawPageLabel(log_, page_.number, kBottom + kPageLabelBelow);
}

}  // namespace

void generateFamilySummaryList(AppContext& ctx, const ReportInput& input) { FamilySummary(ctx, input).run(); }

}  // namespace tw
