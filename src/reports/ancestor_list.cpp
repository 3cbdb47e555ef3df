#include "reports/ancestor_list.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/translation.h"
#include "paf/dates.h"
#include "paf/navigation.h"
#include "paf/records.h"
#include "reports/birth_year_text.h"
#include "reports/decimal_text.h"
#include "reports/list_page.h"
#include "reports/report_words.h"
#include "reports/wrap_name.h"

namespace tw {

namespace {

// The frame and line spacing the framed lists share (list_page.h).
using namespace framed_list;

// Layout on letter, in inches from the sheet's top-left corner; y is the top of a
// text. The columns left of the names stay with the frame's left edge, the birth
// year with its right edge.
constexpr double kFirstLineY = 2.0;
constexpr double kBandBottom = 1.9;
constexpr double kHeadingTopY = 1.55;
constexpr double kHeadingY = 1.7;
constexpr double kRinHeadingXWithRepeats = 3.6;
constexpr double kRepeatHeadingX = 4.0;
constexpr double kRinHeadingXWithoutRepeats = 4.0;
constexpr double kGenerationX = 1.5;
constexpr double kPpnX = 2.6;
constexpr double kRinXWithRepeats = 3.7;
constexpr double kRepeatMarkX = 4.1;
constexpr double kRinXWithoutRepeats = 4.1;
constexpr double kNameX = 4.3;
constexpr double kNameWidth = 2.25;  // ends clear of a four-digit birth year centred at kBirthYearX
constexpr double kBirthYearX = 6.75;

constexpr int kGenerationLimit = 300;  // generations 1 to 299
constexpr double kNoteGap = 0.1;       // between a note and the frame
constexpr size_t kMaxPpnDigits = 22;

// The layout on the page the list is given.
struct Layout {
    Frame frame;
    double generationX, ppnX, rinHeadingX, repeatHeadingX, rinX, repeatMarkX, nameX, nameWidth, birthYearX;

    Layout(const SheetShift& shift, bool withRepeats)
        : frame(frameOn(shift)),
          generationX(kGenerationX + shift.left),
          ppnX(kPpnX + shift.left),
          rinHeadingX((withRepeats ? kRinHeadingXWithRepeats : kRinHeadingXWithoutRepeats) + shift.left),
          repeatHeadingX(kRepeatHeadingX + shift.left),
          rinX((withRepeats ? kRinXWithRepeats : kRinXWithoutRepeats) + shift.left),
          repeatMarkX(kRepeatMarkX + shift.left),
          nameX(kNameX + shift.left),
          nameWidth(kNameWidth + shift.wider()),
          birthYearX(kBirthYearX + shift.right) {}
};

// One generation of the walk, in pedigree order: father then mother of the first
// entry of the generation before, then of the second, and so on.
struct AncestorGeneration {
    std::vector<int32_t> rins;
    std::vector<std::string> ppns;  // parallel to rins while PPNs are computed
    bool started = false;
    bool tooLarge = false;  // the next generation was not built: too many entries
};

class AncestorList {
public:
    AncestorList(AppContext& ctx, int32_t startRin, bool withRepeats)
        : ctx_(ctx), log_(ctx.pageLog), startRin_(startRin), withRepeats_(withRepeats) {}

    void run();

private:
    void drawHeader();
    double pageCheck(double y, bool continuation);
    double startPage(bool continuation);
    int64_t nextGeneration();
    Parents readParents(int32_t rin);
    void printGeneration();
    bool printEntry(size_t index);
    void printStopNote(const std::string& message);
    std::string_view nameOf(const IndividualRecord& person, bool readable);

    bool markable(int32_t rin) const { return rin >= 0 && size_t(rin) < listed_.size(); }
    void messageOnce(OnceMessage m, std::string_view text, std::string_view caption, bool closesStartWindow);

    AppContext& ctx_;
    PageLog& log_;
    const int32_t startRin_;
    const bool withRepeats_;
    Layout at_{SheetShift{}, false};

