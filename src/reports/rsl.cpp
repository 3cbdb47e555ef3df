#include "reports/rsl.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "base/text_buffer.h"
#include "base/translation.h"
#include "paf/dates.h"
#include "paf/records.h"
#include "reports/ancestor_generation.h"
#include "reports/list_page.h"
#include "reports/report_words.h"
#include "reports/wrap_name.h"

namespace tw {

namespace {

using framed_list::Frame;
using framed_list::frameOn;
using framed_list::kLineHeight;
using framed_list::kRounding;

constexpr int kGenerationLimit = 300;  // generations 1 to 299

// Both reports read years out of dates stored as text ("Abt 1850").
std::string startRunTitle(AppContext& ctx, int32_t startRin) {
    setTextDateYears(ctx, true);
    return individualNameNoSlashes(ctx, startRin).str();
}

// ---- The list -------------------------------------------------------------

// Layout of the list on letter, in inches from the sheet's top-left corner; y is the
// top of a text.
constexpr double kFirstLineY = 2.4;
constexpr double kTitleX = 3.1;
constexpr double kBandBottom = 2.25;
constexpr double kFrameBottom = 9.75;
constexpr double kPageNumberY = 9.85;
constexpr int kLinesPerPage = 36;
constexpr double kLastLineAbove = 0.15;  // the lowest line stands this far above the frame's foot
constexpr double kNoteGap = 0.1;         // between a note and the frame

constexpr double kGenerationX = 1.65;  // left-aligned
constexpr double kTotalsX = 1.6;       // left-aligned

// The columns of figures, each with its headings: the generation's stays with the
// frame's left edge; the others (from where their headings start to where the next
// one's start, or the frame) share out the difference in width (list_page.h).
enum Column { kGeneration, kPositions, kIdentified, kRepeats, kFilled, kPercent, kYears, kColumnCount };

constexpr std::array<ListColumn, kColumnCount> kColumnWidths{{
    {1.0, 1.0},    // 1.25 to 2.25: "GEN", the generations and "Totals"
    {0.7, 0.6},    // 2.25: "Pedigree positions"
    {0.75, 0.65},  // 2.95: "Ancestors Identified"
    {0.9, 0.6},    // 3.7: "Ancestor Repeats"
    {0.9, 0.6},    // 4.6: "Pedigree positions filled"
    {0.9, 0.52},   // 5.5: "Percent filled"
    {0.85, 0.78},  // 6.4 to the frame: "Birth Year", "Low" and "High"
}};

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
    std::string text;
    Column column;
};

std::array<Heading, 15> columnHeadings() {
    const std::string pedigree(TW_TR("ResearchStatusList", "Pedigree"));
    const std::string positions(TW_TR("ResearchStatusList", "positions"));
    const std::string filled(TW_TR("ResearchStatusList", "filled"));
    return {{
        {4.6, 1.55, pedigree, kFilled},
        {2.25, 1.7, pedigree, kPositions},
        {2.95, 1.7, std::string(TW_TR("ResearchStatusList", "Ancestors")), kIdentified},
        {3.7, 1.7, std::string(TW_TR("ResearchStatusList", "Ancestor")), kRepeats},
        {4.6, 1.7, positions, kFilled},
        {5.5, 1.7, std::string(TW_TR("ResearchStatusList", "Percent")), kPercent},
        {6.4, 1.7, "  " + std::string(report_words::birthYear()), kYears},
        {1.5, 1.9, std::string(report_words::gen()), kGeneration},
        {2.25, 1.9, positions, kPositions},
        {2.95, 1.9, std::string(TW_TR("ResearchStatusList", "Identified")), kIdentified},
        {3.7, 1.9, std::string(TW_TR("ResearchStatusList", "Repeats")), kRepeats},
        {4.68, 1.9, filled, kFilled},
        {5.55, 1.9, filled, kPercent},
        {6.4, 1.9, std::string(report_words::low()), kYears},
        {6.8, 1.9, std::string(report_words::high()), kYears},
    }};
}

// How far each column moves on the page the list is given.
std::array<double, kColumnCount> columnShifts(const SheetShift& shift) {
    const std::vector<double> change = columnChanges(kColumnWidths, shift.wider());
    std::array<double, kColumnCount> shifts{};
    double at = shift.left;
    for (size_t i = 0; i < kColumnCount; ++i) {
        shifts[i] = at;
        at += change[i];
    }
    return shifts;
}

class ResearchStatusList {
public:
    ResearchStatusList(AppContext& ctx, int32_t startRin) : ctx_(ctx), log_(ctx.pageLog), startRin_(startRin) {}
    void run();

private:
    void drawHeader();
    void printGeneration(int generation, double positions, const GenerationCounts& counts);
    void printTotals();
    void printStopNote(const std::string& note);
    void printFigures(double positions, int64_t identified, int64_t repeats, int64_t filled);

