#include "reports/repeat_ancestors_list.h"

#include <string>
#include <string_view>

#include "paf/dates.h"
#include "paf/records.h"
#include "reports/ancestor_generation.h"
#include "reports/birth_year_text.h"
#include "reports/list_page.h"
#include "reports/wrap_name.h"

namespace tw {

namespace {

// The frame and line spacing the framed lists share (list_page.h).
using namespace framed_list;

// Layout, in inches from the sheet's top-left corner; y is the top of a text.
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

class RepeatAncestorsList {
public:
    RepeatAncestorsList(AppContext& ctx, int32_t startRin) : ctx_(ctx), log_(ctx.pageLog), startRin_(startRin) {}
    void run();

private:
    void drawHeader();
    double pageCheck(double y, bool continuation);
    void printRepeat(int32_t rin);
    std::string nameOf(int32_t rin, const IndividualRecord& person, bool readable);

    AppContext& ctx_;
    PageLog& log_;
    const int32_t startRin_;
    std::string runTitle_;
    std::string date_;
    PageCursor page_{kFirstLineY};
    std::string generationText_;
    bool listedAny_ = false;

    // A damaged file would give these once per repeat.
};

void RepeatAncestorsList::run() {
    runTitle_ = individualNameNoSlashes(ctx_, startRin_).str();
    log_.begin("RAL", runPage(ctx_));
    page_.number = 1;
    date_ = todayText(ctx_).str();
    drawHeader();
    page_.y = kFirstLineY;

    AncestorWalk walk(ctx_, startRin_, true);
    bool stopped = false;
    for (int g = 1; g < kGenerationLimit; ++g) {
        page_.y = pageCheck(page_.y, false);
        const GenerationCounts counts = ancestorGenerationStep(walk);
        if (ctx_.host.cancelRequested()) {
            log_.abandonPrinting();
            stopped = true;
            break;
        }
        generationText_ = std::to_string(g);
        log_.text(kGenerationX, page_.y, generationText_);
        if (counts.filled == 0) {
            page_.y += kLineHeight;
            break;
        }
        ctx_.host.showProgress(g);
        for (const int32_t rin : walk.repeats()) printRepeat(rin);
        page_.y += kLineHeight;
    }
    // Ending the log drops what follows the last repeat. With no repeat at all the
    // list is one page that says so, also when the bare generation numbers had filled
    // pages.
    if (!listedAny_ && !stopped) {
        log_.begin("RAL", runPage(ctx_));
        page_.number = 1;
        drawHeader();
        log_.text(kRinX, kFirstLineY, kNoRepeatedAncestor);
        log_.commit();
    }
    ctx_.host.showProgress(-1);
    log_.end();
}

void RepeatAncestorsList::drawHeader() {
    drawListHeading(log_, {"Repeat Ancestor List", runTitle_, date_, ctx_.dataFilePath});
    drawListFrame(log_, kBandBottom);
    drawPageNumber(log_, page_.number);
    log_.text(kGenerationHeadingX, kHeadingY, "GEN");
    log_.text(kRinX, kHeadingY, "RIN");
    log_.text(kNameX, kHeadingY, "Name");
    log_.text(kBirthYearHeadingX, kHeadingY, "Birth Year");
}

// A line beyond the threshold starts a new page; with a continuation, the repeat
// goes on the line of the generation number repeated, with "Cont'd" under it.
double RepeatAncestorsList::pageCheck(double y, bool continuation) {
    if (y <= kPageBreakY + kRounding) return y;
    log_.newPage();
    drawHeader();
    if (continuation) {
        log_.text(kGenerationX, kFirstLineY, generationText_);
        log_.textCentered(kGenerationX, kFirstLineY + kLineHeight, "Cont'd");
    }
    return kFirstLineY;
}

void RepeatAncestorsList::printRepeat(int32_t rin) {
    page_.y = pageCheck(page_.y, true);
    log_.text(kRinX, page_.y, std::to_string(rin));
    IndividualRecord person;
    const bool readable = readIndividual(ctx_.file, rin, person);
    if (!readable && messageOnce(ctx_, OnceMessage::InvalidStart, "Invalid start RIN", "Error"))
        ctx_.host.closeStartWindow();
    const std::string year = birthYearText(ctx_, person);
    if (!year.empty()) log_.textCentered(kBirthYearX, page_.y, year);
    for (const std::string& line : wrapName(log_, nameOf(rin, person, readable), kNameWidth)) {
        log_.text(kNameX, page_.y, line);
        page_.y += kLineHeight;
    }
    log_.commit();
    listedAny_ = true;
}

// The name without slashes; for an individual that cannot be read, the text the
// name accessor gives such a record, with its message once per run.
std::string RepeatAncestorsList::nameOf(int32_t rin, const IndividualRecord& person, bool readable) {
    if (readable) return recordNameNoSlashes(ctx_.file, person).str();
    if (ctx_.messages.wasShown(OnceMessage::InvalidRin)) return "Invalid Rin";
    return individualNameNoSlashes(ctx_, rin).str();
}

}  // namespace

void generateRepeatAncestorsList(AppContext& ctx, const ReportInput& input) {
    RepeatAncestorsList(ctx, input.startRin).run();
}

}  // namespace tw
