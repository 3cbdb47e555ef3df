#include "cli/report_command.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "base/translation.h"
#include "cli/cli_host.h"
#include "cli/file_output.h"
#include "cli/open_file.h"
#include "cli/progress_line.h"
#include "cli/stop_signals.h"
#include "files/input_guard.h"
#include "files/system_paper.h"
#include "files/user_files.h"
#include "output/installed_fonts.h"
#include "output/page_command.h"
#include "output/printing.h"
#include "wizard/dispatcher.h"
#include "wizard/report_title.h"

namespace tw::cli {

namespace {

struct ReportOptions {
    ReportKind kind{};
    std::string paf;
    std::string start = "1";
    std::string out;
    std::optional<OutputFormat> format;
    std::optional<CalendarDate> date;
    bool plainBackground = false;  // the Family Tree Chart without its leaves
    std::optional<Paper> paper;    // none: the system's default paper
    bool largeSheets = false;      // A3 allowed where a chart asks for a larger sheet
};

int fail(std::string_view problem, int status = kExitUsage) {
    std::fprintf(stderr, "tamblewin: %.*s\n", int(problem.size()), problem.data());
    return status;
}

std::string kindList() {
    std::string list;
    for (const ReportInfo& info : allReports()) list += "  " + std::string(info.commandName) + "\n";
    return list;
}

std::string paperList() {
    std::string list;
    for (const Paper paper : kAllPapers) list += (list.empty() ? "" : ", ") + std::string(paperName(paper));
    return list;
}

std::optional<OutputFormat> formatNamed(const std::string& name) {
    if (name == "pdf") return OutputFormat::Pdf;
    if (name == "png") return OutputFormat::Png;
    if (name == "svg") return OutputFormat::Svg;
    if (name == "log") return OutputFormat::Log;
    return std::nullopt;
}

const char* extensionOf(OutputFormat format) {
    switch (format) {
    case OutputFormat::Pdf: return ".pdf";
    case OutputFormat::Png: return ".png";
    case OutputFormat::Svg: return ".svg";
    case OutputFormat::Log: return ".log";
    }
    return "";
}

std::optional<CalendarDate> parseDate(const std::string& text) {
    int y = 0, m = 0, d = 0;
    char extra = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &extra) != 3) return std::nullopt;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1 || m < 1 || m > 12 || d < 1) return std::nullopt;
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    if (d > kDays[m - 1] + (m == 2 && leap ? 1 : 0)) return std::nullopt;
    return CalendarDate{y, m, d};
}

// The start field may hold numbers, blanks, signs and commas only; anything else is
// a typing mistake the command line refuses before the file is touched.
bool plausibleStartField(const std::string& text) {
    if (text.find_first_of("0123456789") == std::string::npos) return false;
    return text.find_first_not_of("0123456789 ,+-") == std::string::npos;
}

// Parses the options; returns a non-negative exit status on error (said unless quiet).
int parseOptions(const std::vector<std::string>& args, ReportOptions& options, bool quiet = false) {
    const auto fail = [quiet](std::string_view problem) { return quiet ? kExitUsage : cli::fail(problem); };
    if (args.empty())
        return fail(fillIn(TW_TR("CommandLine", "'report' needs a report kind; the kinds are:\n%1"), {kindList()}));
    const auto kind = reportByCommandName(args[0]);
    if (!kind)
        return fail(
            fillIn(TW_TR("CommandLine", "unknown report kind '%1'; the kinds are:\n%2"), {args[0], kindList()}));
    options.kind = *kind;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--plain-background") {
            options.plainBackground = true;
            continue;
        }
        if (option == "--large-sheets") {
            options.largeSheets = true;
            continue;
        }
        if (i + 1 >= args.size()) return fail(fillIn(TW_TR("CommandLine", "option '%1' needs a value"), {option}));
        const std::string& value = args[++i];
        if (option == "--paf") options.paf = value;
        else if (option == "--start") options.start = value;
        else if (option == "-o" || option == "--output") options.out = value;
        else if (option == "--format") {
            options.format = formatNamed(value);
            if (!options.format)
                return fail(fillIn(TW_TR("CommandLine", "unknown format '%1' (pdf, png, svg or log)"), {value}));
        } else if (option == "--paper") {
            options.paper = paperNamed(value);
            if (!options.paper)
                return fail(
                    fillIn(TW_TR("CommandLine", "unknown paper '%1'; the papers are %2"), {value, paperList()}));
        } else if (option == "--date") {
            options.date = parseDate(value);
            if (!options.date)
                return fail(fillIn(TW_TR("CommandLine", "--date wants a date as YYYY-MM-DD, not '%1'"), {value}));
        } else {
            return fail(fillIn(TW_TR("CommandLine", "unknown option '%1'"), {option}));
        }
    }
    if (options.paf.empty()) return fail(TW_TR("CommandLine", "'report' needs the data file: --paf FILE.paf"));
    if (!plausibleStartField(options.start))
        return fail(fillIn(TW_TR("CommandLine", "--start '%1' is not a RIN or a list of MRINs such as 23,24"),
                           {options.start}));
    if (!options.format) {
        const std::string ext = std::filesystem::path(options.out).extension().string();
        options.format = ext.size() > 1 ? formatNamed(ext.substr(1)) : OutputFormat::Pdf;
        if (!options.format)
            return fail(fillIn(TW_TR("CommandLine", "cannot tell the format from '%1'; give --format"), {options.out}));
    }
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch != nullptr && *epoch != '\0' && !options.date &&
                                                                 !sourceDateEpochSeconds(epoch))
        return fail(fillIn(
            TW_TR("CommandLine", "SOURCE_DATE_EPOCH wants seconds since 1970 within the years 1 to 9999, not '%1'"),
            {epoch}));
    if (options.out.empty()) options.out = std::string(reportInfo(options.kind).commandName) + extensionOf(*options.format);
    return -1;
}

