#include "fuzz/harness.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "gedcom/gedcom_import.h"
#include "output/measuring_printer.h"
#include "output/page_render.h"
#include "paf/byte_order.h"
#include "paf/paf_writer.h"
#include "wizard/browse_list.h"
#include "wizard/dispatcher.h"
#include "wizard/report_kind.h"

namespace tw::fuzz {

namespace {

constexpr size_t kSparseImageLimit = size_t(4) << 20;

void keep(std::vector<Message>& kept, std::string_view text, std::string_view caption) {
    if (kept.size() < FuzzHost::kKeptMessages) kept.push_back({std::string(text), std::string(caption)});
}

void renderAll(AppContext& ctx, FuzzHost& host) {
    NullSurface surface;
    const PageLog& log = ctx.pageLog;
    for (int32_t page = 0; page <= log.lastPageIndex() && page < log.storedPageCount(); ++page)
        renderPage(log.pagelogg(page), surface, RenderView{}, host);
}

ReportRun runOneReport(const ReportInfo& info, const std::vector<uint8_t>& image, const RunLimits& limits,
                       std::string_view start, TextEncoding encoding) {
    ReportRun run;
    run.name = info.commandName;
    FuzzHost host;
    try {
        AppContext ctx(host);
        ctx.listEntryLimit = limits.listEntryLimit;
        if (ctx.file.openImage(image, encoding) != PafFile::kOpened) {
            run.fatal = FatalStop{"the image opened once but not again", "harness", kExitFailure, ""};
        } else {
            dispatchReports(ctx, flagsFor(info.kind), start);
            run.fatal = host.fatal;
            run.pages = ctx.pageLog.storedPageCount();
            if (limits.renderPages) renderAll(ctx, host);
        }
    } catch (FatalStop& stop) {
        run.fatal = std::move(stop);
    }
    run.messages = std::move(host.messages);
    run.messageCount = host.messageCount;
    return run;
}

ReportRun runBrowseList(const std::vector<uint8_t>& image, TextEncoding encoding) {
    ReportRun run;
    run.name = "browse-list";
    FuzzHost host;
    try {
        PafContext ctx(host);
        if (ctx.file.openImage(image, encoding) == PafFile::kOpened) run.pages = int32_t(buildBrowseList(ctx).size());
    } catch (FatalStop& stop) {
        run.fatal = std::move(stop);
    }
    run.messages = std::move(host.messages);
    run.messageCount = host.messageCount;
    return run;
}

}  // namespace

WriterMarriage couple(int32_t husband, int32_t wife, std::vector<int32_t> children, bool deleted) {
    WriterMarriage m;
    m.husband = husband;
    m.wife = wife;
    m.children = std::move(children);
    m.deleted = deleted;
    return m;
}

bool isDataFatal(const FatalStop& stop) {
    return stop.caption.starts_with("myABORT ") || (stop.caption == "Error" && stop.text == "Unknown date type");
}

void FuzzHost::message(std::string_view text, std::string_view caption) {
    ++messageCount;
    keep(messages, text, caption);
}


RunOutcome openAndRunEverything(std::vector<uint8_t> image, const RunLimits& limits, std::string_view rinStart,
                                std::string_view mrinStart, TextEncoding encoding) {
    RunOutcome outcome;
    {
        PafFile probe;
        outcome.opened = probe.openImage(image, encoding) == PafFile::kOpened;
        if (!outcome.opened) {
            outcome.openProblem = probe.openProblem();
            return outcome;
        }
    }
    outcome.runs.push_back(runBrowseList(image, encoding));
    for (const ReportInfo& info : allReports()) {
        if (info.generator == nullptr) continue;
        outcome.runs.push_back(
            runOneReport(info, image, limits, info.start == StartKind::Rin ? rinStart : mrinStart, encoding));
    }
    return outcome;
}

ImportOutcome importAndRunEverything(std::string_view gedcom, const RunLimits& limits) {
    ImportOutcome outcome;
    gedcom::ImportResult imported = gedcom::importGedcom(gedcom);
    if (!imported.ok()) {
        outcome.importError = imported.error;
        return outcome;
    }
    const PafImage image = buildPafImage(std::move(imported.family));
    if (!image.error().empty()) {
        outcome.importError = image.error();
        return outcome;
    }
    outcome.run = openAndRunEverything(image.flatten(), limits, "1", "1", TextEncoding::Utf8);
    if (!outcome.run.opened) {
        std::fprintf(stderr, "an imported family's image does not open: %s\n", outcome.run.openProblem.c_str());
        std::abort();
    }
    return outcome;
}

std::vector<uint8_t> imageFromFuzzBytes(std::span<const uint8_t> bytes) {
    if (bytes.size() >= 12 && bytes[8] == 'P' && bytes[9] == 'A' && bytes[10] == 'F' && bytes[11] == 0)
        return std::vector<uint8_t>(bytes.begin(), bytes.end());
    std::vector<uint8_t> image;
    size_t at = 0;
    while (at + 6 <= bytes.size()) {
        const size_t offset = size_t(uint32_t(readInt32le(bytes, at))) % kSparseImageLimit;
        const size_t length = std::min<size_t>(uint16_t(readInt16le(bytes, at + 4)), bytes.size() - at - 6);
        const size_t end = std::min(offset + length, kSparseImageLimit);
        if (image.size() < end) image.resize(end, 0);
        std::copy_n(bytes.begin() + ptrdiff_t(at + 6), end - offset, image.begin() + ptrdiff_t(offset));
        at += 6 + length;
    }
    return image;
}

std::vector<uint8_t> sparseFromImage(std::span<const uint8_t> image) {
    std::vector<uint8_t> out;
    auto put = [&](uint64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(value >> (8 * i)));
    };
    // Runs of non-zero bytes, joined across short gaps of zeros; the image's size is
    // kept by a last run that ends where the image ends.
    size_t i = 0;
    while (i < image.size()) {
        if (image[i] == 0) {
            ++i;
            continue;
        }
        size_t end = i;
        size_t zeros = 0;
        while (end < image.size() && end - i < 0xFFFF && zeros < 16) {
            zeros = image[end] == 0 ? zeros + 1 : 0;
            ++end;
        }
        end -= zeros;
        put(i, 4);
        put(end - i, 2);
        out.insert(out.end(), image.begin() + ptrdiff_t(i), image.begin() + ptrdiff_t(end));
        i = end;
    }
    if (!image.empty() && image.back() == 0) {
        put(image.size() - 1, 4);
        put(1, 2);
        out.push_back(0);
    }
    return out;
}

