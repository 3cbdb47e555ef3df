#include "cli/commands.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <new>
#include <optional>
#include <string_view>

#include "base/build_info.h"
#include "base/translation.h"
#include "base/utf8.h"
#include "cli/cli_host.h"
#include "cli/open_file.h"
#include "files/paf_image_file.h"
#include "cli/report_command.h"
#include "cli/stop_signals.h"
#include "files/input_guard.h"
#include "files/user_files.h"
#include "gedcom/gedcom_import.h"
#include "paf/paf_context.h"
#include "wizard/browse_list.h"

namespace tw::cli {

namespace {

// The usage text of --help and of a bad command line, one paragraph a text for the
// translators; command names, options, report names and file names stay as typed.
std::string usageText() {
    std::string text(TW_TR("CommandLine", "Usage:"));
    text += "\n";
    text += TW_TR("CommandLine",
                  "  tamblewin report KIND --paf FILE.paf [--start TEXT] [-o OUT] [--format pdf|png|svg|log]\n"
                  "                 [--paper letter|legal|tabloid|a5|a4|a3] [--large-sheets]\n"
                  "                 [--date YYYY-MM-DD] [--plain-background]\n"
                  "                                lay out a report and write it as PDF, PNG or SVG pages or as\n"
                  "                                its page log; --start is the RIN, or the MRINs (\"23,24\");\n"
                  "                                --paper: the paper to lay it out on (see below);\n"
                  "                                --large-sheets: on A5, A4 or A3 paper the Descendant Summary\n"
                  "                                Chart may take an A3 sheet where it needs a larger one\n"
                  "                                (without it, it fits itself onto the paper);\n"
                  "                                --plain-background: the Family Tree Chart's crown as plain\n"
                  "                                ovals instead of leaves\n");
    text += TW_TR("CommandLine", "  tamblewin info FILE.paf       header figures of a PAF 5 data file\n");
    text += TW_TR("CommandLine", "  tamblewin people FILE.paf     every individual in name order, with the RIN\n");
    text += TW_TR("CommandLine",
                  "  tamblewin families FILE.paf   every marriage: MRIN, husband, wife and marriage year,\n"
                  "                                separated by tabs\n");
    text += TW_TR("CommandLine",
                  "  tamblewin import FILE.ged -o FILE.paf\n"
                  "                                build a PAF 5 file from a GEDCOM file; letters PAF cannot\n"
                  "                                hold become plain letters. report, info, people and\n"
                  "                                families also take a GEDCOM file directly, known by its\n"
                  "                                first line (0 HEAD) whatever its name\n");
    text += TW_TR("CommandLine", "  tamblewin FILE                the windows, with that PAF or GEDCOM file chosen\n");
    text += "  tamblewin --help | --version\n\n";
    text += TW_TR("CommandLine",
                  "--language CODE, before or after any command, gives the language of the words\n"
                  "on the pages, in the windows and in the messages: de (German), fr (French),\n"
                  "es (Spanish), nl (Dutch), sv (Swedish), nb (Norwegian Bokmal) or en (English).\n"
                  "Without it the language is the first that LANGUAGE lists, else that of LC_ALL,\n"
                  "LC_MESSAGES or LANG; a language tamblewin does not have is English.\n");
    text += "\n";
    text += TW_TR("CommandLine",
                  "Without --paper the paper is the one PAPERSIZE names, else the first word of the\n"
                  "paper configuration file (/etc/papersize, or the file PAPERCONF names), else the\n"
                  "locale's (LC_ALL, else LC_PAPER, else LANG): letter in the United States, Canada,\n"
                  "Mexico, the Philippines, Chile, Colombia and Venezuela, A4 in every other country;\n"
                  "else letter. A name tamblewin does not know is passed over.\n");
    text += "\n";
    text += TW_TR("CommandLine",
                  "The data file is only ever read, never written: no output may be the data file or\n"
                  "the GEDCOM file read, and every output is written whole or not at all. Messages\n"
                  "go to standard error. Exit status:\n");
    text += TW_TR("CommandLine",
                  "  0  complete\n"
                  "  1  could not do what was asked (a missing file, no page, stopped with Ctrl-C)\n"
                  "  2  bad command line or start field, or an output that is an input\n"
                  "  3  the data file is damaged and nothing was written\n"
                  "  4  the output was written, but the data file is damaged (the messages say where)\n"
                  "  5  out of memory\n");
    return text;
}

}  // namespace

int usageError(const std::string& problem) {
    std::fprintf(stderr, "tamblewin: %s\n%s", problem.c_str(), usageText().c_str());
    return kExitUsage;
}

namespace {

// A message on standard error after the program's name.
void printProblem(const std::string& problem) { std::fprintf(stderr, "tamblewin: %s\n", problem.c_str()); }

bool standardOutputIsTerminal() { return ::isatty(STDOUT_FILENO) == 1; }

// Names as they are printed: on a terminal, control bytes and escape sequences
// become U+FFFD; into a file or a pipe, every byte as it is.
std::string shownText(const std::string& text, bool terminal) { return terminal ? terminalSafe(text) : text; }

// Standard output flushed; a write that failed on the way or now (a full disk, a
// reader gone) is said, and a run that had succeeded fails.
int finishStandardOutput(int status) {
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    if (flushed && !std::ferror(stdout)) return status;
    const std::string problem = error != 0
                                    ? fillIn(TW_TR("CommandLine", "cannot write to standard output: %1"),
                                             {std::strerror(error)})
                                    : std::string(TW_TR("CommandLine", "cannot write to standard output"));
    printProblem(problem);
    return status == kExitComplete || status == kExitPagesButDamaged ? kExitFailure : status;
}

int infoCommand(const std::string& path) {
    CliHost host;
    PafContext ctx(host);
    if (const int status = openForCommand(ctx, path); status != 0) return status;
    const PafFile& f = ctx.file;
    std::printf("highestRin: %d\nhighestMrin: %d\npageSpaces: %d\nnameIndexRoot: %d\nnameIndexSize: %d\n",
                f.highestRin(), f.highestMrin(), f.pageSpaceCount(), f.nameIndexRoot(), f.nameIndexSize());
    return 0;
}

int peopleCommand(const std::string& path) {
    CliHost host;
    PafContext ctx(host);
    if (const int status = openForCommand(ctx, path); status != 0) return status;
    const bool terminal = standardOutputIsTerminal();
    for (const BrowseLine& line : buildBrowseList(ctx)) {
        std::printf("%d\t%s\n", line.rin, shownText(line.text, terminal).c_str());
        if (std::ferror(stdout)) break;  // said once the command ends
    }
    return ctx.corruptDataReported() ? kExitPagesButDamaged : kExitComplete;
}

int familiesCommand(const std::string& path) {
    CliHost host;
    PafContext ctx(host);
    if (const int status = openForCommand(ctx, path); status != 0) return status;
    const bool terminal = standardOutputIsTerminal();
    for (const CoupleLine& line : buildCoupleList(ctx)) {
        const std::string year = line.year != 0 ? std::to_string(line.year) : std::string();
        std::printf("%d\t%s\t%s\t%s\n", line.mrin, shownText(line.husband, terminal).c_str(),
                    shownText(line.wife, terminal).c_str(), year.c_str());
        if (std::ferror(stdout)) break;  // said once the command ends
    }
    return ctx.corruptDataReported() ? kExitPagesButDamaged : kExitComplete;
}

// import FILE.ged -o FILE.paf: warnings ("line N: ...") on standard error, and one
// more when names or places had letters that Windows-1252 lacks.
int importCommand(const std::vector<std::string>& args) {
    std::string input, output;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size()) {
            output = args[++i];
        } else if (input.empty() && !args[i].empty() && args[i][0] != '-') {
            input = args[i];
        } else {
            return usageError(fillIn(TW_TR("CommandLine", "'import' does not take '%1'"), {args[i]}));
        }
    }
    if (input.empty() || output.empty())
        return usageError(std::string(TW_TR("CommandLine", "'import' takes a GEDCOM file and -o FILE.paf")));
    installStopSignals();
    protectInput(input);
    if (output == input || isProtectedInput(output))
        return usageError(std::string(TW_TR("CommandLine", "the PAF file must not be the GEDCOM file itself")));
    if (const std::string refusal = outputRefusal(output); !refusal.empty()) {
        printProblem(fillIn(TW_TR("CommandLine", "will not write %1; choose another output"), {refusal}));
        return kExitUsage;
    }
    if (const std::string refusal = outputFolderRefusal(output); !refusal.empty()) {
        printProblem(fillIn(TW_TR("CommandLine", "will not write %1: %2; choose another output"), {output, refusal}));
        return kExitUsage;
    }
    removeTemporariesOfEndedRuns(output);
    gedcom::ImportOptions options;
    options.windows1252 = true;  // what a PAF file holds
    gedcom::ImportResult imported = gedcom::importGedcomFile(input, options);
    if (!imported.ok()) {
        std::fprintf(stderr, "tamblewin: %s: %s\n", input.c_str(), imported.error.c_str());
        if (imported.error == gedcom::kImportStopped) return kExitFailure;
        return imported.unreadable ? kExitFailure : kExitCorruptData;
    }
    for (const std::string& w : imported.warnings) std::fprintf(stderr, "tamblewin: %s: %s\n", input.c_str(), w.c_str());
    if (const size_t reduced = imported.counts.reducedTexts; reduced > 0)
        printProblem(input + ": " +
                     fillIn(TW_TR("CommandLine", "%1 names and places hold letters a PAF file cannot; they were "
                                                 "written with plain letters, and \"?\" where there is none"),
                            {std::to_string(reduced)}));
    const size_t people = imported.family.personCount(), marriages = imported.family.marriageCount();
    const PafImage image = buildPafImage(std::move(imported.family));
    if (!image.error().empty()) {
        std::fprintf(stderr, "tamblewin: %s: %s\n", input.c_str(), image.error().c_str());
        return kExitFailure;
    }
    if (stopRequested()) {
        printProblem(std::string(TW_TR("CommandLine", "the import was stopped; nothing was written")));
        return kExitFailure;
    }
    const std::string temporary = temporaryPathBeside(output);
    setTemporaryFiles({temporary});
    holdStopSignals();  // written whole once begun: a stop now waits for the end
    if (!writePafImage(image, output, temporary)) {
        printProblem(fillIn(TW_TR("CommandLine", "%1: cannot be written"), {output}));
        return kExitFailure;
    }
    std::printf("%s\n", fillIn(TW_TR("CommandLine", "Wrote %1 individuals and %2 marriages to %3"),
                               {std::to_string(people), std::to_string(marriages), output})
                            .c_str());
    return 0;
}

