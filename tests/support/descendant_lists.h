#pragma once
// Running the descendant lists in tests: a context with a family opened from
// memory, the start MRINs, and the texts of the stored pages read back with their
// positions.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <memory>
#include <string>
#include <vector>

#include "support/page_lines.h"
#include "support/paf_fixture.h"
#include "run/app_context.h"

namespace tw::test {

struct ReportRun {
    RecordingHost host;
    AppContext ctx{host};
};

inline std::unique_ptr<ReportRun> openRun(const WriterFamily& family) {
    auto run = std::make_unique<ReportRun>();
    EXPECT_EQ(run->ctx.file.openImage(buildPafImage(family).flatten()), PafFile::kOpened);
    run->ctx.dataFilePath = "tamble.paf";
    return run;
}

inline void generate(ReportRun& run, ReportGenerator generator, std::vector<int32_t> mrins = {1},
                     int32_t startRin = 1) {
    ReportInput input;
    input.startRin = startRin;
    for (const int32_t mrin : mrins) input.mrins.push(mrin);
    clearRunMessages(run.ctx);
    generator(run.ctx, input);
}

// One text command of a stored page.
struct Placed {
    int page = 0;
    std::string code;  // TO, TOC or TOR
    double x = 0, y = 0;
    std::string text;
};

inline bool near(double a, double b) { return std::fabs(a - b) < 1e-4; }

inline std::vector<Placed> placedTexts(const PageLog& log) {
    std::vector<Placed> texts;
    for (int p = 0; p <= log.lastPageIndex(); ++p)
        for (const std::string& command : pageCommands(log.pagelogg(p)))
            if (const auto t = textCommand(command)) texts.push_back({p, t->code, t->x, t->y, t->text});
    return texts;
}

// The texts standing at x (any page, top to bottom), optionally below y.
inline std::vector<std::string> column(const std::vector<Placed>& texts, double x, double below = 0) {
    std::vector<std::string> found;
    for (const Placed& t : texts)
        if (near(t.x, x) && t.y > below) found.push_back(t.text);
    return found;
}

// The body lines: the texts at one (page, y) between bodyTop and bodyBottom, left to
// right joined with "|", in page order.
inline std::vector<std::string> lines(const std::vector<Placed>& texts, double bodyTop, double bodyBottom) {
    std::map<std::pair<int, long>, std::vector<const Placed*>> at;
    for (const Placed& t : texts)
        if (t.y >= bodyTop && t.y <= bodyBottom) at[{t.page, std::lround(t.y * 10000)}].push_back(&t);
    std::vector<std::string> result;
    for (auto& [key, line] : at) {
        std::stable_sort(line.begin(), line.end(), [](const Placed* a, const Placed* b) { return a->x < b->x; });
        std::string joined;
        for (const Placed* t : line) joined += (joined.empty() ? "" : "|") + t->text;
        result.push_back(joined);
    }
    return result;
}

}  // namespace tw::test
