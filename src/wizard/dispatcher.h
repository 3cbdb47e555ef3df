#pragma once
// The start window's Next: the typed start number (or numbers) converted and
// checked, then the generator of the chosen report run on it.

#include <array>
#include <optional>
#include <string_view>

#include "wizard/report_kind.h"

namespace tw {

// One flag per ReportKind, in the order of ReportKind: 1 for the chosen report.
using ReportFlags = std::array<int32_t, kReportCount>;

ReportFlags flagsFor(ReportKind kind);
// What the start window asks for: a couple when any chosen report starts from one.
StartKind startKindFor(const ReportFlags& flags);

// The number at the start of text: leading blanks, an optional sign, then decimal
// digits up to the first other character; 0 without digits. Numbers beyond the
// 32-bit range stay at its nearest end, so they fail the range checks.
int32_t parseStartNumber(std::string_view text);

// The message that refuses a start number below 1.
std::string_view startNumberBelowOne();

// Converts and checks the start field. A couple report takes every comma-separated
// MRIN, each once however often it is given. A number below 1 (also the 0 of a
// trailing comma) is refused with startNumberBelowOne() (caption "Error"). After a
// failed check (its message shown) nothing.
std::optional<ReportInput> checkStartField(AppContext& ctx, StartKind kind, std::string_view field);

enum class DispatchOutcome {
    Ran,            // the chosen generators ran
    StartRejected,  // a start number failed its check
    NotAvailable,   // a chosen report is not built yet; nothing ran
    Stopped,        // the user stopped the report; the start window is closed
    Failed,         // a fatal stop ended the run (damaged data or an internal error):
                    // its message was shown, ctx.failedStatus holds its status, and
                    // the pages written are dropped
};

// Runs the generator of every flag that is set, in dispatch order. When a chosen
// report is not built yet, a message says so and nothing runs. A fatal stop in a
// generator ends the run here (Host::showFatal), never the program.
DispatchOutcome dispatchReports(AppContext& ctx, const ReportFlags& flags, std::string_view startField);

}  // namespace tw