    std::string runTitle_;
    std::string date_;
    PageCursor page_{kFirstLineY};
    std::string generationText_;
    bool generationShown_ = false;  // the generation's number is printed beside its first entry
    std::string name_;      // the entry being printed: its name,
    NameLines nameLines_;   // and that name cut to the column
    AncestorGeneration generation_;
    std::vector<uint8_t> listed_;  // per RIN: printed once already
    bool ppnsOn_ = true;
    int64_t entries_ = 0;  // entries of all generations built so far
};

// Each message of the run is shown once: a damaged or looping family reaches the
// same bad record again and again.
void AncestorList::messageOnce(OnceMessage m, std::string_view text, std::string_view caption,
                               bool closesStartWindow) {
    if (tw::messageOnce(ctx_, m, text, caption) && closesStartWindow) ctx_.host.closeStartWindow();
}

void AncestorList::run() {
    IndividualRecord start;
    runTitle_ = nameOf(start, readIndividual(ctx_.file, startRin_, start));
    log_.begin(withRepeats_ ? "RAL" : "AL w/o repeat", runPage(ctx_));
    at_ = Layout(sheetShift(log_.page(), kLeft), withRepeats_);
    page_.number = 1;
    listed_.assign(size_t(std::max(ctx_.file.highestRin(), 0)) + 1, 0);
    ppnsOn_ = true;
    date_ = todayText(ctx_).str();
    drawHeader();
    page_.y = kFirstLineY;

    int g = 1;
    for (; g < kGenerationLimit; ++g) {
        page_.y = pageCheck(page_.y, false);
        const int64_t consumed = nextGeneration();
        if (ctx_.host.cancelRequested()) break;
        if (generation_.tooLarge) {
            printStopNote(listStopMessage(g - 1, ctx_.listEntryLimit));
            break;
        }
        generationText_ = std::to_string(g);
        generationShown_ = false;
        if (consumed == 0) {
            log_.text(at_.generationX, page_.y, generationText_);
            page_.y += kLineHeight;
            break;
        }
        ctx_.host.showProgress(g);
        printGeneration();
        // A generation whose entries were all printed before still shows its number.
        if (!generationShown_) log_.text(at_.generationX, page_.y, generationText_);
        page_.y += kLineHeight;  // a blank line between generations
    }
    if (g == kGenerationLimit && !generation_.rins.empty()) {
        nextGeneration();
        if (!generation_.rins.empty() || generation_.tooLarge) printStopNote(generationLimitMessage(g - 1));
    }
    ctx_.host.showProgress(-1);
    log_.end();
}

void AncestorList::drawHeader() {
    const Frame& frame = at_.frame;
    drawListHeading(log_, {withRepeats_ ? TW_TR("AncestorsList", "Ancestor List (with repeats)")
                                        : TW_TR("AncestorsList", "Ancestor List (without repeats)"),
                           runTitle_, date_, ctx_.dataFilePath, frame.left, frame.right, frame.centre});
    drawListFrame(log_, frame, kBandBottom);
    drawPageNumber(log_, page_.number, frame.centre, frame.pageNumberY);
    log_.text(at_.generationX, kHeadingY, report_words::gen());
    log_.textCentered(at_.ppnX, kHeadingTopY, TW_TR("AncestorsList", "Pedigree Position"));
    log_.textCentered(at_.ppnX, kHeadingY, TW_TR("AncestorsList", "Number"));
    log_.text(at_.rinHeadingX, kHeadingY, report_words::rin());
    if (withRepeats_) log_.text(at_.repeatHeadingX, kHeadingY, TW_TR("AncestorsList", "R'P"));
    log_.text(at_.nameX, kHeadingY, report_words::name());
    log_.textCentered(at_.birthYearX, kHeadingTopY, TW_TR("AncestorsList", "Birth"));
    log_.textCentered(at_.birthYearX, kHeadingY, TW_TR("AncestorsList", "Year"));
}

double AncestorList::pageCheck(double y, bool continuation) {
    return y <= at_.frame.pageBreakY + kRounding ? y : startPage(continuation);
}

// Ends the page and starts the next; with a continuation, the generation number is
// repeated on the first line with "cont'd" under it.
double AncestorList::startPage(bool continuation) {
    log_.newPage();
    drawHeader();
    if (continuation) {
        log_.text(at_.generationX, kFirstLineY, generationText_);
        log_.textCentered(at_.generationX, kFirstLineY + kLineHeight, report_words::continued());
    }
    return kFirstLineY;
}

// Replaces the generation by the next one and returns the number of entries of the
// generation it consumed (1 for the first step, which starts at the start RIN; 0
// once the walk is over).
int64_t AncestorList::nextGeneration() {
    AncestorGeneration& gen = generation_;
    if (!gen.started) {
        gen.started = true;
        gen.rins = {startRin_};
        gen.ppns.clear();
        if (ppnsOn_) gen.ppns.emplace_back("1");
        entries_ = 1;
        IndividualRecord start;
        if (!readIndividual(ctx_.file, startRin_, start))
            messageOnce(OnceMessage::InvalidStart, "Invalid start RIN", "Error", true);
        return 1;
    }
    const auto consumed = int64_t(gen.rins.size());
    if (consumed == 0) {
        gen.ppns.clear();
        return 0;
    }

    std::vector<int32_t> rins;
    std::vector<std::string> ppns;
    rins.reserve(size_t(std::min(2 * consumed, ctx_.listEntryLimit)));
    if (ppnsOn_) ppns.reserve(rins.capacity());
    auto append = [&](int32_t rin, std::string ppn) {
        if (entries_ + int64_t(rins.size()) >= ctx_.listEntryLimit) {
            gen.tooLarge = true;
            return;
        }
        rins.push_back(rin);
        if (ppnsOn_) ppns.push_back(std::move(ppn));
    };

    for (size_t i = 0; i < gen.rins.size() && !gen.tooLarge; ++i) {
        if (ctx_.host.cancelRequested()) {
            log_.abandonPrinting();
            break;
        }
        const Parents parents = readParents(gen.rins[i]);
        if (parents.father == 0 && parents.mother == 0) continue;
        std::string fathers;
        if (ppnsOn_) fathers = addDecimalTexts(gen.ppns[i], gen.ppns[i]);
        if (parents.father != 0) append(parents.father, fathers);
        if (parents.mother == 0) continue;
        std::string mothers = fathers;
        if (ppnsOn_) ++mothers.back();  // fathers is even: its last digit is 8 at most
        append(parents.mother, std::move(mothers));
    }

    if (gen.tooLarge) {
        rins.clear();
        ppns.clear();
    }
    gen.rins = std::move(rins);
    gen.ppns = std::move(ppns);
    entries_ += int64_t(gen.rins.size());
    return consumed;
}

// The individual's parents. A record on the way that cannot be read or is marked
// deleted gives the corrupt-data message, and the entry no parents.
Parents AncestorList::readParents(int32_t rin) {
    const bool reportedBefore = ctx_.corruptDataReported();
    const Parents parents = parentsOf(ctx_, rin);
    if (parents.damaged && !reportedBefore) ctx_.host.closeStartWindow();
    if (!markable(rin)) messageOnce(OnceMessage::RinOutOfRange, TW_TR("Reports", "RinX access out of range"), "kk", true);
    return parents;
}

// Prints the entries of the generation. Without repeats, the entries left out
// (people printed before) are dropped from the generation as well: everyone the walk
// would reach through them was reached through their first appearance already.
void AncestorList::printGeneration() {
    AncestorGeneration& gen = generation_;
    size_t kept = 0;
    for (size_t i = 0; i < gen.rins.size(); ++i) {
        if (!printEntry(i)) continue;
        if (kept != i) {
            gen.rins[kept] = gen.rins[i];
            if (ppnsOn_) gen.ppns[kept] = std::move(gen.ppns[i]);
        }
        ++kept;
    }
    gen.rins.resize(kept);
    if (ppnsOn_) {
        gen.ppns.resize(kept);
    } else {
        gen.ppns.clear();
    }
}

// Prints one entry; false when it is left out (without repeats: printed before).
bool AncestorList::printEntry(size_t index) {
    const int32_t rin = generation_.rins[index];
    const bool seen = markable(rin) && listed_[size_t(rin)] != 0;
    if (!withRepeats_ && seen) return false;

    IndividualRecord person;
    const bool readable = readIndividual(ctx_.file, rin, person);
    if (!readable) messageOnce(OnceMessage::InvalidStart, "Invalid start RIN", "Error", true);
    wrapName(log_, nameOf(person, readable), at_.nameWidth, nameLines_);
    const NameLines& lines = nameLines_;
    const double lastLineY = page_.y + double(lines.size() - 1) * kLineHeight;
    // A name whose last line would run past the frame starts a new page (unless it
    // stands first on one already). The generation's number goes with its first
    // entry; "cont'd" only under a generation that goes on from the page before.
    if (page_.y > kFirstLineY + kRounding && lastLineY > at_.frame.pageBreakY + kRounding) {
        page_.y = startPage(generationShown_);
    } else {
        page_.y = pageCheck(page_.y, generationShown_);
    }
    if (!generationShown_) log_.text(at_.generationX, page_.y, generationText_);
    generationShown_ = true;

    if (ppnsOn_) {
        const std::string& ppn = generation_.ppns[index];
        if (ppn.size() <= kMaxPpnDigits) {
            log_.textCentered(at_.ppnX, page_.y, ppn);
        } else {
            log_.textCentered(at_.ppnX, page_.y, TW_TR("AncestorsList", "PPN too large to display."));
            ppnsOn_ = false;
        }
    }
    log_.textCentered(at_.rinX, page_.y, std::to_string(rin));
    if (withRepeats_ && seen) log_.textCentered(at_.repeatMarkX, page_.y, "*");
    if (markable(rin)) listed_[size_t(rin)] = 1;

    const std::string year = birthYearText(ctx_, person);
    if (!year.empty()) log_.textCentered(at_.birthYearX, page_.y, year);
    for (const std::string& line : lines) {
        log_.text(at_.nameX, page_.y, line);
        page_.y += kLineHeight;
    }
    log_.commit();
    return true;
}

// The note that says where the list stops and why (after the message of the same
// words), across the columns from the generation's, kept whole on one page.
void AncestorList::printStopNote(const std::string& message) {
    ctx_.host.message(message, "Note");
    const NameLines lines = wrapName(log_, onOneLine(message), at_.frame.right - kNoteGap - at_.generationX);
    const double lastLineY = page_.y + double(lines.size() - 1) * kLineHeight;
    if (page_.y > kFirstLineY + kRounding && lastLineY > at_.frame.pageBreakY + kRounding) page_.y = startPage(false);
    for (const std::string& line : lines) {
        page_.y = pageCheck(page_.y, false);
        log_.text(at_.generationX, page_.y, line);
        page_.y += kLineHeight;
    }
    log_.commit();
}

// The name without slashes of the record just read (kept in name_ until the next
// call); for an individual that cannot be read, the text the name accessor gives
// such a record, with its message shown once per run.
std::string_view AncestorList::nameOf(const IndividualRecord& person, bool readable) {
    if (readable) {
        recordNameNoSlashes(ctx_.file, person, name_);
        return name_;
    }
    messageOnce(OnceMessage::InvalidRin, "The RIN is invalid", "Error", false);
    return invalidRinName();
}

}  // namespace

void generateAncestorListWithRepeats(AppContext& ctx, const ReportInput& input) {
    AncestorList(ctx, input.startRin, true).run();
}

void generateAncestorListWithoutRepeats(AppContext& ctx, const ReportInput& input) {
    AncestorList(ctx, input.startRin, false).run();
}

}  // namespace tw
