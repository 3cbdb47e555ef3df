#pragma once
// What the fuzz targets and the damaged-file tests run: a data file opened from
// memory and every report run on it, a GEDCOM file imported and reported on, start
// fields checked and dispatched. The contract of each: whatever the bytes, the run
// ends with a message, a corrupt-data stop or a normal result, never with a crash,
// a hang, or memory beyond what the bytes justify.
//
// A fatal stop unwinds the run: the dispatcher hands it to the host's showFatal, which
// keeps it here; outside the dispatcher (the browse list, the renderer) it is caught
// by the harness. Every object of the run is owned by the run and unwinds with it.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/host.h"
#include "paf/paf_writer.h"

namespace tw::fuzz {

using FatalStop = tw::FatalStop;

// A fatal stop that damaged data may cause: the corrupt-data stop (a link to a
// record that cannot be read) and a date of unknown type. Every other fatal stop
// (internal errors, malformed page commands, out of memory) is a fault.
bool isDataFatal(const FatalStop& stop);

struct Message {
    std::string text;
    std::string caption;
};

// A host that records messages (the first kKeptMessages of them, and how many there
// were), never asks to stop, and keeps the fatal stop the dispatcher shows.
class FuzzHost : public Host {
public:
    static constexpr size_t kKeptMessages = 64;
    std::vector<Message> messages;
    size_t messageCount = 0;
    std::optional<FatalStop> fatal;

    void message(std::string_view text, std::string_view caption) override;
    void showProgress(int) override {}
    bool cancelRequested() override { return false; }
    void closeStartWindow() override {}
    CalendarDate today() override { return {2026, 12, 7}; }
    void showFatal(const FatalStop& stop) override { fatal = stop; }
};

// Bounds of one run, so that a fuzzer's executions stay quick. The tests use the
// program's own list limit.
struct RunLimits {
    int64_t listEntryLimit = int64_t(1) << 21;
    bool renderPages = true;  // replay every page written onto a surface that draws nothing
};

// What happened to one report (or to the browse list).
struct ReportRun {
    std::string name;                  // command name, or "browse-list"
    std::vector<Message> messages;     // the first kKeptMessages
    size_t messageCount = 0;
    std::optional<FatalStop> fatal;
    int32_t pages = 0;                 // pages stored in the page log
};

struct RunOutcome {
    bool opened = false;
    std::string openProblem;           // why the open failed
    std::vector<ReportRun> runs;       // the browse list, then every report that has a generator
};

// Opens image as a data file and runs the browse list and every report (RIN start
// rinStart, MRIN start mrinStart) on it, each in a context of its own. An imported
// GEDCOM file's image holds UTF-8, as the program opens it.
RunOutcome openAndRunEverything(std::vector<uint8_t> image, const RunLimits& limits = {},
                                std::string_view rinStart = "1", std::string_view mrinStart = "1",
                                TextEncoding encoding = TextEncoding::Windows1252);

// Imports GEDCOM bytes and, when that gives a family, does the same with its image.
// importError holds why nothing could be imported.
struct ImportOutcome {
    std::string importError;
    RunOutcome run;
};
ImportOutcome importAndRunEverything(std::string_view gedcom, const RunLimits& limits = {});

// A PAF image from fuzzer bytes. Bytes that hold "PAF" at offset 8 are an image as
// it is; anything else is read as a sparse image: records of a 4-byte offset, a
// 2-byte length and that many bytes, laid over zeros (offsets wrap at 4 MiB). Seeds
// stay a few KB although the images they stand for are tens of KB of mostly zeros.
std::vector<uint8_t> imageFromFuzzBytes(std::span<const uint8_t> bytes);
// The sparse form of an image (the inverse of the above for images without "PAF"
// at offset 8 is not needed: images written by PafWriter always have it, so the
// sparse form is what the seed generator writes).
std::vector<uint8_t> sparseFromImage(std::span<const uint8_t> image);

// A marriage for PafWriter: husband, wife (0 for none) and children in order.
WriterMarriage couple(int32_t husband, int32_t wife, std::vector<int32_t> children, bool deleted = false);

// Runs a start field through parseStartNumber, checkStartField and the dispatcher for
// the report selected by kindByte, on a small built-in family.
void runStartField(uint8_t kindByte, std::string_view field);

// Ends the process with a report on standard error when a run shows a fault: a fatal
// stop that damaged data cannot explain.
void abortOnFault(const RunOutcome& outcome);

}  // namespace tw::fuzz
