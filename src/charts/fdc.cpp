#include "charts/fdc.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "base/translation.h"
#include "paf/dates.h"
#include "paf/navigation.h"
#include "paf/records.h"
#include "reports/descent.h"
#include "reports/list_page.h"
#include "reports/wrap_name.h"

namespace tw {

namespace {

// The table as drawn for landscape letter, in inches from the sheet's top-left
// corner; y is the top of a text. The edges and column boundaries are single
// precision. Every other sheet gets its positions from these (TableLayout below).
constexpr float kLeft = 0.75F;
constexpr float kTop = 0.75F;
constexpr float kBottom = 7.75F;
constexpr float kRight = 11.0F - kLeft;
constexpr float kBandTop = kTop + 1.35F;
constexpr float kBandBottom = kBandTop + 0.25F;
constexpr double kLineHeight = 2.0 / 11.0;
constexpr double kMargin = kLeft;
constexpr double kFrameWidth = double(kRight) - double(kLeft);

// Column boundaries: number | name | born | christened | died | age | buried |
// baptized | endowed | sealed to parents | married | sealed to spouse.
constexpr float kName = kLeft + 0.3F;
constexpr float kBorn = kName + 2.5F;
constexpr float kDateColumn = 0.71F;
constexpr float kChristened = kBorn + kDateColumn;
constexpr float kDied = kChristened + kDateColumn;
constexpr float kAge = kDied + kDateColumn;
constexpr float kBuried = kAge + 0.3F;
constexpr float kBaptized = kBuried + kDateColumn;
constexpr float kEndowed = kBaptized + kDateColumn;
constexpr float kSealedParents = kEndowed + kDateColumn;
constexpr float kMarried = kSealedParents + kDateColumn;
constexpr float kSealedSpouse = kMarried + kDateColumn;
// The boundaries right of the name column, which keep their distance from the
// frame's right edge.
constexpr std::array<float, 10> kDateRules{kBorn,     kChristened, kDied,          kAge,     kBuried,
                                           kBaptized, kEndowed,    kSealedParents, kMarried, kSealedSpouse};
enum DateRule : size_t { Born, Christened, Died, Age, Buried, Baptized, Endowed, SealedParents, Married, SealedSpouse };

constexpr double middle(double a, double b) { return (a + b) / 2; }

constexpr double kTitleY = 1.0;
constexpr double kRunTitleY = 1.4;
constexpr double kFileLineY = double(kBandTop) - 0.25;
constexpr double kHeadingY = double(kBandTop) + 0.035;
constexpr double kPageLabelY = double(kBottom) + 0.25;
constexpr double kFramePen = 0.018;
constexpr double kRulePen = 0.01;

constexpr double kChildNumberX = double(kLeft) + 0.1;
constexpr double kSpouseMarkX = double(kLeft) + 0.2;
constexpr double kNameX = double(kName) + 0.05;
constexpr double kNameHeadingX = double(kName) + 0.1;
constexpr double kFileNameX = double(kLeft) + 0.1;
constexpr double kDateRight = double(kRight) - 0.1;
// Dates end a little left of their column's right boundary, the sealing to the
// spouse a little less left of the frame.
constexpr double kDateInset = 0.03;
constexpr double kSealedSpouseInset = 0.02;
// "-----  " on the row of a child with several marriages.
constexpr double kSeveralMarriedEnd = double(kSealedSpouse) - 0.05;
constexpr double kSeveralSealedEnd = double(kRight) - 0.05;
constexpr const char* kSeveralMarriages = "-----  ";
constexpr int kAgeLimit = 110;
constexpr int kTitleSize = 22;
constexpr int kRunTitleSize = 16;
constexpr int kRowSize = 8;
// A date too wide for its column is printed smaller, down to this size, and then
// shortened.
constexpr int kSmallestDateSize = 6;
constexpr double kDateMargin = 0.06;  // of a date column, left free beside its date
constexpr double kNameMargin = 0.05;  // of the name column, left free right of the name

constexpr double kHusbandY = double(kBandBottom) + 0.05;
constexpr double kWifeY = kHusbandY + 0.2;
constexpr double kCoupleRuleY = double(kBandBottom) + 0.5;
constexpr double kFirstBlockY = kCoupleRuleY + 0.02;
// Where blocks start on every page after the first.
constexpr double kBlockTopY = double(kBandBottom) + 0.05;

// On a sheet narrower than letter turned the side margins shrink first, down to
// this; when the letter columns still do not fit between them, the whole table
// (columns, lines, type, margins above and below) is drawn smaller by the ratio of
// the widths, A5 turned for one at about four fifths with 6-point rows.
constexpr double kSmallestSideMargin = 0.4;
// The smallest type of a smaller table's rows; its dates may go one point lower.
constexpr int kSmallestRowSize = 6;

// The table on one page: landscape letter's layout, its frame anchored to the
// page's margins. Positions left of the name column's right edge keep their distance
// from the frame's left edge, those right of it from the frame's right edge, so that
// the name column takes the extra or missing width; y keep their distance from the
// frame's top, the page number from its foot. All distances are multiplied by the
// scale, 1 unless the sheet is narrower than letter turned. On letter every value
// is exactly the drawn one.
class TableLayout {
public:
    explicit TableLayout(const PageGeometry& page) {
        const double printerSide = std::max(page.marginLeft, page.marginRight);
        const double side =
            std::max(std::clamp((page.width - kFrameWidth) / 2, kSmallestSideMargin, kMargin), printerSide);
        scale_ = std::min(1.0, (page.width - 2 * side) / kFrameWidth);
        const double printerEnd = std::max(page.marginTop, page.marginBottom);
        const double end = std::max(kMargin * scale_, printerEnd + (kPageLabelY + kLineHeight - kBottom) * scale_);
        // Exactly 0 on letter: the frame's edges there are the drawn ones.
        const SheetDifference letter = differenceFrom(page, Paper::Letter);
        shiftLeft_ = side - kMargin;
        shiftRight_ = letter.width - (side - kMargin);
        shiftTop_ = end - kMargin;
        shiftBottom_ = letter.height - (end - kMargin);
    }

