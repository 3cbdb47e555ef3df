#include "reports/rsl.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "base/text_buffer.h"
#include "paf/dates.h"
#include "paf/records.h"
#include "reports/ancestor_generation.h"
#include "reports/list_page.h"

namespace tw {

namespace {

using framed_list::kLineHeight;

constexpr int kGenerationLimit = 300;  // generations 1 to 299

// Both reports read years out of dates stored as text ("Abt 1850").
std::string startRunTitle(AppContext& ctx, int32_t startRin) {
    setTextDateYears(ctx, true);
    return individualNameNoSlashes(ctx, startRin).str();
}

// ---- The list -------------------------------------------------------------

// Layout of the list, in inches from the sheet's top-left corner; y is the top of a text.
constexpr double kFirstLineY = 2.4;
constexpr double kTitleX = 3.1;
constexpr double kBandBottom = 2.25;
constexpr double kFrameBottom = 9.75;
constexpr double kPageNumberY = 9.85;
constexpr int kLinesPerPage = 36;

constexpr double kGenerationX = 1.65;  // left-aligned
constexpr double kTotalsX = 1.6;       // left-aligned
// The figures are right-aligned at these.
constexpr double kPositionsX = 2.75;
constexpr double kIdentifiedX = 3.5;
constexpr double kRepeatsX = 4.2;
constexpr double kFilledX = 5.0;
constexpr double kPercentX = 5.8;
constexpr double kLowYearX = 6.67;
constexpr double kHighYearX = 7.07;

struct Heading {
    double x, y;
    std::string_view text;
};

constexpr std::array<Heading, 15> kColumnHeadings{{
    {4.6, 1.55, "Pedigree"},
    {2.25, 1.7, "Pedigree"},
    {2.95, 1.7, "Ancestors"},
    {3.7, 1.7, "Ancestor"},
    {4.6, 1.7, "positions"},
    {5.5, 1.7, "Percent"},
    {6.4, 1.7, "  Birth Year"},
    {1.5, 1.9, "GEN"},
    {2.25, 1.9, "positions"},
    {2.95, 1.9, "Identified"},
    {3.7, 1.9, "Repeats"},
    {4.68, 1.9, "filled"},
    {5.55, 1.9, "filled"},
    {6.4, 1.9, "Low"},
    {6.8, 1.9, "High"},
}};

class ResearchStatusList {
public:
    ResearchStatusList(AppContext& ctx, int32_t startRin) : ctx_(ctx), log_(ctx.pageLog), startRin_(startRin) {}
    void run();

private:
    void drawHeader();
    void printGeneration(int generation, double positions, const GenerationCounts& counts);
    void printTotals();

    AppContext& ctx_;
    PageLog& log_;
    const int32_t startRin_;
    std::string runTitle_;
    std::string date_;
    PageCursor page_{kFirstLineY};