// Runs a command that takes exactly one file argument.
int withOneFile(const std::vector<std::string>& args, int (*command)(const std::string&)) {
    if (args.size() != 2) return usageError(fillIn(TW_TR("CommandLine", "'%1' takes one data file"), {args[0]}));
    return command(args[1]);
}

int usageCommand(const std::vector<std::string>&) {
    std::fputs(usageText().c_str(), stdout);
    return 0;
}

int versionCommand(const std::vector<std::string>&) {
    std::printf("tamblewin %s\n", kProgramVersion);
    return 0;
}

// Each command with what runs it; every runner gets the whole command line.
struct Command {
    std::string_view name;
    int (*run)(const std::vector<std::string>& args);
};

constexpr Command kCommands[] = {
    {"report", [](const std::vector<std::string>& args) { return reportCommand({args.begin() + 1, args.end()}); }},
    {"info", [](const std::vector<std::string>& args) { return withOneFile(args, infoCommand); }},
    {"people", [](const std::vector<std::string>& args) { return withOneFile(args, peopleCommand); }},
    {"families", [](const std::vector<std::string>& args) { return withOneFile(args, familiesCommand); }},
    {"import", importCommand},
    {"--help", usageCommand},
    {"-h", usageCommand},
    {"help", usageCommand},
    {"--version", versionCommand},
};