// The page log as text: every page in order, one command per line without its mark.
std::string pageLogText(const PageLog& log) {
    std::string text;
    for (int32_t page = 0; page <= log.lastPageIndex() && page < log.storedPageCount(); ++page) {
        const std::string content = log.pagelogg(page);
        for (const std::string_view command : splitPageCommands(content)) {
            text += command;
            text += '\n';
        }
    }
    return text;
}

std::string pageCountText(int pages) {
    if (pages == 1) return std::string(TW_TR("CommandLine", "1 page"));
    return fillIn(TW_TR("CommandLine", "%1 pages"), {std::to_string(pages)});
}

std::string staleFilesText(int removed) {
    if (removed == 1) return std::string(TW_TR("CommandLine", "Removed 1 page file left from an earlier, longer run"));
    return fillIn(TW_TR("CommandLine", "Removed %1 page files left from an earlier, longer run"),
                  {std::to_string(removed)});
}

int refuseInput(const std::string& output) {
    return fail(fillIn(TW_TR("CommandLine", "will not write %1: it is the data file being read; choose another output"),
                       {output}),
                kExitUsage);
}

bool writesPageFiles(OutputFormat format) { return format == OutputFormat::Png || format == OutputFormat::Svg; }

// An output that is a device, FIFO, socket or folder is refused before the report
// runs; only "-" streams (the page log) into standard output.
int refuseSpecialFile(const std::string& output) {
    if (const std::string refusal = outputRefusal(output); !refusal.empty())
        return fail(fillIn(TW_TR("CommandLine", "will not write %1; choose another output"), {refusal}), kExitUsage);
    return -1;
}

// A folder given as -o takes the pages of PNG or SVG, named after the report;
// one document cannot be written as a folder. Returns an exit status on refusal.
int resolveOutputPath(ReportOptions& options) {
    if (options.out == "-") {
        if (*options.format != OutputFormat::Log)
            return fail(TW_TR("CommandLine", "only the page log (--format log) can go to standard output"));
        return -1;
    }
    std::error_code error;
    const bool folder = options.out.ends_with('/') || std::filesystem::is_directory(options.out, error);
    if (folder) {
        if (*options.format != OutputFormat::Png && *options.format != OutputFormat::Svg)
            return fail(fillIn(*options.format == OutputFormat::Log
                                   ? TW_TR("CommandLine", "%1 is a folder; give a file name for the page log")
                                   : TW_TR("CommandLine", "%1 is a folder; give a file name for the PDF document"),
                               {options.out}));
        options.out = (std::filesystem::path(options.out) /
                       (std::string(reportInfo(options.kind).commandName) + extensionOf(*options.format)))
                          .string();
    }
    if (isProtectedInput(options.out)) return refuseInput(options.out);
    if (const std::string refusal = outputFolderRefusal(options.out); !refusal.empty())
        return fail(
            fillIn(TW_TR("CommandLine", "will not write %1: %2; choose another output"), {options.out, refusal}));
    // PNG and SVG pages are files of their own, checked by name before they are written.
    return writesPageFiles(*options.format) ? -1 : refuseSpecialFile(options.out);
}

