#include "reports/repeat_ancestors_list.h"

#include <string>
#include <string_view>

#include "base/translation.h"
#include "paf/dates.h"
#include "paf/records.h"
#include "reports/ancestor_generation.h"
#include "reports/birth_year_text.h"
#include "reports/list_page.h"
#include "reports/report_words.h"
#include "reports/wrap_name.h"

namespace tw {

namespace {

// The frame and line spacing the framed lists share (list_page.h).
using namespace framed_list;

// Layout on letter, in inches from the sheet's top-left corner; y is the top of a
// text. The birth year stays with the frame's right edge, the rest with its left.
constexpr double kFirstLineY = 1.8;
constexpr double kBandBottom = 1.75;
constexpr double kHeadingY = 1.55;
constexpr double kGenerationX = 1.65;
constexpr double kRinX = 2.0;
constexpr double kNameX = 2.75;
constexpr double kNameWidth = 3.75;
constexpr double kBirthYearX = 6.9;
constexpr double kBirthYearHeadingX = 6.6;
constexpr double kGenerationHeadingX = 1.5;

constexpr int kGenerationLimit = 300;  // generations 1 to 299
constexpr double kNoteGap = 0.1;       // between a note and the frame

// The layout on the page the list is given.
struct Layout {
    Frame frame;
    double generationX, rinX, nameX, nameWidth, birthYearX, birthYearHeadingX, generationHeadingX;

    explicit Layout(const SheetShift& shift)
        : frame(frameOn(shift)),
          generationX(kGenerationX + shift.left),
          rinX(kRinX + shift.left),
          nameX(kNameX + shift.left),
          nameWidth(kNameWidth + shift.wider()),
          birthYearX(kBirthYearX + shift.right),
          birthYearHeadingX(kBirthYearHeadingX + shift.right),
          generationHeadingX(kGenerationHeadingX + shift.left) {}
};

class RepeatAncestorsList {
public:
    RepeatAncestorsList(AppContext& ctx, int32_t startRin) : ctx_(ctx), log_(ctx.pageLog), startRin_(startRin) {}
    void run();

private:
    void drawHeader();
    double pageCheck(double y, bool continuation);
    void printRepeat(int32_t rin);
    void printStopNote(const std::string& note);
    std::string nameOf(int32_t rin, const IndividualRecord& person, bool readable);

    AppContext& ctx_;
    PageLog& log_;
    const int32_t startRin_;
    Layout at_{SheetShift{}};
    std::string runTitle_;
    std::string date_;
    PageCursor page_{kFirstLineY};
    std::string generationText_;
    bool generationShown_ = false;  // the generation's number is printed beside its first repeat
    bool listedAny_ = false;

