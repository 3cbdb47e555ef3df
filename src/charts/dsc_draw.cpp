// Drawing of the Descendant Summary Chart's four formats: the page furniture, the
// couple box (format 1) or banner (formats 2 to 4), the rows and their generation
// cells, the header row with the totals of each generation, and the totals box.

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "charts/dsc_parts.h"
#include "paf/dates.h"
#include "paf/records.h"
#include "reports/list_page.h"
#include "reports/wrap_name.h"

namespace tw::dsc {

namespace {

std::string_view repeatNote() { return TW_TR("DescendantSummaryChart", "*repeat descendants involved"); }

// Positions on upright letter; other pages move those measured from the right or the
// bottom edge with that edge, and those of a middle by half as much.
// Format 1: the title, the couple box and the line from it down to the header row.
constexpr double kTitleX = 4.5;
constexpr double kCoupleBoxTop = 2.05;
constexpr double kCoupleBoxBottom = 8.75;
constexpr double kCoupleMiddle = 5.25;  // where "and" stands
constexpr double kWordStep = 0.4;       // one word of a stacked name to the next
constexpr double kRowsMiddle = 5.46;
constexpr double kTitleBoxBottom = 1.7;
// Formats 2 to 4: the title stands this far from the sheet's left edge on every page.
constexpr double kBannerTitleX = 3.5;
// The totals box: this wide at the right margin, narrower where the repeat note
// beside it or the left margin leaves less.
constexpr double kTotalsBoxWidth = 4.75;
constexpr double kTotalsLabelEnd = 0.85;  // the labels end this far left of the right margin
std::string_view familyTotals() {
    return TW_TR("DescendantSummaryChart", "family totals (parents, descendants, and all spouses):");
}
// A banner label as drawn, a space after its word ("born: ").
std::string bannerLabel(std::string_view word) { return std::string(word) + " "; }
// The notes of what the chart leaves out: their type, and how far below the bottom
// margin they start.
constexpr int32_t kFootNoteSize = 7;
constexpr double kFootNoteDrop = 0.06;

bool rowsClear(const Chart& chart, double firstRowTop, size_t rows, double above) {
    const DscTuning& t = chart.tuning;
    const double rowsBottom = firstRowTop + double(rows - 1) * double(t.boxcc) + double(t.boxheight);
    return firstRowTop >= above + kRowClearance && rowsBottom <= headerRowTop(chart) - kRowClearance;
}

double rowTextWidth(const Chart& chart, std::string_view text) {
    return chart.log.textWidthInFont(text, "Times", chart.tuning.rowFont) * chart.log.pageWidth();
}

double totalsBoxLeft(const Chart& chart) {
    const double noteEnd = chart.repeatSeen ? chart.left + rowTextWidth(chart, repeatNote()) + kTextClearance
                                            : chart.left;
    return std::max(chart.right - kTotalsBoxWidth, noteEnd);
}

// A page smaller than the sheet the format was drawn for does not take rows in type
// smaller than kSmallestRowFont.
bool rowTypeTooSmall(const Chart& chart) {
    const bool smallerPage = chart.shift.width < 0 || chart.shift.height < 0;
    return smallerPage && chart.tuning.rowFont < kSmallestRowFont;
}

double units(const PageLog& log) { return double(std::max(log.pixelsPerInch(), 1)); }

double inches(const PageLog& log, std::string_view text) { return double(log.textWidth(text)) / units(log); }

std::vector<std::string> splitAtBlanks(const std::string& text) {
    std::vector<std::string> words;
    size_t start = 0;
    for (size_t blank = text.find(' '); blank != std::string::npos; blank = text.find(' ', start)) {
        words.push_back(text.substr(start, blank - start));
        start = blank + 1;
    }
    words.push_back(text.substr(start));
    return words;
}

// The arrow that leads into a box's left side at height y.
void arrowInto(Chart& chart, double x, double y) {
    chart.log.arrow(x - double(chart.tuning.inter_column_space), y, x, y, chart.tuning.slinew);
}

// The words nearest "and" stand half above and below it; half shrinks as the names
// grow, and the box holds them while half leaves a whole word step to "and".
double stackedHalf(size_t husbandWords, size_t wifeWords) {
    return (3.2 - kWordStep * double(std::max(husbandWords, wifeWords))) / 2;
}

// Format 1's couple box on the page: its top and bottom, and where "and" stands.
struct CoupleBox {
    double top, bottom, middle;
};

CoupleBox coupleBox(const Chart& chart) {
    return {kCoupleBoxTop, kCoupleBoxBottom + chart.shift.height, kCoupleMiddle + chart.shift.height / 2};
}

// The couple's names word by word, as format 1 stacks them.
struct StackedCouple {
    std::vector<std::string> husband, wife;
};

StackedCouple stackedCouple(const CoupleNames& couple) {
    const auto words = [](const std::string& name) {
        return name.empty() ? std::vector<std::string>{} : splitAtBlanks(name);
    };
    return {words(couple.husband), words(couple.wife)};
}

// Where the first word stands and how many there are: with both partners, the
// husband's words above "and" and the wife's below; with one, that one's words
// centred where "and" would stand.
struct StackedWords {
    double highest, lowest;
};

StackedWords stackedWords(const StackedCouple& couple, const CoupleBox& box) {
    if (couple.husband.empty() || couple.wife.empty()) {
        const size_t n = std::max(couple.husband.size(), couple.wife.size());
        const double highest = box.middle - kWordStep * double(n - std::min<size_t>(n, 1)) / 2;
        return {highest, highest + kWordStep * double(n - std::min<size_t>(n, 1))};
    }
    const double half = stackedHalf(couple.husband.size(), couple.wife.size());
    return {box.middle - half - kWordStep * double(couple.husband.size() - 1),
            box.middle + half + kWordStep * double(couple.wife.size() - 1)};
}

// The stacked names fit when half leaves a whole word step to "and" and the box
// holds the first and the last word.
bool stackedCoupleFits(const StackedCouple& couple, const CoupleBox& box) {
    const StackedWords at = stackedWords(couple, box);
    const bool both = !couple.husband.empty() && !couple.wife.empty();
    const bool roomForAnd = !both || stackedHalf(couple.husband.size(), couple.wife.size()) >= kWordStep - 1e-9;
    return roomForAnd && at.highest >= box.top + kRowClearance && at.lowest + kWordStep <= box.bottom;
}

void drawStackedCouple(Chart& chart, const StackedCouple& couple, double cx, const CoupleBox& box) {
    PageLog& log = chart.log;
    const size_t husbandWords = couple.husband.size(), wifeWords = couple.wife.size();
    if (husbandWords == 0 || wifeWords == 0) {
        const std::vector<std::string>& words = husbandWords == 0 ? couple.wife : couple.husband;
        const double highest = stackedWords(couple, box).highest;
        for (size_t i = 0; i < words.size(); ++i) log.textCentered(cx, highest + kWordStep * double(i), words[i]);
        return;
    }
    const double half = stackedHalf(husbandWords, wifeWords);
    log.textCentered(cx, box.middle, TW_TR("Reports", "and"));
    for (size_t i = 0; i < husbandWords; ++i)
        log.textCentered(cx, box.middle - half - kWordStep * double(husbandWords - 1 - i), couple.husband[i]);
    for (size_t i = 0; i < wifeWords; ++i)
        log.textCentered(cx, box.middle + half + kWordStep * double(i), couple.wife[i]);
}

// One header box per depth below the children, from the couple's view, with the
// number of descendants first met at that depth; the row ends at the first depth
// that adds no one (no box is drawn for it). total and spouses gather the counts of
// every depth, also of one cut off at the right margin, whose box is not drawn.
void drawGenerationHeaders(Chart& chart, double headerTop, double headerBottom, int64_t& total, int64_t& spouses) {
    const DscTuning& t = chart.tuning;
    PageLog& log = chart.log;
    const double limit = chart.right + 0.05;
    for (size_t d = 1;; ++d) {
        int64_t column = 0;
        const GenerationCell* first = nullptr;
        for (const ChildRow& row : chart.rows) {
            if (row.x + row.width > limit) break;
            if (row.cells.size() < d) continue;
            const GenerationCell& cell = row.cells[d - 1];
            if (first == nullptr) first = &cell;
            column += cell.distinct;
            spouses += cell.spouseCount;
        }
        if (column == 0) return;
        total += column;
        if (first->x + first->width > limit) continue;
        log.penWidth(t.dlinew);
        drawBox(log, first->x, headerTop, first->x + first->width, headerBottom);
        arrowInto(chart, first->x, chart.headerMid);
        const double centre = first->x + first->width / 2;
        log.textCentered(centre, headerTop + 0.26 * chart.furniture, generationLabel(int(d) + 1, chart.format));
        log.textCentered(centre, headerTop + 0.08 * chart.furniture, std::to_string(column));
    }
}

// "date, place" of an event; the one alone where the other is not recorded.
std::string eventText(AppContext& ctx, const PafDate& date, int32_t placeOffset) {
    const std::string when = formatDateText(ctx, date).str();
    const std::string where = ctx.file.readText(placeOffset).value_or("");
    return when.empty() || where.empty() ? when + where : when + ", " + where;
}

// The banner's texts; a partner not recorded has neither name nor birth.
struct BannerTexts {
    bool hasHusband = false, hasWife = false;
    std::string husband, wife;
    std::string married, husbandBorn, wifeBorn;
};

BannerTexts bannerTexts(Chart& chart) {
    BannerTexts texts;
    AppContext& ctx = chart.ctx;
    MarriageRecord couple;
    readMarriage(ctx.file, chart.firstMrin, couple);
    texts.hasHusband = couple.husband != 0;
    texts.hasWife = couple.wife != 0;
    const auto named = [](const std::string& name) {
        return name.empty() ? std::string(TW_TR("Reports", "(no name)")) : name;
    };
    if (texts.hasHusband) texts.husband = named(chart.couple.husband);
    if (texts.hasWife) texts.wife = named(chart.couple.wife);
    IndividualRecord husband, wife;
    readIndividual(ctx.file, couple.husband, husband);
    readIndividual(ctx.file, couple.wife, wife);
    texts.married = eventText(ctx, couple.date, couple.placeOffset);
    if (texts.hasHusband) texts.husbandBorn = eventText(ctx, husband.birth, husband.birthPlaceOffset);
    if (texts.hasWife) texts.wifeBorn = eventText(ctx, wife.birth, wife.birthPlaceOffset);
    return texts;
}

// What the banner's names and events leave free across it at least.
constexpr double kBannerSpare = 0.25;


// Names and event texts that leave less than room: the shorter of the two kinds
// keeps its width where it needs no more than half, the other takes the rest; names
// are shortened in the middle, events at the end.
void shortenBannerTexts(PageLog& log, BannerTexts& texts, BannerType type, double room) {
    log.fontSize(type.names);
    const double nameWidth = std::max(inches(log, texts.husband), inches(log, texts.wife));
    log.fontSize(type.events);
    const double eventWidth = std::max({inches(log, texts.married), inches(log, texts.husbandBorn),
                                        inches(log, texts.wifeBorn)});
    if (nameWidth + eventWidth <= room) return;
    double nameRoom = room / 2, eventRoom = room / 2;
    if (eventWidth <= room / 2) nameRoom = room - eventWidth;
    else if (nameWidth <= room / 2) eventRoom = room - nameWidth;
    for (std::string* event : {&texts.married, &texts.husbandBorn, &texts.wifeBorn})
        *event = shortenToWidth(log, *event, eventRoom);
    log.fontSize(type.names);
    for (std::string* name : {&texts.husband, &texts.wife}) *name = shortenInMiddle(log, *name, nameRoom);
}

// A banner format's own values for row sizing.
struct RowSizing {
    int32_t limit, threshold, font;
    float ratio, roundShift;
};

RowSizing rowSizing(const DscTuning& t, int format) {
    if (format == 2)
        return {t.DSC2mk, t.DSC2_childcnt_proportion, t.DSC2childFont, t.DSC2_boxh_boxcc_ratio, t.DSC2fontRndShift};
    if (format == 3)
        return {t.DSC3mk, t.DSC3_childcnt_proportion, t.DSC3childFont, t.DSC3_boxh_boxcc_ratio, t.DSC3fontRndShift};
    return {t.DSC4mk, t.DSC4_childcnt_proportion, t.DSC4childFont, t.DSC4_boxh_boxcc_ratio, t.DSC4fontRndShift};
}

// Rows shrunk to fill the page from the banner down to 1.4 inch above the bottom
// margin, the font scaled with them.
void shrinkRows(DscTuning& t, const RowSizing& sizing, double bottom, double bannerBottom, size_t n) {
    const double old = t.boxcc;
    t.boxcc = float(((bottom - 1.4) - bannerBottom) / double(n));
    t.boxheight = t.boxcc * sizing.ratio;
    const double scaled = double(t.boxcc) / old * sizing.font + sizing.roundShift;
    t.rowFont = fontPoints(scaled, fontPoints(sizing.font, 12));
}

// The top of the first row below a banner.
double bannerRowsTop(const Chart& chart, double bannerBottom) {
    const DscTuning& t = chart.tuning;
    const double n = double(chart.rows.size());
    if (chart.format == 2) return (double(t.DSC2_center_y) + chart.shift.height / 2) - double(t.boxcc) * 0.5 * n;
    const float adjust = chart.format == 3 ? t.DSC3_center_y_adjust : t.DSC4_center_y_adjust;
    return ((bannerBottom + chart.bottom) - adjust) * 0.5 - n * 0.5 * t.boxcc;
}

// The top of the first row, or none when there are more rows than the format takes.
std::optional<double> sizeRows(Chart& chart, int format, double bannerBottom) {
    DscTuning& t = chart.tuning;
    const RowSizing sizing = rowSizing(t, format);
    const size_t n = chart.rows.size();
    const auto tooMany = [&] { return sizing.limit < 0 || n > size_t(sizing.limit); };
    // Rows shrink above the format's threshold, and whenever they would reach the
    // banner or the header row.
    const auto firstRowTop = [&] { return bannerRowsTop(chart, bannerBottom); };
    const auto shrinks = [&] {
        return sizing.threshold < 0 || n > size_t(sizing.threshold) || !rowsClear(chart, firstRowTop(), n, bannerBottom);
    };
    if (format == 2) {
        t.rowFont = fontPoints(sizing.font, 12);
        if (shrinks()) shrinkRows(t, sizing, chart.bottom, bannerBottom, n);
        if (tooMany()) return std::nullopt;
        return firstRowTop();
    }
    if (tooMany()) return std::nullopt;
    t.rowFont = fontPoints(sizing.font, 8);
    if (shrinks()) shrinkRows(t, sizing, chart.bottom, bannerBottom, n);
    return firstRowTop();
}

}  // namespace

// The header row's top: 1.2 in above the bottom margin (the totals box, a gap, the
// row), less in a compact form.
double headerRowTop(const Chart& chart) { return chart.bottom - 1.2 * chart.furniture; }

void ensureOneRow(Chart& chart) {
    if (!chart.rows.empty()) return;
    chart.rows.emplace_back().empty = true;
}

void drawRepeatNote(Chart& chart) {
    if (chart.repeatSeen) chart.log.text(chart.left, chart.bottom - 0.3 * chart.furniture, repeatNote());
}

// What the chart leaves out, under its totals box: what the walk did not count, and
// the generations that did not fit across.
void drawFootNotes(Chart& chart) {
    std::string text;
    for (const std::string& note : chart.footNotes) text += (text.empty() ? "" : " ") + note;
    if (chart.shownGenerations > 0)
        text += (text.empty() ? "" : " ") +
                fillIn(TW_TR("DescendantSummaryChart",
                             "Only the first %1 of %2 generations fit across the page; the totals count them all."),
                       {std::to_string(chart.shownGenerations), std::to_string(chart.allGenerations)});
    if (text.empty()) return;
    PageLog& log = chart.log;
    log.fontSize(kFootNoteSize);
    double y = chart.bottom + kFootNoteDrop;
    for (const std::string& line : wrapName(log, text, chart.right - chart.left)) {
        log.text(chart.left, y, line);
        y += double(kFootNoteSize) * kCellHeight / 72;
    }
}

// The texts of the totals box, at the rows' type, and the note beside it stay clear
// of its sides.
bool totalsFit(const Chart& chart) {
    return chart.right - kTotalsLabelEnd - rowTextWidth(chart, familyTotals()) >= totalsBoxLeft(chart) + kTextClearance;
}

// Whether a text of the current type centred at x stays within left and right.
bool centredWithin(const PageLog& log, std::string_view text, double x, double left, double right) {
    const double half = inches(log, text) / 2;
    return x - half >= left + kTextClearance && x + half <= right - kTextClearance;
}

// The header row under the rows: the children, then one box per generation with
// the number of descendants first met there, as long as a generation adds someone;
// then the totals box. Returns the top of the header row.
double drawHeaderAndTotals(Chart& chart) {
    const DscTuning& t = chart.tuning;
    PageLog& log = chart.log;
    const ChildRow& first = chart.rows.front();
    const double bottom = chart.bottom;
    const double right = chart.right;
    const double k = chart.furniture;
    const double totalsTop = bottom - 0.5 * k;
    const double headerTop = headerRowTop(chart);
    const double headerBottom = headerTop + 0.5 * k;
    chart.headerMid = (headerTop + headerBottom) / 2;

    log.fontSize(t.rowFont);
    log.penWidth(t.dlinew);
    const double x0 = chart.format == 1 ? first.x : chart.left;
    drawBox(log, x0, headerTop, first.x + first.width, headerBottom);
    if (chart.format == 1) arrowInto(chart, first.x, chart.headerMid);
    log.penWidth(t.dlinew);
    drawBox(log, totalsBoxLeft(chart), totalsTop, right, bottom);

    const int64_t children = first.empty ? 0 : int64_t(chart.rows.size());
    int64_t spouses = 0;
    if (!first.empty)
        for (const ChildRow& row : chart.rows) spouses += row.marriageCount;
    // In the middle of the header box, which in the banner forms reaches left to the
    // margin, beyond the rows.
    const double centre = (x0 + first.x + first.width) / 2;
    log.textCentered(centre, headerTop + 0.26 * k, childrenWord(size_t(children)));
    log.textCentered(centre, headerTop + 0.08 * k, std::to_string(children));

    int64_t total = children;
    drawGenerationHeaders(chart, headerTop, headerBottom, total, spouses);
    log.textRight(right - 0.15, totalsTop + 0.09 * k, std::to_string(total));
    log.textRight(right - kTotalsLabelEnd, totalsTop + 0.09 * k, TW_TR("DescendantSummaryChart", "total descendants:"));
    log.textRight(right - 0.15, totalsTop + 0.26 * k, std::to_string(total + spouses + 2));
    log.textRight(right - kTotalsLabelEnd, totalsTop + 0.26 * k, familyTotals());
    return headerTop;
}

void drawHeaderArrowAndNotes(Chart& chart, double coupleLineBottom) {
    PageLog& log = chart.log;
    const double headerTop = drawHeaderAndTotals(chart);
    const double arrowStart = headerTop - chart.tuning.inter_column_space;
    log.moveTo(chart.coupleLineX, coupleLineBottom);
    log.lineTo(chart.coupleLineX, arrowStart);
    log.arrow(chart.coupleLineX, arrowStart, chart.coupleLineX, headerTop, chart.tuning.slinew);
    drawRepeatNote(chart);
    drawFootNotes(chart);
    log.commit();
}


// The couple banner from y1 to y3: names at the left, a rule, then the event texts.
// False when they leave less than a quarter inch to spare, unless they may be
// shortened to leave it.
bool drawBanner(Chart& chart, double y1, double y3, BannerType type, bool shorten) {
    const DscTuning& t = chart.tuning;
    PageLog& log = chart.log;
    BannerTexts texts = bannerTexts(chart);
    const double across = chart.right - chart.left - 2 * double(t.dlinew) - t.slinew;
    const std::string_view born = TW_TR("DescendantSummaryChart", "born:");
    const std::string_view married = TW_TR("DescendantSummaryChart", "married:");
    if (shorten) {
        log.fontSize(type.events);
        const double room = across - kBannerSpare - inches(log, bannerLabel(married)) - kTextClearance;
        shortenBannerTexts(log, texts, type, room);
    }
    log.fontSize(type.names);
    const double nameWidth = std::max(inches(log, texts.husband), inches(log, texts.wife));
    log.fontSize(type.events);
    const double eventWidth = std::max({inches(log, texts.married), inches(log, texts.husbandBorn),
                                        inches(log, texts.wifeBorn)});
    const double labelWidth = inches(log, bannerLabel(married));
    const double free = across - (nameWidth + eventWidth + labelWidth);
    if (free < kBannerSpare) return false;

    log.penWidth(t.slinew);
    const double xd = chart.left + 0.6 * free + nameWidth;
    log.moveTo(xd, y1);
    log.lineTo(xd, y3);
    const double h = y3 - y1;
    const double ya = y1 + 0.15 * h;
    const double yb = ya + 0.25 * h;
    const double yc = yb + 0.25 * h;
    const double xl = xd + 0.2 * free + labelWidth;
    if (texts.hasHusband) log.textRight(xl, ya, bannerLabel(born));
    if (texts.hasWife) log.textRight(xl, yc, bannerLabel(born));
    log.textRight(xl, yb, bannerLabel(married));
    // An event with neither date nor place: its label alone.
    if (!texts.husbandBorn.empty()) log.text(xl, ya, texts.husbandBorn);
    if (!texts.married.empty()) log.text(xl, yb, texts.married);
    if (!texts.wifeBorn.empty()) log.text(xl, yc, texts.wifeBorn);
    const double xc = (xd + chart.left) / 2;
    if (texts.hasHusband && texts.hasWife) log.textCentered(xc, yb, TW_TR("Reports", "and"));
    log.fontSize(type.names);
    if (texts.hasHusband) log.textCentered(xc, ya, texts.husband);
    if (texts.hasWife) log.textCentered(xc, yc, texts.wife);
    return true;
}

// The settings a banner format starts from.
void applyFormatSettings(Chart& chart, int format) {
    DscTuning& t = chart.tuning;
    chart.format = format;
    if (format == 3) {
        t.right_margin = 10.25F;
        t.bottom_margin = 7.75F;
        t.boxcc = 0.35F;
        t.boxheight = 0.3F;
        t.inter_column_space = 0.2F;
    } else if (format == 4) {
        t.right_margin = t.DSC4rightMargin;
        t.bottom_margin = t.DSC4bottomMargin;
        t.boxcc = t.DSC4boxCc;
        t.boxheight = t.DSC4boxHeight;
    }
}

int drawFormat1(Chart& chart) {
    DscTuning& t = chart.tuning;
    PageLog& log = chart.log;
    t.bottom_margin = 10.25F;
    t.right_margin = 7.75F;
    chart.format = 1;
    fitMarginsToPage(chart);
    const double titleX = kTitleX + chart.shift.width / 2;
    log.fontSize(16);
    log.fontName("Times");
    if (!centredWithin(log, chartTitle(), titleX, t.left_margin, chart.right)) return 1;
    log.textCentered(titleX, 1.15, chartTitle());
    log.fontSize(12);
    log.textCentered(titleX, 1.45, chart.today);
    log.penWidth(t.dlinew);
    drawBox(log, t.left_margin, t.top_margin, chart.right, kTitleBoxBottom);

    log.fontSize(16);
    const StackedCouple couple = stackedCouple(chart.couple);
    double widest = couple.husband.empty() || couple.wife.empty() ? 0 : inches(log, "/");
    for (const auto* words : {&couple.husband, &couple.wife})
        for (const std::string& word : *words) widest = std::max(widest, inches(log, word));
    const CoupleBox box = coupleBox(chart);
    const double boxRight = t.left_margin + widest + 0.3;
    drawBox(log, t.left_margin, box.top, boxRight, box.bottom);
    const double cx = (t.left_margin + boxRight) / 2;
    log.penWidth(t.slinew);
    if (!stackedCoupleFits(couple, box)) return 1;  // a banner format names them
    drawStackedCouple(chart, couple, cx, box);

    ensureOneRow(chart);
    const size_t n = chart.rows.size();
    if (t.DSC1mk < 0 || n > size_t(t.DSC1mk)) return 1;
    t.rowFont = 12;
    const double rowsMiddle = kRowsMiddle + chart.shift.height / 2;
    const auto firstRowTop = [&] { return rowsMiddle - double(t.boxcc) * 0.5 * double(n); };
    if (n > 13 || !rowsClear(chart, firstRowTop(), n, kTitleBoxBottom)) {
        t.boxcc = 0.4F;
        t.boxheight = 0.3F;
        t.rowFont = 10;
    }
    if (!rowsClear(chart, firstRowTop(), n, kTitleBoxBottom) || rowTypeTooSmall(chart) || !totalsFit(chart)) return 1;
    const double x0 = boxRight + t.inter_column_space;
    if (layoutPass(chart, x0, firstRowTop()) == 1) return 1;

    drawHeaderAndTotals(chart);
    log.penWidth(t.slinew);
    log.moveTo(cx, box.bottom);
    log.lineTo(cx, chart.headerMid);
    log.lineTo(boxRight, chart.headerMid);
    drawRepeatNote(chart);
    drawFootNotes(chart);
    log.commit();
    return 0;
}

namespace {

// The rows of format 4 on a page no wider than format 3's, which failed on it: the
// type starts as large as the rows' boxes hold (up to the format's own) and goes
// down a point at a time to kSmallestRowFont, where the generations that still do
// not fit are left off. 0 when laid out.
int layOutSmallerRows(Chart& chart, double y0) {
    DscTuning& t = chart.tuning;
    const double boxHolds = (double(t.boxheight) - double(t.dlinew)) * 72 / kCellHeight;
    const int32_t startFont = fontPoints(std::min(double(fontPoints(t.DSC4childFont, 8)), boxHolds), 1);
    if (startFont < kSmallestRowFont) return 1;
    chart.log.snapshot();
    for (int32_t font = startFont;; --font) {
        chart.log.restoreSnapshot();
        chart.cutsGenerations = font <= kSmallestRowFont;
        t.rowFont = font;
        if (totalsFit(chart) && layoutPass(chart, chart.coupleLineX + t.inter_column_space, y0) == 0) return 0;
        if (chart.cutsGenerations) return 1;
    }
}

// The banner in its own type, or when that does not fit and smaller is allowed, in
// the largest of the smaller types that fits; false when none does.
bool drawFittingBanner(Chart& chart, double y1, double y3, bool smallerAllowed) {
    chart.log.snapshot();
    if (drawBanner(chart, y1, y3)) return true;
    if (!smallerAllowed) return false;
    for (const BannerType& type : kSmallerBannerTypes) {
        chart.log.restoreSnapshot();
        if (drawBanner(chart, y1, y3, type)) return true;
    }
    return false;
}

}  // namespace

int drawBannerFormat(Chart& chart, int format) {
    applyFormatSettings(chart, format);
    DscTuning& t = chart.tuning;
    PageLog& log = chart.log;
    fitMarginsToPage(chart);
    const double width = log.pageWidth();
    if (format == 3) chart.turnedWidth = width;
    // Format 4 on a sheet no wider than format 3's has only smaller type to offer.
    const bool sameSheet = format == 4 && width <= chart.turnedWidth + 1e-9;
    chart.cutsGenerations = format == 4 && !sameSheet;
    log.fontSize(18);
    log.fontName("Times");
    // The title stands left of today's date.
    const double titleEnd = chart.right - double(log.textWidthInFont(chart.today, "Times", 12)) * width;
    if (!centredWithin(log, chartTitle(), kBannerTitleX, 0, titleEnd)) return 1;
    log.textCentered(kBannerTitleX, t.top_margin, chartTitle());
    log.fontSize(12);
    log.textRight(chart.right, double(t.top_margin) + 0.1, chart.today);
    log.penWidth(t.dlinew);
    const double y1 = double(t.top_margin) + 0.4;
    const double y3 = y1 + 1.0;
    drawBox(log, t.left_margin, y1, chart.right, y3);
    if (!drawFittingBanner(chart, y1, y3, sameSheet)) return 1;

    chart.coupleLineX = double(t.left_margin) + 0.1;
    ensureOneRow(chart);
    const std::optional<double> y0 = sizeRows(chart, format, y3);
    if (!y0) return 1;
    if (sameSheet) {
        if (layOutSmallerRows(chart, *y0) == 1) return 1;
    } else if (rowTypeTooSmall(chart) || !totalsFit(chart) || layoutPass(chart, chart.coupleLineX + t.inter_column_space, *y0) == 1) {
        return 1;
    }

    drawHeaderArrowAndNotes(chart, y3);
    return 0;
}

void drawRows(Chart& chart) {
    const DscTuning& t = chart.tuning;
    PageLog& log = chart.log;
    const double pad = chart.format <= 2 && !chart.compact ? 0.1 : 0.05;
    const float textDrop = float(t.rowFont) / 140.0F;
    const double height = t.boxheight;
    for (const ChildRow& row : chart.rows) {
        if (row.empty) continue;
        log.penWidth(t.dlinew);
        log.fontSize(t.rowFont);
        drawBox(log, row.x, row.y, row.x + row.width, row.y + height);
        arrowInto(chart, row.x, row.y + height / 2);
        log.text(row.x + pad, row.y + height / 2 - textDrop, row.nameText);
    }
    for (auto row = chart.rows.rbegin(); row != chart.rows.rend(); ++row) {
        for (const GenerationCell& cell : row->cells) {
            if (cell.x + cell.width > chart.right + 0.05) break;
            log.penWidth(t.dlinew);
            drawBox(log, cell.x, cell.y, cell.x + cell.width, cell.y + height);
            arrowInto(chart, cell.x, cell.y + height / 2);
            log.textRight(cell.x + cell.width - pad, cell.y + height / 2 - textDrop, cell.label);
        }
    }
}

std::string_view childrenWord(size_t children) {
    return children == 1 ? TW_TR("DescendantSummaryChart", "child") : TW_TR("DescendantSummaryChart", "children");
}

}  // namespace tw::dsc