const Command* findCommand(std::string_view name) {
    const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [name](const Command& command) { return command.name == name; });
    return found != std::end(kCommands) ? found : nullptr;
}

int runCommand(const std::vector<std::string>& args) {
    if (args.empty()) return usageCommand(args);
    if (const Command* command = findCommand(args[0])) return command->run(args);
    return usageError(fillIn(TW_TR("CommandLine", "unknown command '%1'"), {args[0]}));
}

}  // namespace

bool isDataFileArgument(const std::vector<std::string>& args) {
    // A command stays a command, also where a file of its name lies in the folder.
    if (args.size() != 1 || findCommand(args[0]) != nullptr) return false;
    struct stat info{};
    return stat(args[0].c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

int runCommandLine(const std::vector<std::string>& args) {
    ignoreWriteSignals();
    try {
        return finishStandardOutput(runCommand(args));
    } catch (const FatalStop& stop) {
        // Damaged data or an internal error outside a report's run (the browse list,
        // the renderer while pages are written): its message, then its status.
        removeTemporaryFiles();
        CliHost host;
        host.showFatal(stop);
        return stop.status;
    } catch (const std::bad_alloc&) {
        removeTemporaryFiles();
        // Without allocating: the translation is already in memory.
        const std::string_view text = TW_TR("CommandLine", "Out of memory");
        std::fprintf(stderr, "tamblewin: %.*s\n", int(text.size()), text.data());
        return kExitOutOfMemory;
    }
}

}  // namespace tw::cli