void runStartField(uint8_t kindByte, std::string_view field) {
    static const std::vector<uint8_t> image = [] {
        // Three generations, a second marriage, a deleted individual and marriage.
        WriterFamily f;
        auto add = [&](const char* name, char sex) {
            WriterPerson p;
            p.name = name;
            p.sex = sex;
            return f.addPerson(p);
        };
        const int32_t a = add("Anton /Weller/", 'M');
        const int32_t b = add("Berta /Ross/", 'F');
        const int32_t c = add("Carl /Weller/", 'M');
        const int32_t d = add("Dora /Linde/", 'F');
        const int32_t e = add("Emil /Weller/", 'M');
        const int32_t g = add("Greta /Holm/", 'F');
        WriterPerson gone;
        gone.name = "Gone /Away/";
        gone.deleted = true;
        const int32_t x = f.addPerson(gone);
        f.addMarriage(couple(a, b, {c}));
        f.addMarriage(couple(c, d, {e}));
        f.addMarriage(couple(c, g, {}));
        f.addMarriage(couple(x, 0, {}, true));
        return buildPafImage(f).flatten();
    }();
    parseStartNumber(field);
    const auto& reports = allReports();
    const ReportInfo& info = reports[kindByte % reports.size()];
    FuzzHost host;
    bool numberBelowOne = false;  // RIN or MRIN 0 ("abc", "23,") passes the checks as it always has
    try {
        AppContext ctx(host);
        ctx.listEntryLimit = 4096;
        if (ctx.file.openImage(image) != PafFile::kOpened) std::abort();
        if (const auto input = checkStartField(ctx, info.start, field)) {
            numberBelowOne = info.start == StartKind::Rin && input->startRin < 1;
            for (int32_t i = 0; i < input->mrins.size(); ++i)
                if (info.start == StartKind::Mrin && input->mrins.fetch(i) < 1) numberBelowOne = true;
        }
        if (info.generator != nullptr) dispatchReports(ctx, flagsFor(info.kind), field);
        if (host.fatal) throw *host.fatal;
    } catch (const FatalStop& stop) {
        // The family is sound: only a start number below 1 may lead to a corrupt-data stop.
        if (numberBelowOne && isDataFatal(stop)) return;
        std::fprintf(stderr, "fatal stop for start field: %s: %s\n", stop.caption.c_str(), stop.text.c_str());
        std::abort();
    }
}

void abortOnFault(const RunOutcome& outcome) {
    for (const ReportRun& run : outcome.runs) {
        if (!run.fatal || isDataFatal(*run.fatal)) continue;
        std::fprintf(stderr, "%s: fatal stop that damaged data does not explain: %s: %s\n", run.name.c_str(),
                     run.fatal->caption.c_str(), run.fatal->text.c_str());
        std::abort();
    }
}

}  // namespace tw::fuzz