    // Every generation fills at most 2^53 positions, so 299 of them stay well
    // within 64 bits.
    double totalPositions_ = 0;
    int64_t totalIdentified_ = 0;
    int64_t totalRepeats_ = 0;
    int64_t totalFilled_ = 0;
};

void ResearchStatusList::run() {
    runTitle_ = startRunTitle(ctx_, startRin_);
    log_.begin("RSL", runPage(ctx_));
    page_.number = 1;
    date_ = todayText(ctx_).str();
    drawHeader();
    page_.y = kFirstLineY;

    AncestorWalk walk(ctx_, startRin_, false);
    double positions = 1.0;
    for (int g = 1; g < kGenerationLimit; ++g) {
        const GenerationCounts counts = ancestorGenerationStep(walk);
        if (ctx_.host.cancelRequested()) break;
        if (counts.filled == 0) {
            page_.y += kLineHeight;  // a blank line before the totals
            break;
        }
        printGeneration(g, positions, counts);
        ctx_.host.showProgress(g);
        totalIdentified_ += counts.identified();
        totalRepeats_ += counts.repeats;
        totalPositions_ += positions;
        totalFilled_ += counts.filled;
        log_.commit();
        page_.y += kLineHeight;
        positions *= 2;
        if (g % kLinesPerPage == 0) {
            log_.newPage();
            drawHeader();
            page_.y = kFirstLineY;
        }
    }
    printTotals();
    log_.commit();
    ctx_.host.showProgress(-1);
    log_.end();
}

void ResearchStatusList::drawHeader() {
    ListHeading heading{"Research Status List", runTitle_, date_, ctx_.dataFilePath};
    heading.titleLeftX = kTitleX;
    drawListHeading(log_, heading);
    drawListFrame(log_, kBandBottom, kFrameBottom);
    drawPageLabel(log_, page_.number, kPageNumberY);
    for (const Heading& h : kColumnHeadings) log_.text(h.x, h.y, h.text);
}

void ResearchStatusList::printGeneration(int generation, double positions, const GenerationCounts& counts) {
    log_.text(kGenerationX, page_.y, std::to_string(generation));
    log_.textRight(kPositionsX, page_.y, formatPositionCount(positions));
    log_.textRight(kIdentifiedX, page_.y, std::to_string(counts.identified()));
    log_.textRight(kRepeatsX, page_.y, std::to_string(counts.repeats));
    log_.textRight(kFilledX, page_.y, std::to_string(counts.filled));
    log_.textRight(kPercentX, page_.y, std::to_string(percentFilled(counts.filled, positions)));
    if (counts.years.low < YearRange::kNoLow) log_.textRight(kLowYearX, page_.y, std::to_string(counts.years.low));
    if (counts.years.high >= 1) log_.textRight(kHighYearX, page_.y, std::to_string(counts.years.high));
}

void ResearchStatusList::printTotals() {
    log_.text(kTotalsX, page_.y, "Totals");
    log_.textRight(kPositionsX, page_.y, formatPositionCount(totalPositions_));
    log_.textRight(kIdentifiedX, page_.y, std::to_string(totalIdentified_));
    log_.textRight(kRepeatsX, page_.y, std::to_string(totalRepeats_));
    log_.textRight(kFilledX, page_.y, std::to_string(totalFilled_));
    log_.textRight(kPercentX, page_.y, std::to_string(percentFilled(totalFilled_, totalPositions_)));
}

// ---- The chart ------------------------------------------------------------

// The chart's geometry is held in single precision, as its layout was made.
constexpr float kLeft = 1.0f;
constexpr float kRight = 7.5f;
constexpr float kTop = 1.45f;
constexpr float kBottom = 10.0f;
constexpr float kPitch = (kBottom - kTop + 0.1f) / 3;  // from one band's top to the next
constexpr float kBandHeight = kPitch - 0.1f;
constexpr float kLabelRight = kLeft + 1.25f;  // the label column's right edge
constexpr float kLabelX = kLeft + 0.15f;
constexpr float kMinGap = 0.11f;

// Columns for generations 1 to 33; the walk looks one generation further, to know
// whether any were left out.
constexpr int kChartGenerations = 33;
constexpr double kNoteY = double(kBottom) + 0.1;
constexpr double kMillions = 2'000'000;  // more positions than this show in millions

constexpr double kFramePen = 0.04;
constexpr double kRulePen = 0.01;

struct RowLabel {
    std::string_view text;
    double fraction;  // of the band's height, from its top
};

constexpr std::array<RowLabel, 12> kRowLabels{{
    {"GENERATION", 0.03},
    {"RELATIONSHIP", 0.17},
    {"PEDIGREE", 0.26},
    {"POSITIONS", 0.31},
    {"ANCESTORS", 0.4},
    {"IDENTIFIED", 0.45},
    {"REPEATS", 0.54},
    {"TOTALS", 0.64},
    {"PERCENT", 0.74},
    {"COMPLETED", 0.79},
    {"BIRTH YEARS", 0.87},
    {"INVOLVED", 0.92},
}};

constexpr std::array<double, 7> kRowRules{0.1, 0.25, 0.38, 0.52, 0.61, 0.72, 0.86};

// Where each of a column's texts stands, in the order of GenerationColumn::Text.
constexpr std::array<double, GenerationColumn::kTextCount> kTextFractions{0.03, 0.12, 0.17, 0.26, 0.31, 0.45,
                                                                          0.54, 0.64, 0.79, 0.87, 0.92};

// A y in the band whose top is at top.
double bandY(float top, double fraction) { return double(top) + double(kBandHeight) * fraction; }

void generateChart(AppContext& ctx, int32_t startRin) {
    PageLog& log = ctx.pageLog;
    const std::string runTitle = startRunTitle(ctx, startRin);
    log.begin("RSC", runPage(ctx));
    const std::string date = todayText(ctx).str();
    // Leaves the font at "Times" 10, the font of everything below.
    drawListHeading(log, {"Research Status Chart", runTitle, date, ctx.dataFilePath, kLeft, kRight});

    // One column per generation that holds anyone. A generation cut short by the
    // user's stop is left out.
    std::vector<GenerationColumn> columns;
    AncestorWalk walk(ctx, startRin, false);
    bool moreGenerations = false;
    for (int g = 1; g <= kChartGenerations + 1; ++g) {
        const GenerationCounts counts = ancestorGenerationStep(walk);
        if (ctx.host.cancelRequested() || counts.filled == 0) break;
        if (g > kChartGenerations) {
            moreGenerations = true;
            break;
        }
        GenerationColumn& column = columns.emplace_back();
        column.generation = g;
        column.filled = counts.filled;
        column.repeats = counts.repeats;
        column.years = counts.years;
        fillGenerationColumn(log, column);
        ctx.host.showProgress(g);
    }

    int first = drawChartBand(log, columns, 0, 1);
    first = drawChartBand(log, columns, 1, first);
    // Columns left over are not drawn; a note under the chart says so.
    const int notDrawn = drawChartBand(log, columns, 2, first);
    if (notDrawn <= int(columns.size()) || moreGenerations)
        log.text(kLeft, kNoteY, "Generations " + std::to_string(notDrawn) + " and later are not shown.");
    ctx.host.showProgress(-1);
    log.commit();
    log.end();
}

}  // namespace

std::string formatPositionCount(double positions) {
    constexpr double kLargestWhole = 34'400'000'000;
    constexpr size_t kKept = 9;  // characters of the billions or trillions
    TextBuffer text;
    if (positions <= kLargestWhole) return text.format("%6.0f", positions).str();
    std::string trillions = text.format("%9.7f", positions * 1e-12).str();
    if (trillions.find('e') != std::string::npos) return text.format("%11.5e", positions).str();
    if (trillions[0] == '0') {
        std::string billions = text.format("%9.7f", positions * 1e-9).str();
        billions.resize(std::min(billions.size(), kKept));
        return billions + " B";
    }
    trillions.resize(std::min(trillions.size(), kKept));
    if (trillions.find('.') == std::string::npos) return text.format("%11.5e", positions).str();
    return trillions + " T";
}

int64_t percentFilled(int64_t filled, double positions) {
    if (!(positions > 0)) return 0;
    return int64_t(std::trunc(double(filled) * 100 / positions + 0.5));
}

void fillGenerationColumn(const PageLog& log, GenerationColumn& column) {
    using C = GenerationColumn;
    const int g = column.generation;
    const double positions = std::ldexp(1.0, std::max(g, 1) - 1);
    auto& t = column.texts;
    t.fill(std::string());

    t[C::kGeneration] = std::to_string(g);
    if (g <= 1) {
        t[C::kRelationship2] = "self";
    } else if (g == 2) {
        t[C::kRelationship2] = "par";
    } else {
        if (g == 4) t[C::kRelationship1] = "G.";
        if (g >= 5) t[C::kRelationship1] = std::to_string(g - 3) + " G.";
        t[C::kRelationship2] = "g'par";
    }
    if (positions > kMillions) {
        TextBuffer millions;
        std::string shown = millions.format("%4.2f", positions * 1e-6).str().substr(0, 4);
        if (shown.size() == 4 && shown[3] == '.') shown.resize(3);
        t[C::kPedigree] = shown;
        t[C::kPositions] = "M";
    } else {
        t[C::kPositions] = TextBuffer().format("%1.0f", positions).str();
    }
    t[C::kIdentified] = std::to_string(column.filled - column.repeats);
    if (column.repeats != 0) t[C::kRepeats] = std::to_string(column.repeats);
    t[C::kTotals] = std::to_string(column.filled);
    t[C::kPercent] = std::to_string(percentFilled(column.filled, positions));
    if (column.years.any()) {
        t[C::kLowYear] = std::to_string(column.years.low);
        t[C::kHighYear] = std::to_string(column.years.high);
    }

    int32_t widest = 0;
    for (const std::string& text : t) widest = std::max(widest, log.textWidth(text));
    column.width = float(widest) / float(log.devicePixelsPerInch());
}

int drawChartBand(PageLog& log, const std::vector<GenerationColumn>& columns, int band, int first) {
    const int count = int(columns.size());
    if (count < first || first < 1) return first;
    auto width = [&](int generation) { return columns[size_t(generation - 1)].width; };

    const float top = kTop + float(band) * kPitch;
    const float bottom = top + kBandHeight;
    log.penWidth(kFramePen);
    log.moveTo(kLeft, top);
    log.lineTo(kRight, top);
    log.lineTo(kRight, bottom);
    log.lineTo(kLeft, bottom);
    log.lineTo(kLeft, top);
    log.penWidth(kRulePen);
    log.moveTo(kLabelRight, top);
    log.lineTo(kLabelRight, bottom);
    for (const RowLabel& label : kRowLabels) log.text(kLabelX, bandY(top, label.fraction), label.text);
    for (const double fraction : kRowRules) {
        log.moveTo(kLeft, bandY(top, fraction));
        log.lineTo(kRight, bandY(top, fraction));
    }

    // As many columns as fit with the smallest gap after each.
    float x = kLabelRight;
    float w = 0;
    int next = first;
    while (x < kRight) {
        w = width(next);
        ++next;
        x += w + kMinGap;
        if (next > count) break;
    }
    int end = next;
    if (x > kRight) {
        end = next - 1;  // the last column tried does not fit
        x -= w + kMinGap;
    }
    if (end == first) {
        // A column wider than the whole band still gets the band to itself.
        end = first + 1;
        x += w + kMinGap;
    }

    // The spare width is shared out equally over the gaps.
    const float gap = (kRight - x) / float(end - first) + kMinGap;
    x = kLabelRight;
    for (int g = first; g < end; ++g) {
        const GenerationColumn& column = columns[size_t(g - 1)];
        const float centre = x + gap / 2 + column.width / 2;
        for (size_t i = 0; i < column.texts.size(); ++i)
            log.textCentered(centre, bandY(top, kTextFractions[i]), column.texts[i]);
        x = x + gap + column.width;
        log.moveTo(x, top);
        log.lineTo(x, bottom);
    }
    return end;
}

void generateResearchStatusList(AppContext& ctx, const ReportInput& input) {
    ResearchStatusList(ctx, input.startRin).run();
}

void generateResearchStatusChart(AppContext& ctx, const ReportInput& input) { generateChart(ctx, input.startRin); }

}  // namespace tw
