#include "charts/fdc.h"

#include <array>
#include <string>
#include <vector>

#include "paf/dates.h"
#include "paf/navigation.h"
#include "paf/records.h"
#include "reports/descent.h"
#include "reports/list_page.h"
#include "reports/wrap_name.h"

namespace tw {

namespace {

// Layout, in inches from the top-left corner of the landscape sheet; y is the top of
// a text. The edges and column boundaries are single precision.
constexpr float kLeft = 0.75F;
constexpr float kTop = 0.75F;
constexpr float kBottom = 7.75F;
constexpr float kRight = 11.0F - kLeft;
constexpr float kBandTop = kTop + 1.35F;
constexpr float kBandBottom = kBandTop + 0.25F;
constexpr double kLineHeight = 2.0 / 11.0;

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
constexpr std::array<float, 11> kColumnRules{kName,   kBorn,     kChristened, kDied,           kAge,   kBuried,
                                             kBaptized, kEndowed, kSealedParents, kMarried, kSealedSpouse};

constexpr double middle(float a, float b) { return (double(a) + double(b)) / 2; }
// Dates end a little left of their column's right boundary.
constexpr double dateEnd(float columnRight) { return double(columnRight) - 0.03; }

constexpr double kCentre = 5.5;
constexpr double kTitleY = 1.0;
constexpr double kRunTitleY = 1.4;
constexpr double kFileLineY = double(kBandTop) - 0.25;
constexpr double kHeadingY = double(kBandTop) + 0.035;
constexpr double kPageLabelY = double(kBottom) + 0.25;
constexpr double kFramePen = 0.018;
constexpr double kRulePen = 0.01;

constexpr double kNumberCentre = middle(kLeft, kName);
constexpr double kChildNumberX = double(kLeft) + 0.1;
constexpr double kSpouseMarkX = double(kLeft) + 0.2;
constexpr double kNameX = double(kName) + 0.05;
constexpr double kNameHeadingX = double(kName) + 0.1;
constexpr double kAgeX = middle(kAge, kBuried);
constexpr double kSealedSpouseEnd = double(kRight) - 0.02;
// "-----  " on the row of a child with several marriages.
constexpr double kSeveralMarriedEnd = double(kSealedSpouse) - 0.05;
constexpr double kSeveralSealedEnd = double(kRight) - 0.05;
constexpr const char* kSeveralMarriages = "-----  ";
constexpr int kAgeLimit = 110;
constexpr int kRowSize = 8;
// A date too wide for its column is printed smaller, down to this size, and then
// shortened.
constexpr int kSmallestDateSize = 6;
constexpr double kDateWidth = double(kDateColumn) - 0.06;
constexpr double kNameWidth = double(kBorn) - kNameX - 0.05;

constexpr double kHusbandY = double(kBandBottom) + 0.05;
constexpr double kWifeY = kHusbandY + 0.2;
constexpr double kCoupleRuleY = double(kBandBottom) + 0.5;
constexpr double kFirstBlockY = kCoupleRuleY + 0.02;
// Where blocks start on every page after the first.
constexpr double kBlockTopY = double(kBandBottom) + 0.05;
constexpr double kRuleBelowRow = 1.3 * kLineHeight;
constexpr double kBlockGap = 0.6 * kLineHeight;

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