// The files of one run: the printer writes temporary files beside the final ones,
// which are renamed into place only once every page is written. Until then (a
// failure, a stop, the end of memory) the temporary files are removed again and
// the files of an earlier run stay as they were.
class RunFiles {
public:
    RunFiles(OutputFormat format, std::string out) : format_(format), out_(std::move(out)) {
        const std::filesystem::path whole(out_);
        std::string extension = whole.extension().string();
        if (extension.empty()) extension = extensionOf(format_);
        const std::string stem = (whole.parent_path() / whole.stem()).string();
        temporary_ = writesPageFiles(format_) ? temporaryPathBeside(stem) + extension : temporaryPathBeside(out_);
        if (!writesPageFiles(format_)) temporaries_ = {temporary_};
        setTemporaryFiles(temporaries_);
    }
    ~RunFiles() { discard(); }
    RunFiles(const RunFiles&) = delete;
    RunFiles& operator=(const RunFiles&) = delete;

    // Where the printer writes (page files get "-N" before the extension).
    const std::string& printerPath() const { return temporary_; }
    void setOutput(std::unique_ptr<FileOutput> output) { output_ = std::move(output); }
    FileOutput* output() const { return output_.get(); }

    // The final name of every file of a document of that many pages.
    std::vector<std::string> finalFiles(int pages) const {
        if (!writesPageFiles(format_)) return {out_};
        std::vector<std::string> files;
        for (int page = 1; page <= pages; ++page) files.push_back(pageFilePath(format_, out_, page));
        return files;
    }
    // Names the temporary page files before they are written, so that a stop removes them.
    void expectPages(int pages) {
        if (!writesPageFiles(format_)) return;
        temporaries_.clear();
        for (int page = 1; page <= pages; ++page) temporaries_.push_back(pageFilePath(format_, temporary_, page));
        setTemporaryFiles(temporaries_);
    }
    // Renames the temporary files into place; false when one could not be.
    bool commit(int pages) {
        output_.reset();  // a PDF document is complete once its writer is gone
        holdStopSignals();
        const std::vector<std::string> finals = finalFiles(pages);
        bool ok = true;
        for (size_t i = 0; i < finals.size() && i < temporaries_.size(); ++i)
            ok = moveIntoPlace(temporaries_[i], finals[i]) && ok;
        temporaries_.clear();
        setTemporaryFiles({});
        return ok;
    }
    // Removes the page files an earlier run wrote beyond this run's last page (up to
    // the first number that is missing); returns how many.
    int removeStalePages(int pages) const {
        if (!writesPageFiles(format_)) return 0;
        int removed = 0;
        for (int page = pages + 1;; ++page) {
            const std::string stale = pageFilePath(format_, out_, page);
            std::error_code error;
            if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(stale, error)) ||
                isProtectedInput(stale))
                break;
            removeFileIfPresent(stale);
            ++removed;
        }
        return removed;
    }

private:
    void discard() {
        output_.reset();
        for (const std::string& file : temporaries_) std::remove(file.c_str());
        temporaries_.clear();
        setTemporaryFiles({});
    }

    OutputFormat format_;
    std::string out_;
    std::string temporary_;
    std::vector<std::string> temporaries_;
    std::unique_ptr<FileOutput> output_;
};

int writePageLogFile(const PageLog& log, const std::string& out) {
    const std::string text = pageLogText(log);
    if (out == "-") {
        if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
            return fail(TW_TR("CommandLine", "cannot write the page log"), kExitFailure);
        return 0;
    }
    if (isProtectedInput(out)) return refuseInput(out);
    if (const int status = refuseSpecialFile(out); status >= 0) return status;
    if (!writeWholeFile(out, text)) return fail(fillIn(TW_TR("CommandLine", "cannot write %1"), {out}), kExitFailure);
    std::printf("%s\n", fillIn(TW_TR("CommandLine", "Wrote the page log of %1 to %2"),
                               {pageCountText(log.lastPageIndex() + 1), out})
                            .c_str());
    return 0;
}

// The progress line, and the end of printing at the first file that could not be
// written (a full disk): the pages after it are not drawn in vain.
class StopAtFailedWrite : public PrintProgress {
public:
    StopAtFailedWrite(ProgressLine& line, const FileOutput& output) : line_(line), output_(output) {}
    bool pagePrinted(int printed, int total) override { return line_.pagePrinted(printed, total) && output_.ok(); }

private:
    ProgressLine& line_;
    const FileOutput& output_;
};

