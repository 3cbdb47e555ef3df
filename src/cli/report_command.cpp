#include "cli/report_command.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>

#include "cli/cli_host.h"
#include "cli/file_output.h"
#include "cli/open_file.h"
#include "files/user_files.h"
#include "output/page_command.h"
#include "output/printing.h"
#include "wizard/dispatcher.h"

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
};

int fail(const std::string& problem, int status = kExitUsage) {
    std::fprintf(stderr, "tamblewin: %s\n", problem.c_str());
    return status;
}

std::string kindList() {
    std::string list;
    for (const ReportInfo& info : allReports()) list += "  " + std::string(info.commandName) + "\n";
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

// Parses the options; returns a non-negative exit status on error.
int parseOptions(const std::vector<std::string>& args, ReportOptions& options) {
    if (args.empty()) return fail("'report' needs a report kind; the kinds are:\n" + kindList());
    const auto kind = reportByCommandName(args[0]);
    if (!kind) return fail("unknown report kind '" + args[0] + "'; the kinds are:\n" + kindList());
    options.kind = *kind;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--plain-background") {
            options.plainBackground = true;
            continue;
        }
        if (i + 1 >= args.size()) return fail("option '" + option + "' needs a value");
        const std::string& value = args[++i];
        if (option == "--paf") options.paf = value;
        else if (option == "--start") options.start = value;
        else if (option == "-o" || option == "--output") options.out = value;
        else if (option == "--format") {
            options.format = formatNamed(value);
            if (!options.format) return fail("unknown format '" + value + "' (pdf, png, svg or log)");
        } else if (option == "--date") {
            options.date = parseDate(value);
            if (!options.date) return fail("--date wants a date as YYYY-MM-DD, not '" + value + "'");
        } else {
            return fail("unknown option '" + option + "'");
        }
    }
    if (options.paf.empty()) return fail("'report' needs the data file: --paf FILE.paf");
    if (!plausibleStartField(options.start))
        return fail("--start '" + options.start + "' is not a RIN or a list of MRINs such as 23,24");
    if (!options.format) {
        const std::string ext = std::filesystem::path(options.out).extension().string();
        options.format = ext.size() > 1 ? formatNamed(ext.substr(1)) : OutputFormat::Pdf;
        if (!options.format) return fail("cannot tell the format from '" + options.out + "'; give --format");
    }
    if (options.out.empty()) options.out = std::string(reportInfo(options.kind).commandName) + extensionOf(*options.format);
    return -1;
}

// The page log as text: every page in order, one command per line without its mark.
bool writePageLog(const PageLog& log, const std::string& path) {
    std::string text;
    for (int32_t page = 0; page <= log.lastPageIndex() && page < log.storedPageCount(); ++page) {
        const std::string content = log.pagelogg(page);
        for (const std::string_view command : splitPageCommands(content)) {
            text += command;
            text += '\n';
        }
    }
    if (path == "-") return std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    std::ofstream out(path, std::ios::binary);
    out.write(text.data(), std::streamsize(text.size()));
    return bool(out.flush());
}

}  // namespace

int reportCommand(const std::vector<std::string>& args) {
    ReportOptions options;
    if (const int status = parseOptions(args, options); status >= 0) return status;

    CliHost host;
    if (options.date) host.setToday(*options.date);
    std::unique_ptr<FileOutput> output;
    if (*options.format != OutputFormat::Log) {
        std::string error;
        output = makeFileOutput(*options.format, options.out, error);
        if (!output) return fail(error, kExitFailure);
        host.setPrinter(&output->printer());
    }

    AppContext ctx(host);
    if (!openForCommand(ctx, options.paf)) return kExitFailure;
    ctx.dataFilePath = options.paf;
    ctx.paths = runPathsFor(options.paf);
    ctx.detailedFoliage = !options.plainBackground;

    switch (dispatchReports(ctx, flagsFor(options.kind), options.start)) {
    case DispatchOutcome::Ran: break;
    case DispatchOutcome::StartRejected: return fail("no report was written: the start number was refused", kExitFailure);
    case DispatchOutcome::NotAvailable: return kExitFailure;
    case DispatchOutcome::Stopped: return fail("the report was stopped; nothing was written", kExitFailure);
    }
    if (host.startWindowClosed()) return fail("the report stopped on bad data; nothing was written", kExitFailure);
    if (ctx.pageLog.storedPageCount() == 0) return fail("the report produced no page; nothing was written", kExitFailure);

    const int pages = ctx.pageLog.lastPageIndex() + 1;
    if (!output) {
        if (!writePageLog(ctx.pageLog, options.out)) return fail("cannot write " + options.out, kExitFailure);
        if (options.out != "-") std::printf("Wrote the page log of %d pages to %s\n", pages, options.out.c_str());
        return 0;
    }
    const bool printed = printPages(ctx.pageLog, host, 1, pages);
    if (!printed || !output->ok())
        return fail("cannot write " + options.out + (output->ok() ? "" : ": " + output->errorText()), kExitFailure);
    const auto files = output->writtenFiles();
    std::string where = options.out;
    if (files.size() == 1) where = files.front();
    if (files.size() > 1) where = files.front() + " .. " + files.back();
    std::printf("Wrote %d page%s to %s\n", pages, pages == 1 ? "" : "s", where.c_str());
    return 0;
}

}  // namespace tw::cli