    double scale() const { return scale_; }
    double fromLeft(double x) const { return x + shiftLeft_ + (x - kLeft) * (scale_ - 1); }
    double fromRight(double x) const { return x + shiftRight_ + (x - kRight) * (scale_ - 1); }
    double fromTop(double y) const { return y + shiftTop_ + (y - kTop) * (scale_ - 1); }
    double fromBottom(double y) const { return y + shiftBottom_ + (y - kBottom) * (scale_ - 1); }
    double length(double d) const { return d * scale_; }
    // A type size of the letter table; a smaller table's type is smaller with it,
    // but never below smallest.
    int points(int size, int smallest) const {
        if (scale_ >= 1) return size;
        return std::max(smallest, int(double(size) * scale_ + 1e-9));
    }

private:
    double scale_ = 1;
    double shiftLeft_ = 0, shiftRight_ = 0, shiftTop_ = 0, shiftBottom_ = 0;
};

// Every position the chart draws at, derived once from the page.
struct TableGeometry {
    explicit TableGeometry(const PageGeometry& page)
        : map(page),
          left(map.fromLeft(kLeft)),
          right(map.fromRight(kRight)),
          top(map.fromTop(kTop)),
          bottom(map.fromBottom(kBottom)),
          bandTop(map.fromTop(kBandTop)),
          bandBottom(map.fromTop(kBandBottom)),
          lineHeight(map.length(kLineHeight)),
          centre(page.centreX()),
          name(map.fromLeft(kName)),
          titleSize(map.points(kTitleSize, kSmallestRowSize)),
          runTitleSize(map.points(kRunTitleSize, kSmallestRowSize)),
          rowSize(map.points(kRowSize, kSmallestRowSize)),
          smallestDateSize(map.points(kSmallestDateSize, kSmallestRowSize - 1)) {
        for (size_t i = 0; i < kDateRules.size(); ++i) rules[i] = map.fromRight(kDateRules[i]);
    }

    // The right boundary of the column that starts at rule i.
    double columnEnd(size_t i) const { return i + 1 < rules.size() ? rules[i + 1] : right; }
    double dateEnd(size_t rule) const { return rules[rule] - map.length(kDateInset); }
    double heading(size_t i) const { return middle(rules[i], columnEnd(i)); }
    double dateWidth() const { return map.length(double(kDateColumn) - kDateMargin); }
    double nameX() const { return map.fromLeft(kNameX); }
    double nameWidth() const { return rules[Born] - nameX() - map.length(kNameMargin); }

    TableLayout map;
    double left, right, top, bottom;
    double bandTop, bandBottom;
    double lineHeight;
    double centre;
    double name;                    // the name column's left boundary
    std::array<double, 10> rules{};  // the boundaries right of it, as kDateRules
    int titleSize, runTitleSize, rowSize, smallestDateSize;
};

// Where one row of a block stands.
struct RowPlace {
    int32_t page = 0;
    double y = 0;
};

// One child with his or her spouses: the child's row, one row a marriage, and, when
// the child has more marriages than the block holds, a row that counts the rest.
struct ChildBlock {
    int32_t number = 0;
    int32_t rin = 0;
    FamilySlot family;
    int32_t leftOut = 0;
    std::vector<RowPlace> rows;