    // A damaged file would give these once per repeat.
};

void RepeatAncestorsList::run() {
    runTitle_ = individualNameNoSlashes(ctx_, startRin_).str();
    log_.begin("RAL", runPage(ctx_));
    at_ = Layout(sheetShift(log_.page(), kLeft));
    page_.number = 1;
    date_ = todayText(ctx_).str();
    drawHeader();
    page_.y = kFirstLineY;

    AncestorWalk walk(ctx_, startRin_, true);
    bool stopped = false;
    int g = 1;
    for (; g < kGenerationLimit; ++g) {
        page_.y = pageCheck(page_.y, false);
        const GenerationCounts counts = ancestorGenerationStep(walk);
        if (ctx_.host.cancelRequested()) {
            log_.abandonPrinting();
            stopped = true;
            break;
        }
        generationText_ = std::to_string(g);
        generationShown_ = false;
        if (counts.filled == 0) break;
        ctx_.host.showProgress(g);
        for (const int32_t rin : walk.repeats()) printRepeat(rin);
        if (!generationShown_) log_.text(at_.generationX, page_.y, generationText_);
        page_.y += kLineHeight;
    }
    // Where the walk stopped before its end, a note says so (after the message).
    std::string stopNote = walk.boundMessage();
    if (g == kGenerationLimit && walk.goesOn()) {
        stopNote = generationLimitMessage(g - 1);
        ctx_.host.message(stopNote, "Note");
    }
    // Ending the log drops what follows the last repeat. With no repeat at all the
    // list is one page that says so, also when the bare generation numbers had filled
    // pages.
    if (!listedAny_ && !stopped) {
        log_.begin("RAL", runPage(ctx_));
        page_.number = 1;
        drawHeader();
        log_.text(at_.rinX, kFirstLineY, noRepeatedAncestorText());
        log_.commit();
        page_.y = kFirstLineY + 2 * kLineHeight;
    }
    if (!stopNote.empty() && !stopped) printStopNote(onOneLine(stopNote));
    ctx_.host.showProgress(-1);
    log_.end();
}

void RepeatAncestorsList::drawHeader() {
    const Frame& frame = at_.frame;
    drawListHeading(log_, {TW_TR("RepeatAncestorsList", "Repeat Ancestor List"), runTitle_, date_, ctx_.dataFilePath,
                           frame.left, frame.right, frame.centre});
    drawListFrame(log_, frame, kBandBottom);
    drawPageNumber(log_, page_.number, frame.centre, frame.pageNumberY);
    log_.text(at_.generationHeadingX, kHeadingY, report_words::gen());
    log_.text(at_.rinX, kHeadingY, report_words::rin());
    log_.text(at_.nameX, kHeadingY, report_words::name());
    log_.text(at_.birthYearHeadingX, kHeadingY, report_words::birthYear());
}

// A line beyond the threshold starts a new page; with a continuation, the repeat
// goes on the line of the generation number repeated, with "Cont'd" under it.
double RepeatAncestorsList::pageCheck(double y, bool continuation) {
    if (y <= at_.frame.pageBreakY + kRounding) return y;
    log_.newPage();
    drawHeader();
    if (continuation) {
        log_.text(at_.generationX, kFirstLineY, generationText_);
        log_.textCentered(at_.generationX, kFirstLineY + kLineHeight, TW_TR("RepeatAncestorsList", "Cont'd"));
    }
    return kFirstLineY;
}

// A repeat is kept whole on one page: a name whose last line would run past the
// frame starts a new page (unless it stands first on one already). The generation's
// number goes with its first repeat; "Cont'd" only under a generation that goes on
// from the page before.
void RepeatAncestorsList::printRepeat(int32_t rin) {
    IndividualRecord person;
    const bool readable = readIndividual(ctx_.file, rin, person);
    if (!readable && messageOnce(ctx_, OnceMessage::InvalidStart, "Invalid start RIN", "Error"))
        ctx_.host.closeStartWindow();
    const NameLines lines = wrapName(log_, nameOf(rin, person, readable), at_.nameWidth);
    const double lastLineY = page_.y + double(lines.size() - 1) * kLineHeight;
    if (page_.y > kFirstLineY + kRounding && lastLineY > at_.frame.pageBreakY + kRounding) {
        page_.y = pageCheck(at_.frame.bottom, generationShown_);
    } else {
        page_.y = pageCheck(page_.y, generationShown_);
    }
    if (!generationShown_) log_.text(at_.generationX, page_.y, generationText_);
    generationShown_ = true;
    log_.text(at_.rinX, page_.y, std::to_string(rin));
    const std::string year = birthYearText(ctx_, person);
    if (!year.empty()) log_.textCentered(at_.birthYearX, page_.y, year);
    for (const std::string& line : lines) {
        log_.text(at_.nameX, page_.y, line);
        page_.y += kLineHeight;
    }
    log_.commit();
    listedAny_ = true;
}

// The note that says where the list stops and why, from the RIN column to the
// frame, kept whole on one page.
void RepeatAncestorsList::printStopNote(const std::string& note) {
    const NameLines lines = wrapName(log_, note, at_.frame.right - kNoteGap - at_.rinX);
    const double lastLineY = page_.y + double(lines.size() - 1) * kLineHeight;
    if (page_.y > kFirstLineY + kRounding && lastLineY > at_.frame.pageBreakY + kRounding) {
        page_.y = pageCheck(at_.frame.bottom, false);
    }
    for (const std::string& line : lines) {
        page_.y = pageCheck(page_.y, false);
        log_.text(at_.rinX, page_.y, line);
        page_.y += kLineHeight;
    }
    log_.commit();
}

// The name without slashes; for an individual that cannot be read, the text the
// name accessor gives such a record, with its message once per run.
std::string RepeatAncestorsList::nameOf(int32_t rin, const IndividualRecord& person, bool readable) {
    if (readable) return recordNameNoSlashes(ctx_.file, person).str();
    if (ctx_.messages.wasShown(OnceMessage::InvalidRin)) return std::string(invalidRinName());
    return individualNameNoSlashes(ctx_, rin).str();
}

}  // namespace

void generateRepeatAncestorsList(AppContext& ctx, const ReportInput& input) {
    RepeatAncestorsList(ctx, input.startRin).run();
}

}  // namespace tw
