#include "wizard/dispatcher.h"

#include <algorithm>
#include <limits>
#include <unordered_set>
#include <vector>

#include "base/translation.h"
#include "paf/loop_finder.h"
#include "paf/records.h"

namespace tw {

namespace {

// The links that close a loop in the family the report walks from its start.
void findLoops(AppContext& ctx, StartKind kind, const ReportInput& input) {
    ctx.loopCuts.clear();
    if (kind == StartKind::Rin) findAncestorLoops(ctx, input.startRin);
    else findDescendantLoops(ctx, input.mrins);
}

// A number the user typed that cannot name a record: refused as a typing mistake,
// before the file is asked about it.
bool refuseBelowOne(AppContext& ctx, int32_t number) {
    if (number >= 1) return false;
    ctx.host.message(startNumberBelowOne(), "Error");
    return true;
}

// Once a report is laid out: the letters of its pages that no installed font draws.
void sayMissingFonts(AppContext& ctx) {
    const std::string text = ctx.pageLog.missingFonts().message();
    if (!text.empty()) ctx.host.message(text, TW_TR("Messages", "Fonts"));
}

}  // namespace

std::string_view startNumberBelowOne() { return TW_TR("Messages", "The start number must be 1 or more"); }

ReportFlags flagsFor(ReportKind kind) {
    ReportFlags flags{};
    flags[size_t(kind)] = 1;
    return flags;
}

StartKind startKindFor(const ReportFlags& flags) {
    for (const ReportInfo& info : allReports())
        if (flags[size_t(info.kind)] != 0 && info.start == StartKind::Mrin) return StartKind::Mrin;
    return StartKind::Rin;
}

int32_t parseStartNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int64_t value = 0;
    const int64_t limit = int64_t(std::numeric_limits<int32_t>::max()) + 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) value = std::min(value * 10 + (text[i] - '0'), limit);
    if (negative) return int32_t(std::max(-value, int64_t(std::numeric_limits<int32_t>::min())));
    return int32_t(std::min(value, int64_t(std::numeric_limits<int32_t>::max())));
}

std::optional<ReportInput> checkStartField(AppContext& ctx, StartKind kind, std::string_view field) {
    ReportInput input;
    input.startRin = parseStartNumber(field);
    ctx.startRin = input.startRin;
    if (kind == StartKind::Rin) {
        if (refuseBelowOne(ctx, input.startRin) || validateRin(ctx, input.startRin)) return std::nullopt;
        return input;
    }
    std::string_view rest = field;
    std::unordered_set<int32_t> given;
    for (bool last = false; !last;) {
        const size_t comma = rest.find(',');
        last = comma == std::string_view::npos;
        const int32_t mrin = parseStartNumber(rest.substr(0, comma));
        if (!last) rest.remove_prefix(comma + 1);
        if (refuseBelowOne(ctx, mrin) || validateMrin(ctx, mrin)) return std::nullopt;
        // The same couple given twice is walked once.
        if (given.insert(mrin).second) input.mrins.push(mrin);
    }
    return input;
}


DispatchOutcome dispatchReports(AppContext& ctx, const ReportFlags& flags, std::string_view startField) {
    clearRunMessages(ctx);
    const auto input = checkStartField(ctx, startKindFor(flags), startField);
    if (!input) return DispatchOutcome::StartRejected;

    std::vector<const ReportInfo*> chosen;
    for (const ReportInfo& info : allReports())
        if (flags[size_t(info.kind)] != 0) chosen.push_back(&info);
    std::sort(chosen.begin(), chosen.end(),
              [](const ReportInfo* a, const ReportInfo* b) { return a->dispatchOrder < b->dispatchOrder; });
    for (const ReportInfo* info : chosen) {
        if (info->generator != nullptr) continue;
        ctx.host.message(fillIn(TW_TR("Messages", "The %1 is not available in this version of Tamblewin."),
                                {reportName(info->kind)}),
                         TW_TR("Messages", "Notice"));
        return DispatchOutcome::NotAvailable;
    }
    ctx.failedStatus = 0;
    try {
        for (const ReportInfo* info : chosen) {
            // Each report shows its once-per-run messages afresh, and works on its own
            // copy of the start numbers.
            clearRunMessages(ctx);
            findLoops(ctx, info->start, *input);
            const ReportInput copy = *input;
            info->generator(ctx, copy);
            sayMissingFonts(ctx);
        }
    } catch (const FatalStop& stop) {
        ctx.pageLog.discard();
        ctx.failedStatus = stop.status;
        ctx.host.showFatal(stop);
        return DispatchOutcome::Failed;
    }
    if (ctx.host.cancelRequested()) {
        ctx.host.closeStartWindow();
        return DispatchOutcome::Stopped;
    }
    return DispatchOutcome::Ran;
}

}  // namespace tw