    int32_t rowCount() const { return 1 + family.count + (leftOut > 0 ? 1 : 0); }
    // What the child's own row shows in the marriage columns.
    int32_t childMarriage() const {
        if (family.totalMarriages > 1) return -1;
        return family.count == 1 ? family.mrins[0] : 0;
    }
};

// Whole calendar years from start to end: one fewer when end falls before the
// anniversary in its year (a missing month or day counts as before any other).
int ageInYears(const DecodedDate& start, const DecodedDate& end) {
    const bool beforeAnniversary =
        end.month1 < start.month1 || (end.month1 == start.month1 && end.day1 < start.day1);
    return end.year1 - start.year1 - (beforeAnniversary ? 1 : 0);
}

class FamilyDateChart {
public:
    FamilyDateChart(AppContext& ctx, const ReportInput& input)
        : ctx_(ctx), log_(ctx.pageLog), input_(input), names_(ctx), date_(todayText(ctx).str()) {}

    void run();

private:
    double layoutBlock(ChildBlock& block, double y);
    void drawBlock(const ChildBlock& block, int32_t page);
    void personRow(double y, int32_t rin, int32_t marriage);
    void rightDate(double x, double y, const PafDate& date, bool ordinance);
    void drawHeader();
    void rule(double y);

    AppContext& ctx_;
    PageLog& log_;
    const ReportInput& input_;
    ListNames names_;
    const std::string date_;
    std::optional<TableGeometry> table_;
    CoupleNames couple_;  // the title: "husband and wife", or the one partner recorded
    std::string mrinText_;
    int32_t layoutPage_ = 1;
    int pageCounter_ = 1;
};

void FamilyDateChart::run() {
    log_.begin("Family Date Chart", runPage(ctx_, true));
    table_.emplace(log_.page());
    const TableGeometry& g = *table_;
    pageCounter_ = 1;

    const int32_t mrin = input_.mrins.fetch(0);
    MarriageRecord couple;
    if (!readMarriage(ctx_.file, mrin, couple)) {
        ctx_.host.message(TW_TR("Messages", "The MRIN is invalid"), "Error");
        abortRun(ctx_, "rptFamilyDateChart a", mrin, -1, {"marriage", mrin, "record", mrin, ctx_.file.highestMrin()});
    }
    couple_ = {names_.of(couple.husband), names_.of(couple.wife)};
    mrinText_ = fillIn(TW_TR("FamilyDateChart", "MRIN: %1"), {std::to_string(mrin)});
    const IntList marriages = startCouples(input_.mrins);

    drawHeader();
    log_.penWidth(kFramePen);
    rule(g.map.fromTop(kCoupleRuleY));
    const double numberCentre = middle(g.left, g.name);
    const double husbandY = g.map.fromTop(kHusbandY);
    const double wifeY = g.map.fromTop(kWifeY);
    log_.textCentered(numberCentre, husbandY, TW_TR("FamilyDateChart", "H"));
    personRow(husbandY, couple.husband, mrin);
    log_.textCentered(numberCentre, wifeY, TW_TR("FamilyDateChart", "W"));
    personRow(wifeY, couple.wife, mrin);

    // Every block gets its page before anything is drawn.
    const IntList children = getChildRins(ctx_, marriages);
    std::vector<ChildBlock> blocks;
    layoutPage_ = 1;
    double y = g.map.fromTop(kFirstBlockY);
    for (int32_t i = 0; i + 2 < children.size(); i += 3) {
        if (ctx_.host.cancelRequested()) break;
        ChildBlock& block = blocks.emplace_back();
        block.number = i / 3 + 1;
        block.rin = children.fetch(i);
        y = layoutBlock(block, y);
    }

    // Blocks come in page order; a page draws those that have a row on it.
    size_t first = 0;
    for (int32_t page = 1; page <= layoutPage_; ++page) {
        while (first < blocks.size() && blocks[first].rows.back().page < page) ++first;
        for (size_t b = first; b < blocks.size() && blocks[b].rows.front().page <= page; ++b) drawBlock(blocks[b], page);
        if (page != layoutPage_) {
            log_.newPage();
            drawHeader();
        }
    }
    log_.commit();
    ctx_.host.showProgress(-1);
    log_.newPage();
    log_.end();
}

// Places the block's rows from y on the current layout page and returns the y of the
// next block. A block that would end below the frame moves whole to the next page;
// one that is taller than a whole page starts there and goes on over as many pages
// as it needs.
double FamilyDateChart::layoutBlock(ChildBlock& block, double y) {
    DLgetmrins(ctx_, block.rin, 0, block.number, block.family);
    block.leftOut = block.family.totalMarriages - block.family.count;

    const TableGeometry& g = *table_;
    const double lineHeight = g.lineHeight;
    const double blockTop = double(float(g.map.fromTop(kBlockTopY)));
    const int32_t rowCount = block.rowCount();
    y = double(float(y));
    if (y + rowCount * lineHeight > g.bottom) {
        ++layoutPage_;
        y = blockTop;
    }
    double rowTop = y;
    int32_t rowsOnPage = 0;
    for (int32_t r = 0; r < rowCount; ++r) {
        double rowY = rowTop + rowsOnPage * lineHeight;
        if (rowsOnPage > 0 && rowY + lineHeight > g.bottom) {
            ++layoutPage_;
            rowTop = blockTop;
            rowsOnPage = 0;
            rowY = rowTop;
        }
        block.rows.push_back({layoutPage_, rowY});
        ++rowsOnPage;
    }
    return block.rows.back().y + lineHeight + 0.6 * lineHeight;
}

void FamilyDateChart::drawBlock(const ChildBlock& block, int32_t page) {
    const TableGeometry& g = *table_;
    for (int32_t r = 0; r < int32_t(block.rows.size()); ++r) {
        const RowPlace& place = block.rows[size_t(r)];
        if (place.page != page) continue;
        if (r == 0) {
            log_.text(g.map.fromLeft(kChildNumberX), place.y, std::to_string(block.number));
            personRow(place.y, block.rin, block.childMarriage());
        } else if (r <= block.family.count) {
            log_.text(g.map.fromLeft(kSpouseMarkX), place.y, TW_TR("FamilyDateChart", "S"));
            personRow(place.y, block.family.spouses[size_t(r - 1)], block.family.mrins[size_t(r - 1)]);
        } else {
            log_.text(g.nameX(), place.y,
                      block.leftOut == 1 ? std::string(TW_TR("FamilyDateChart", "(1 more marriage not shown)"))
                                         : fillIn(TW_TR("FamilyDateChart", "(%1 more marriages not shown)"),
                                                  {std::to_string(block.leftOut)}));
        }
    }
    const RowPlace& last = block.rows.back();
    if (last.page != page) return;
    log_.penWidth(kRulePen);
    rule(last.y + 1.3 * g.lineHeight);
}

// A rule across the frame.
void FamilyDateChart::rule(double y) {
    log_.moveTo(table_->left, y);
    log_.lineTo(table_->right, y);
}

// One person's row. marriage: an MRIN whose date and sealing the row shows, -1 for a
// child with several marriages, 0 for none.
void FamilyDateChart::personRow(double y, int32_t rin, int32_t marriage) {
    const TableGeometry& g = *table_;
    // The missing partner of a marriage has an empty name; a person who cannot be
    // read is "Invalid Rin" (its message shown once). Neither has dates.
    log_.text(g.nameX(), y, shortenToWidth(log_, names_.of(rin), g.nameWidth()));
    IndividualRecord person;
    readIndividual(ctx_.file, rin, person);

    rightDate(g.dateEnd(Christened), y, person.birth, false);
    rightDate(g.dateEnd(Died), y, person.christening, false);
    rightDate(g.dateEnd(Age), y, person.death, false);
    rightDate(g.dateEnd(Baptized), y, person.burial, false);

    DecodedDate start = decodeDate(ctx_, person.birth);
    if (start.dayNumber == 0) start = decodeDate(ctx_, person.christening);
    DecodedDate end = decodeDate(ctx_, person.death);
    if (end.dayNumber == 0) end = decodeDate(ctx_, person.burial);
    // A death before the birth is no age, also when it is less than a year before.
    if (start.dayNumber != 0 && end.dayNumber != 0 && end.dayNumber >= start.dayNumber) {
        const int age = ageInYears(start, end);
        if (age < kAgeLimit) log_.textCentered(g.heading(Age), y, std::to_string(age));
    }

    rightDate(g.dateEnd(Endowed), y, person.baptism, true);
    rightDate(g.dateEnd(SealedParents), y, person.endowment, true);
    ChildLinkRecord parents;
    if (readChildLink(ctx_.file, person.childLink, parents)) rightDate(g.dateEnd(Married), y, parents.sealing, true);

    if (marriage > 0) {
        MarriageRecord family;
        if (!readMarriage(ctx_.file, marriage, family)) {
            ctx_.host.message(TW_TR("Messages", "Error reading a marriage record"), "Error");
            abortRun(ctx_, "display", marriage, -1,
                     {"marriage", marriage, "record", marriage, ctx_.file.highestMrin()});
        }
        rightDate(g.dateEnd(SealedSpouse), y, family.date, false);
        rightDate(g.right - g.map.length(kSealedSpouseInset), y, family.sealing, true);
    } else if (marriage == -1) {
        log_.textRight(g.map.fromRight(kSeveralMarriedEnd), y, kSeveralMarriages);
        log_.textRight(g.map.fromRight(kSeveralSealedEnd), y, kSeveralMarriages);
    }
}

void FamilyDateChart::rightDate(double x, double y, const PafDate& date, bool ordinance) {
    const TableGeometry& g = *table_;
    const DecodedDate decoded = decodeDate(ctx_, date);
    const TextBuffer text = ordinance ? formatOrdinanceDate(decoded) : formatDate(decoded);
    const double limit = g.dateWidth() / log_.pageWidth();
    int size = g.rowSize;
    while (size > g.smallestDateSize && log_.textWidthInFont(text.view(), "Times", size) > limit) --size;
    if (size != g.rowSize) log_.fontSize(size);
    log_.textRight(x, y, shortenToWidth(log_, text.view(), g.dateWidth()));
    if (size != g.rowSize) log_.fontSize(g.rowSize);
}

void FamilyDateChart::drawHeader() {
    const TableGeometry& g = *table_;
    log_.fontName("Times");
    log_.fontSize(g.titleSize);
    log_.textCentered(g.centre, g.map.fromTop(kTitleY), TW_TR("FamilyDateChart", "Family Date Chart"));
    log_.fontSize(g.runTitleSize);
    log_.textCentered(g.centre, g.map.fromTop(kRunTitleY),
                      fitCouple(log_, couple_.husband, couple_.wife, " " + std::string(TW_TR("Reports", "and")) + " ",
                                g.right - g.left));

    log_.penWidth(kFramePen);
    drawBox(log_, g.left, g.top, g.right, g.bottom);
    rule(g.bandBottom);
    log_.penWidth(kRulePen);
    rule(g.bandTop);
    log_.moveTo(g.name, g.bandTop);
    log_.lineTo(g.name, g.bottom);
    for (const double x : g.rules) {
        log_.moveTo(x, g.bandTop);
        log_.lineTo(x, g.bottom);
    }

    log_.fontSize(g.rowSize);
    const double fileLineY = g.map.fromTop(kFileLineY);
    log_.textRight(g.map.fromRight(kDateRight), fileLineY, date_);
    log_.textCentered(g.centre, fileLineY, mrinText_);
    const double besideMrin = double(log_.textWidth(mrinText_)) / log_.pixelsPerInch() / 2;
    const double fileNameX = g.map.fromLeft(kFileNameX);
    log_.text(fileNameX, fileLineY, fittedFileName(log_, ctx_.dataFilePath, g.centre - besideMrin - fileNameX, ""));

    const double headingY = g.map.fromTop(kHeadingY);
    log_.text(g.map.fromLeft(kNameHeadingX), headingY, TW_TR("FamilyDateChart", "Name"));
    const std::array<std::string_view, 10> headings{
        TW_TR("FamilyDateChart", "Born"),       TW_TR("FamilyDateChart", "Christened"),
        TW_TR("FamilyDateChart", "Died"),       TW_TR("FamilyDateChart", "Age"),
        TW_TR("FamilyDateChart", "Buried"),     TW_TR("FamilyDateChart", "Baptized"),
        TW_TR("FamilyDateChart", "Endowed"),    TW_TR("FamilyDateChart", "Sealed Par"),
        TW_TR("FamilyDateChart", "Married"),    TW_TR("FamilyDateChart", "Sealed Sp")};
    for (size_t i = 0; i < headings.size(); ++i) log_.textCentered(g.heading(i), headingY, headings[i]);

    log_.textCentered(g.centre, g.map.fromBottom(kPageLabelY),
                      fillIn(TW_TR("Reports", "Page %1"), {std::to_string(pageCounter_)}));
    ++pageCounter_;
}

}  // namespace

void generateFamilyDateChart(AppContext& ctx, const ReportInput& input) { FamilyDateChart(ctx, input).run(); }

}  // namespace tw
