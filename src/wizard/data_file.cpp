#include "wizard/data_file.h"

#include <algorithm>
#include <cctype>

#include "base/translation.h"
#include "gedcom/gedcom_import.h"
#include "gedcom/gedcom_records.h"
#include "gedcom/gedcom_text.h"
#include "paf/file_bytes.h"
#include "paf/paf_layout.h"
#include "paf/paf_writer.h"

namespace tw {

namespace {

bool endsWithNoCase(std::string_view text, std::string_view end) {
    return text.size() >= end.size() &&
           std::equal(end.begin(), end.end(), text.end() - std::ptrdiff_t(end.size()), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

bool hasGedcomName(std::string_view path) { return endsWithNoCase(path, ".ged") || endsWithNoCase(path, ".gedcom"); }

}  // namespace

DataFileKind dataFileKindOf(std::string_view firstBytes) {
    const std::string_view start = firstBytes.substr(0, kDataFileKindBytes);
    constexpr std::string_view kPafSignature("PAF\0", 4);
    if (start.size() >= paf::header::kSignature + kPafSignature.size() &&
        start.substr(paf::header::kSignature, kPafSignature.size()) == kPafSignature)
        return DataFileKind::Paf;
    const gedcom::DecodedText decoded = gedcom::decodeGedcomText(start);
    return gedcom::headError(decoded.text).empty() ? DataFileKind::Gedcom : DataFileKind::Neither;
}

DataFileKind dataFileKind(const std::string& path, std::string* readProblem) {
    std::vector<uint8_t> bytes;
    const FileRead read = readFileStart(path, kDataFileKindBytes, bytes);
    if (readProblem != nullptr) *readProblem = read.problem;
    if (!read.ok()) return DataFileKind::Neither;
    return dataFileKindOf(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

bool readsAsGedcom(const std::string& path) {
    switch (dataFileKind(path)) {
    case DataFileKind::Gedcom: return true;
    case DataFileKind::Paf: return false;
    case DataFileKind::Neither: break;
    }
    return hasGedcomName(path);
}

std::string openFailureText(int result, int systemError) {
    if (result == PafFile::kNotPafFile) return std::string(TW_TR("Messages", "PAF file is corrupted.  Open failed."));
    if (systemError == kSharingViolation)
        return std::string(TW_TR("Messages",
                                 "Open failed.  If PAF is running,\neven if it is minimized,\nTamblewin can't get "
                                 "access\nto the data file.  Please\nclose PAF and try again."));
    return fillIn(TW_TR("Messages", "Open failed.  Error code: %1"), {std::to_string(systemError)});
}

bool openDataFile(PafContext& ctx, const std::string& path) {
    const int result = ctx.file.open(path);
    if (result == PafFile::kOpened) return true;
    const std::string text = openFailureText(result, ctx.file.systemError());
    if (result == PafFile::kNotPafFile) {
        ctx.host.message(text, TW_TR("Messages", "Alert!"));
        return false;
    }
    if (ctx.file.notAFile()) {  // a folder, named pipe, ...: the user can choose again
        ctx.host.message(fillIn(TW_TR("Messages", "Open failed: %1."), {ctx.file.openProblem()}),
                         TW_TR("Messages", "Alert!"));
        return false;
    }
    ctx.host.fatal(text, TW_TR("Messages", "Alert!"), kExitFailure);
}

}  // namespace tw

namespace tw {

namespace {

constexpr size_t kWarningsShown = 10;

}  // namespace

std::string gedcomProblemsText(const std::string& path, size_t problems, const std::vector<std::string>& warnings) {
    std::string text = problems == 1 ? fillIn(TW_TR("Messages", "1 problem in %1 was passed over:"), {path})
                                     : fillIn(TW_TR("Messages", "%1 problems in %2 were passed over:"),
                                              {std::to_string(problems), path});
    size_t shown = 0;
    for (; shown < warnings.size() && shown < kWarningsShown && shown < problems; ++shown) text += "\n" + warnings[shown];
    if (problems > shown) text += "\n" + fillIn(TW_TR("Messages", "and %1 more"), {std::to_string(problems - shown)});
    return text;
}

bool openGedcomOrPaf(PafContext& ctx, const std::string& path, GedcomOpening* opening,
                     const std::function<bool()>& keepGoing) {
    if (!readsAsGedcom(path)) return openDataFile(ctx, path);
    ctx.file.close();
    gedcom::ImportOptions options;
    options.keepGoing = keepGoing;
    gedcom::ImportResult imported = gedcom::importGedcomFile(path, options);
    if (imported.error == gedcom::kImportStopped) return false;
    if (!imported.ok()) {
        if (opening != nullptr) opening->damaged = !imported.unreadable;
        ctx.host.message(path + ": " + imported.error, TW_TR("Messages", "Alert!"));
        return false;
    }
    // The family gives its memory back as its image is written.
    PafImage image = buildPafImage(std::move(imported.family));
    if (!image.error().empty()) {
        ctx.host.message(path + ": " + image.error(), TW_TR("Messages", "Alert!"));
        return false;
    }
    if (ctx.file.openImage(image.release(), TextEncoding::Utf8) != PafFile::kOpened) {
        ctx.host.message(fillIn(TW_TR("Messages", "%1: the imported family could not be opened: %2"),
                                {path, ctx.file.openProblem()}),
                         TW_TR("Messages", "Alert!"));
        return false;
    }
    if (opening != nullptr) {
        opening->problems = imported.problems;
    } else if (imported.problems > 0) {
        ctx.host.message(gedcomProblemsText(path, imported.problems, imported.warnings),
                         TW_TR("Messages", "GEDCOM import"));
    }
    return true;
}

}  // namespace tw