    AppContext& ctx_;
    PageLog& log_;
    const int32_t startRin_;
    std::string runTitle_;
    std::string date_;
    PageCursor page_{kFirstLineY};
    Frame frame_;
    std::array<double, kColumnCount> shifts_{};
    double titleX_ = kTitleX;
    int linesPerPage_ = kLinesPerPage;

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
    const SheetShift shift = sheetShift(log_.page(), framed_list::kLeft);
    frame_ = frameOn(shift);
    frame_.bottom = kFrameBottom + shift.down;
    frame_.pageNumberY = kPageNumberY + shift.down;
    shifts_ = columnShifts(shift);
    titleX_ = kTitleX + shift.centre;
    // As many more (or fewer) lines as the frame is taller, but at least one.
    linesPerPage_ = std::max(kLinesPerPage + int(std::floor(shift.down / kLineHeight + kRounding)), 1);
    page_.number = 1;
    date_ = todayText(ctx_).str();
    drawHeader();
    page_.y = kFirstLineY;

    AncestorWalk walk(ctx_, startRin_, false);
    double positions = 1.0;
    int g = 1;
    for (; g < kGenerationLimit; ++g) {
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
        if (g % linesPerPage_ == 0) {
            log_.newPage();
            drawHeader();
            page_.y = kFirstLineY;
        }
    }
    printTotals();
    log_.commit();
    // Where the walk stopped before its end, a note under the totals says so.
    if (g == kGenerationLimit && walk.goesOn()) {
        const std::string message = generationLimitMessage(g - 1);
        ctx_.host.message(message, "Note");
        printStopNote(onOneLine(message));
    } else if (!walk.boundMessage().empty() && !ctx_.host.cancelRequested()) {
        printStopNote(onOneLine(walk.boundMessage()));
    }
    ctx_.host.showProgress(-1);
    log_.end();
}

// After a blank line, across the columns from the generations' to the frame; on a
// new page when it would reach the frame's foot.
void ResearchStatusList::printStopNote(const std::string& note) {
    const double x = kTotalsX + shifts_[kGeneration];
    const NameLines lines = wrapName(log_, note, frame_.right - kNoteGap - x);
    page_.y += 2 * kLineHeight;
    if (page_.y + double(lines.size() - 1) * kLineHeight > frame_.bottom - kLastLineAbove + kRounding) {
        log_.newPage();
        drawHeader();
        page_.y = kFirstLineY;
    }
    for (const std::string& line : lines) {
        log_.text(x, page_.y, line);
        page_.y += kLineHeight;
    }
    log_.commit();
}

void ResearchStatusList::drawHeader() {
    ListHeading heading{TW_TR("ResearchStatusList", "Research Status List"), runTitle_, date_, ctx_.dataFilePath,
                        frame_.left, frame_.right, frame_.centre};
    heading.titleLeftX = titleX_;
    drawListHeading(log_, heading);
    drawListFrame(log_, frame_, kBandBottom);
    drawPageLabel(log_, page_.number, frame_.centre, frame_.pageNumberY);
    for (const Heading& h : columnHeadings()) log_.text(h.x + shifts_[h.column], h.y, h.text);
}

void ResearchStatusList::printGeneration(int generation, double positions, const GenerationCounts& counts) {
    log_.text(kGenerationX + shifts_[kGeneration], page_.y, std::to_string(generation));
    printFigures(positions, counts.identified(), counts.repeats, counts.filled);
    const double years = shifts_[kYears];
    if (counts.years.low < YearRange::kNoLow)
        log_.textRight(kLowYearX + years, page_.y, std::to_string(counts.years.low));
    if (counts.years.high >= 1) log_.textRight(kHighYearX + years, page_.y, std::to_string(counts.years.high));
}

void ResearchStatusList::printTotals() {
    log_.text(kTotalsX + shifts_[kGeneration], page_.y, report_words::totals());
    printFigures(totalPositions_, totalIdentified_, totalRepeats_, totalFilled_);
}

void ResearchStatusList::printFigures(double positions, int64_t identified, int64_t repeats, int64_t filled) {
    log_.textRight(kPositionsX + shifts_[kPositions], page_.y, formatPositionCount(positions));
    log_.textRight(kIdentifiedX + shifts_[kIdentified], page_.y, std::to_string(identified));
    log_.textRight(kRepeatsX + shifts_[kRepeats], page_.y, std::to_string(repeats));
    log_.textRight(kFilledX + shifts_[kFilled], page_.y, std::to_string(filled));
    log_.textRight(kPercentX + shifts_[kPercent], page_.y, std::to_string(percentFilled(filled, positions)));
}

// ---- The chart ------------------------------------------------------------

// The chart's geometry is held in single precision, as its layout was made. On
// letter it spans x 1 to 7.5 and y 1.45 to 10 in three bands.
constexpr float kLeft = 1.0f;
constexpr float kRight = 7.5f;
constexpr float kTop = 1.45f;
constexpr float kBottom = 10.0f;
constexpr int kBands = 3;
constexpr float kBandGap = 0.1f;
constexpr float kLabelWidth = 1.25f;  // the label column
constexpr float kLabelIndent = 0.15f;
constexpr float kMinGap = 0.11f;

// The chart's box on the page it is drawn on: the frame's edges follow the sheet's
// sides and foot. A taller sheet makes the bands taller; a sheet so short that the
// three bands would be lower than on letter draws as many bands of letter's height
// as fit (at least one).
struct ChartBox {
    float left, right, bottom;
    double centre;  // of the sheet
    int bands;
    float pitch;       // from one band's top to the next
    float bandHeight;
    float labelRight;  // the label column's right edge
    float labelX;
};

ChartBox chartBoxOn(const PageGeometry& page) {
    const SheetShift shift = sheetShift(page, kLeft);
    ChartBox box;
    box.left = kLeft + float(shift.left);
    box.right = kRight + float(shift.right);
    box.bottom = kBottom + float(shift.down);
    box.centre = framed_list::kCentre + shift.centre;
    const float letterPitch = (kBottom - kTop + kBandGap) / kBands;
    box.bands = kBands;
    box.pitch = (box.bottom - kTop + kBandGap) / float(box.bands);
    if (box.pitch < letterPitch) {
        box.bands = std::max(int((box.bottom - kTop + kBandGap) / letterPitch), 1);
        box.pitch = (box.bottom - kTop + kBandGap) / float(box.bands);
    }
    box.bandHeight = box.pitch - kBandGap;
    box.labelRight = box.left + kLabelWidth;
    box.labelX = box.left + kLabelIndent;
    return box;
}

// Columns for generations 1 to 33; the walk looks one generation further, to know
// whether any were left out.
constexpr int kChartGenerations = 33;
constexpr double kNoteBelow = 0.1;  // the note under the chart
constexpr double kMillions = 2'000'000;  // more positions than this show in millions

constexpr double kFramePen = 0.04;
constexpr double kRulePen = 0.01;

struct RowLabel {
    std::string_view text;
    double fraction;  // of the band's height, from its top
};

std::array<RowLabel, 12> rowLabels() {
    return {{
        {TW_TR("ResearchStatusChart", "GENERATION"), 0.03},
        {TW_TR("ResearchStatusChart", "RELATIONSHIP"), 0.17},
        {TW_TR("ResearchStatusChart", "PEDIGREE"), 0.26},
        {TW_TR("ResearchStatusChart", "POSITIONS"), 0.31},
        {TW_TR("ResearchStatusChart", "ANCESTORS"), 0.4},
        {TW_TR("ResearchStatusChart", "IDENTIFIED"), 0.45},
        {TW_TR("ResearchStatusChart", "REPEATS"), 0.54},
        {TW_TR("ResearchStatusChart", "TOTALS"), 0.64},
        {TW_TR("ResearchStatusChart", "PERCENT"), 0.74},
        {TW_TR("ResearchStatusChart", "COMPLETED"), 0.79},
        {TW_TR("ResearchStatusChart", "BIRTH YEARS"), 0.87},
        {TW_TR("ResearchStatusChart", "INVOLVED"), 0.92},
    }};
}

constexpr std::array<double, 7> kRowRules{0.1, 0.25, 0.38, 0.52, 0.61, 0.72, 0.86};

// Where each of a column's texts stands, in the order of GenerationColumn::Text.
constexpr std::array<double, GenerationColumn::kTextCount> kTextFractions{0.03, 0.12, 0.17, 0.26, 0.31, 0.45,
                                                                          0.54, 0.64, 0.79, 0.87, 0.92};

// A y in the band whose top is at top.
double bandY(const ChartBox& box, float top, double fraction) { return double(top) + double(box.bandHeight) * fraction; }

void generateChart(AppContext& ctx, int32_t startRin) {
    PageLog& log = ctx.pageLog;
    const std::string runTitle = startRunTitle(ctx, startRin);
    log.begin("RSC", runPage(ctx));
    const std::string date = todayText(ctx).str();
    const ChartBox box = chartBoxOn(log.page());
    // Leaves the font at "Times" 10, the font of everything below.
    drawListHeading(log, {TW_TR("ResearchStatusChart", "Research Status Chart"), runTitle, date, ctx.dataFilePath,
                          box.left, box.right, box.centre});

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

    int first = 1;
    for (int band = 0; band < box.bands; ++band) first = drawChartBand(log, columns, band, first);
    // Columns left over are not drawn; a note under the chart says so.
    const int notDrawn = first;
    if (notDrawn <= int(columns.size()) || moreGenerations)
        log.text(box.left, double(box.bottom) + kNoteBelow,
                 fillIn(TW_TR("ResearchStatusChart", "Generations %1 and later are not shown."),
                        {std::to_string(notDrawn)}));
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
        return fillIn(TW_TR("ResearchStatusList", "%1 B"), {billions});
    }
    trillions.resize(std::min(trillions.size(), kKept));
    if (trillions.find('.') == std::string::npos) return text.format("%11.5e", positions).str();
    return fillIn(TW_TR("ResearchStatusList", "%1 T"), {trillions});
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
        t[C::kRelationship2] = report_words::self();
    } else if (g == 2) {
        t[C::kRelationship2] = TW_TR("ResearchStatusChart", "par");
    } else {
        if (g == 4) t[C::kRelationship1] = TW_TR("ResearchStatusChart", "G.");
        if (g >= 5) t[C::kRelationship1] = fillIn(TW_TR("ResearchStatusChart", "%1 G."), {std::to_string(g - 3)});
        t[C::kRelationship2] = TW_TR("ResearchStatusChart", "g'par");
    }
    if (positions > kMillions) {
        TextBuffer millions;
        std::string shown = millions.format("%4.2f", positions * 1e-6).str().substr(0, 4);
        if (shown.size() == 4 && shown[3] == '.') shown.resize(3);
        t[C::kPedigree] = shown;
        t[C::kPositions] = TW_TR("ResearchStatusChart", "M");
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

    const ChartBox box = chartBoxOn(log.page());
    const float top = kTop + float(band) * box.pitch;
    const float bottom = top + box.bandHeight;
    log.penWidth(kFramePen);
    log.moveTo(box.left, top);
    log.lineTo(box.right, top);
    log.lineTo(box.right, bottom);
    log.lineTo(box.left, bottom);
    log.lineTo(box.left, top);
    log.penWidth(kRulePen);
    log.moveTo(box.labelRight, top);
    log.lineTo(box.labelRight, bottom);
    for (const RowLabel& label : rowLabels()) log.text(box.labelX, bandY(box, top, label.fraction), label.text);
    for (const double fraction : kRowRules) {
        log.moveTo(box.left, bandY(box, top, fraction));
        log.lineTo(box.right, bandY(box, top, fraction));
    }

    // As many columns as fit with the smallest gap after each.
    float x = box.labelRight;
    float w = 0;
    int next = first;
    while (x < box.right) {
        w = width(next);
        ++next;
        x += w + kMinGap;
        if (next > count) break;
    }
    int end = next;
    if (x > box.right) {
        end = next - 1;  // the last column tried does not fit
        x -= w + kMinGap;
    }
    if (end == first) {
        // A column wider than the whole band still gets the band to itself.
        end = first + 1;
        x += w + kMinGap;
    }

    // The spare width is shared out equally over the gaps.
    const float gap = (box.right - x) / float(end - first) + kMinGap;
    x = box.labelRight;
    for (int g = first; g < end; ++g) {
        const GenerationColumn& column = columns[size_t(g - 1)];
        const float centre = x + gap / 2 + column.width / 2;
        for (size_t i = 0; i < column.texts.size(); ++i)
            log.textCentered(centre, bandY(box, top, kTextFractions[i]), column.texts[i]);
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