    AppContext& ctx_;
    PageLog& log_;
    const ReportInput& input_;
    ListNames names_;
    const std::string date_;
    std::string runTitle_;
    std::string mrinText_;
    int32_t layoutPage_ = 1;
    int pageCounter_ = 1;
};

void FamilyDateChart::run() {
    log_.begin("Family Date Chart", runPage(ctx_, true));
    pageCounter_ = 1;

    const int32_t mrin = input_.mrins.fetch(0);
    MarriageRecord couple;
    if (!readMarriage(ctx_.file, mrin, couple)) {
        ctx_.host.message("The MRIN is invalid", "Error");
        abortRun(ctx_, "rptFamilyDateChart a", mrin, -1);
    }
    runTitle_ = names_.of(couple.husband) + " and " + names_.of(couple.wife);
    mrinText_ = "MRIN: " + std::to_string(mrin);
    const IntList marriages = startCouples(input_.mrins);

    drawHeader();
    log_.penWidth(kFramePen);
    log_.moveTo(kLeft, kCoupleRuleY);
    log_.lineTo(kRight, kCoupleRuleY);
    log_.textCentered(kNumberCentre, kHusbandY, "H");
    personRow(kHusbandY, couple.husband, mrin);
    log_.textCentered(kNumberCentre, kWifeY, "W");
    personRow(kWifeY, couple.wife, mrin);

    // Every block gets its page before anything is drawn.
    const IntList children = getChildRins(ctx_, marriages);
    std::vector<ChildBlock> blocks;
    layoutPage_ = 1;
    double y = kFirstBlockY;
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

    const int32_t rowCount = block.rowCount();
    y = double(float(y));
    if (y + rowCount * kLineHeight > double(kBottom)) {
        ++layoutPage_;
        y = double(float(kBlockTopY));
    }
    double rowTop = y;
    int32_t rowsOnPage = 0;
    for (int32_t r = 0; r < rowCount; ++r) {
        double rowY = rowTop + rowsOnPage * kLineHeight;
        if (rowsOnPage > 0 && rowY + kLineHeight > double(kBottom)) {
            ++layoutPage_;
            rowTop = double(float(kBlockTopY));
            rowsOnPage = 0;
            rowY = rowTop;
        }
        block.rows.push_back({layoutPage_, rowY});
        ++rowsOnPage;
    }
    return block.rows.back().y + kLineHeight + kBlockGap;
}

void FamilyDateChart::drawBlock(const ChildBlock& block, int32_t page) {
    for (int32_t r = 0; r < int32_t(block.rows.size()); ++r) {
        const RowPlace& place = block.rows[size_t(r)];
        if (place.page != page) continue;
        if (r == 0) {
            log_.text(kChildNumberX, place.y, std::to_string(block.number));
            personRow(place.y, block.rin, block.childMarriage());
        } else if (r <= block.family.count) {
            log_.text(kSpouseMarkX, place.y, "S");
            personRow(place.y, block.family.spouses[size_t(r - 1)], block.family.mrins[size_t(r - 1)]);
        } else {
            log_.text(kNameX, place.y,
                      "(" + std::to_string(block.leftOut) + " more marriage" + (block.leftOut == 1 ? "" : "s") +
                          " not shown)");
        }
    }
    const RowPlace& last = block.rows.back();
    if (last.page != page) return;
    log_.penWidth(kRulePen);
    log_.moveTo(kLeft, last.y + kRuleBelowRow);
    log_.lineTo(kRight, last.y + kRuleBelowRow);
}

// One person's row. marriage: an MRIN whose date and sealing the row shows, -1 for a
// child with several marriages, 0 for none.
void FamilyDateChart::personRow(double y, int32_t rin, int32_t marriage) {
    // The missing partner of a marriage has an empty name; a person who cannot be
    // read is "Invalid Rin" (its message shown once). Neither has dates.
    log_.text(kNameX, y, shortenToWidth(log_, names_.of(rin), kNameWidth));
    IndividualRecord person;
    readIndividual(ctx_.file, rin, person);

    rightDate(dateEnd(kChristened), y, person.birth, false);
    rightDate(dateEnd(kDied), y, person.christening, false);
    rightDate(dateEnd(kAge), y, person.death, false);
    rightDate(dateEnd(kBaptized), y, person.burial, false);

    DecodedDate start = decodeDate(ctx_, person.birth);
    if (start.dayNumber == 0) start = decodeDate(ctx_, person.christening);
    DecodedDate end = decodeDate(ctx_, person.death);
    if (end.dayNumber == 0) end = decodeDate(ctx_, person.burial);
    // A death before the birth is no age, also when it is less than a year before.
    if (start.dayNumber != 0 && end.dayNumber != 0 && end.dayNumber >= start.dayNumber) {
        const int age = ageInYears(start, end);
        if (age < kAgeLimit) log_.textCentered(kAgeX, y, std::to_string(age));
    }

    rightDate(dateEnd(kEndowed), y, person.baptism, true);
    rightDate(dateEnd(kSealedParents), y, person.endowment, true);
    ChildLinkRecord parents;
    if (readChildLink(ctx_.file, person.childLink, parents)) rightDate(dateEnd(kMarried), y, parents.sealing, true);

    if (marriage > 0) {
        MarriageRecord family;
        if (!readMarriage(ctx_.file, marriage, family)) {
            ctx_.host.message("Error reading a marriage record", "Error");
            abortRun(ctx_, "display", marriage, -1);
        }
        rightDate(dateEnd(kSealedSpouse), y, family.date, false);
        rightDate(kSealedSpouseEnd, y, family.sealing, true);
    } else if (marriage == -1) {
        log_.textRight(kSeveralMarriedEnd, y, kSeveralMarriages);
        log_.textRight(kSeveralSealedEnd, y, kSeveralMarriages);
    }
}

void FamilyDateChart::rightDate(double x, double y, const PafDate& date, bool ordinance) {
    const DecodedDate decoded = decodeDate(ctx_, date);
    const TextBuffer text = ordinance ? formatOrdinanceDate(decoded) : formatDate(decoded);
    const double limit = kDateWidth / log_.pageWidth();
    int size = kRowSize;
    while (size > kSmallestDateSize && log_.textWidthInFont(text.view(), "Times", size) > limit) --size;
    if (size != kRowSize) log_.fontSize(size);
    log_.textRight(x, y, shortenToWidth(log_, text.view(), kDateWidth));
    if (size != kRowSize) log_.fontSize(kRowSize);
}

void FamilyDateChart::drawHeader() {
    log_.fontName("Times");
    log_.fontSize(22);
    log_.textCentered(kCentre, kTitleY, "Family Date Chart");
    log_.fontSize(16);
    log_.textCentered(kCentre, kRunTitleY, shortenInMiddle(log_, runTitle_, double(kRight) - kLeft));

    log_.penWidth(kFramePen);
    drawBox(log_, kLeft, kTop, kRight, kBottom);
    log_.moveTo(kLeft, kBandBottom);
    log_.lineTo(kRight, kBandBottom);
    log_.penWidth(kRulePen);
    log_.moveTo(kLeft, kBandTop);
    log_.lineTo(kRight, kBandTop);
    for (const float x : kColumnRules) {
        log_.moveTo(x, kBandTop);
        log_.lineTo(x, kBottom);
    }

    log_.fontSize(8);
    log_.textRight(double(kRight) - 0.1, kFileLineY, date_);
    log_.textCentered(kCentre, kFileLineY, mrinText_);
    const double besideMrin = double(log_.textWidth(mrinText_)) / log_.pixelsPerInch() / 2;
    log_.text(double(kLeft) + 0.1, kFileLineY,
              fittedFileName(log_, ctx_.dataFilePath, kCentre - besideMrin - (double(kLeft) + 0.1), ""));

    log_.text(kNameHeadingX, kHeadingY, "Name");
    log_.textCentered(middle(kBorn, kChristened), kHeadingY, "Born");
    log_.textCentered(middle(kChristened, kDied), kHeadingY, "Christened");
    log_.textCentered(middle(kDied, kAge), kHeadingY, "Died");
    log_.textCentered(middle(kAge, kBuried), kHeadingY, "Age");
    log_.textCentered(middle(kBuried, kBaptized), kHeadingY, "Buried");
    log_.textCentered(middle(kBaptized, kEndowed), kHeadingY, "Baptized");
    log_.textCentered(middle(kEndowed, kSealedParents), kHeadingY, "Endowed");
    log_.textCentered(middle(kSealedParents, kMarried), kHeadingY, "Sealed Par");
    log_.textCentered(middle(kMarried, kSealedSpouse), kHeadingY, "Married");
    log_.textCentered(middle(kSealedSpouse, kRight), kHeadingY, "Sealed Sp");

    log_.textCentered(kCentre, kPageLabelY, "Page " + std::to_string(pageCounter_));
    ++pageCounter_;
}

}  // namespace

void generateFamilyDateChart(AppContext& ctx, const ReportInput& input) { FamilyDateChart(ctx, input).run(); }

}  // namespace tw