int printPageFiles(AppContext& ctx, CliHost& host, RunFiles& files, const std::string& out, ProgressLine& progress) {
    const int pages = ctx.pageLog.lastPageIndex() + 1;
    const std::vector<std::string> finals = files.finalFiles(pages);
    files.expectPages(pages);  // a refusal removes the pages begun during the layout
    for (const std::string& file : finals) {
        if (isProtectedInput(file)) return refuseInput(file);
        if (const int status = refuseSpecialFile(file); status >= 0) return status;
    }
    stopAtOnce();
    FileOutput& output = *files.output();
    StopAtFailedWrite watch(progress, output);
    const bool printed = printPages(ctx.pageLog, host, 1, pages, false, &watch);
    progress.finish();
    if (!printed || !output.ok())
        return fail(output.ok() ? fillIn(TW_TR("CommandLine", "cannot write %1"), {out})
                                : fillIn(TW_TR("CommandLine", "cannot write %1: %2"), {out, output.errorText()}),
                    kExitFailure);
    if (!files.commit(pages)) return fail(fillIn(TW_TR("CommandLine", "cannot write %1 in full"), {out}), kExitFailure);
    const int stale = files.removeStalePages(pages);
    std::string where = finals.front();
    if (finals.size() > 1) where += " .. " + finals.back();
    std::printf("%s\n", fillIn(TW_TR("CommandLine", "Wrote %1 to %2"), {pageCountText(pages), where}).c_str());
    if (stale > 0) std::printf("%s\n", staleFilesText(stale).c_str());
    return 0;
}

// The status of a run the dispatcher finished, before anything is written.
int statusOfRun(DispatchOutcome outcome, const AppContext& ctx, const CliHost& host) {
    switch (outcome) {
    case DispatchOutcome::Ran: break;
    case DispatchOutcome::StartRejected:
        return fail(TW_TR("CommandLine", "no report was written: the start field was refused"), kExitUsage);
    case DispatchOutcome::NotAvailable: return kExitFailure;
    case DispatchOutcome::Stopped:
        return fail(TW_TR("CommandLine", "the report was stopped; nothing was written"), kExitFailure);
    case DispatchOutcome::Failed: return ctx.failedStatus;
    }
    if (host.refusedOutput()) return kExitUsage;
    if (host.startWindowClosed())
        return fail(TW_TR("CommandLine", "the report stopped on bad data; nothing was written"), kExitCorruptData);
    if (ctx.pageLog.storedPageCount() == 0)
        return fail(TW_TR("CommandLine", "the report produced no page; nothing was written"), kExitFailure);
    return -1;
}

}  // namespace

bool reportWritesPageFiles(const std::vector<std::string>& args) {
    ReportOptions options;
    return parseOptions(args, options, true) < 0 && writesPageFiles(*options.format);
}

int reportCommand(const std::vector<std::string>& args) {
    ReportOptions options;
    if (const int status = parseOptions(args, options); status >= 0) return status;
    installStopSignals();
    protectInput(options.paf);
    if (const int status = resolveOutputPath(options); status >= 0) return status;
    if (options.out != "-") removeTemporariesOfEndedRuns(options.out);

    CliHost host;
    if (options.date) host.setToday(*options.date);
    ProgressLine progress(stderr, standardErrorIsTerminal());
    host.setProgress(&progress);
    RunFiles files(*options.format, options.out);
    if (*options.format != OutputFormat::Log) {
        std::string error;
        files.setOutput(makeFileOutput(*options.format, files.printerPath(), error));
        if (files.output() == nullptr) return fail(error, kExitFailure);
        host.setPrinter(&files.output()->printer());
    }

    // The fonts are looked up before the data file takes its memory: fontconfig does
    // not survive running out of memory while it reads its configuration and caches.
    isInstalled("Liberation Serif");
    AppContext ctx(host);
    if (const int status = openForCommand(ctx, options.paf); status != 0) return status;
    ctx.dataFilePath = options.paf;
    ctx.paths = runPathsFor(options.paf);
    ctx.detailedFoliage = !options.plainBackground;
    ctx.paper = options.paper ? *options.paper : systemPaper().paper;
    ctx.largeSheets = options.largeSheets;
    if (files.output() != nullptr)
        files.output()->printer().describeDocument(
            DocumentDescription{reportTitle(ctx.file, options.kind, options.start), host.documentTime()});

    const DispatchOutcome outcome = dispatchReports(ctx, flagsFor(options.kind), options.start);
    if (const int status = statusOfRun(outcome, ctx, host); status >= 0) return status;
    const int written = *options.format == OutputFormat::Log ? writePageLogFile(ctx.pageLog, options.out)
                                                              : printPageFiles(ctx, host, files, options.out, progress);
    if (written != 0) return written;
    return ctx.corruptDataReported() ? kExitPagesButDamaged : kExitComplete;
}

}  // namespace tw::cli
