#pragma once
// Pedigrees for the tests of the ancestor reports: a report run on a family's image,
// parents given by RIN, and the families that these reports are about. In a
// namespace of their own: other test helpers have a ReportRun too.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/page_lines.h"
#include "support/paf_fixture.h"
#include "run/app_context.h"

namespace tw::test::pedigree {

struct ReportRun {
    RecordingHost host;
    AppContext ctx{host};

    // The stored pages, each as its commands.
    std::vector<std::vector<std::string>> pages() const {
        std::vector<std::vector<std::string>> result;
        for (int p = 0; p <= ctx.pageLog.lastPageIndex(); ++p) result.push_back(pageCommands(ctx.pageLog.pagelogg(p)));
        return result;
    }
};

inline std::unique_ptr<ReportRun> openRun(std::vector<uint8_t> image) {
    auto run = std::make_unique<ReportRun>();
    EXPECT_EQ(run->ctx.file.openImage(std::move(image)), PafFile::kOpened);
    run->ctx.dataFilePath = "/home/ann/Tamble family.paf";
    return run;
}

inline std::unique_ptr<ReportRun> openRun(const WriterFamily& family) {
    return openRun(buildPafImage(family).flatten());
}

inline void addParents(WriterFamily& family, int32_t father, int32_t mother, std::vector<int32_t> children) {
    WriterMarriage marriage;
    marriage.husband = father;
    marriage.wife = mother;
    marriage.children = std::move(children);
    family.addMarriage(marriage);
}

// Sam (RIN 1) is the son of first cousins: his parents Frank (2) and Mary (3) are
// grandchildren of Peter (8) and Quinta (9), through the brothers Albert (4) and
// Carl (6). Peter's parents are Rolf (10) and Toni (11), Rolf's father is Hans (14);
// Mary's mother Dora (7) is the daughter of Egon (12), son of Fritz (13). Pedigree
// order: generation 4 is Peter, Quinta, Peter, Quinta, Egon; generation 5 Rolf,
// Toni, Rolf, Toni, Fritz; generation 6 Hans, Hans.
inline WriterFamily cousinsMarried() {
    struct Entry {
        const char* name;
        char sex;
        int year;
    };
    const Entry people[] = {{"Sam /Tamble/", 'M', 1950},   {"Frank /Tamble/", 'M', 1921}, {"Mary /Tamble/", 'F', 1923},
                            {"Albert /Tamble/", 'M', 1890}, {"Bertha /Voss/", 'F', 1893},   {"Carl /Tamble/", 'M', 1888},
                            {"Dora /Lorn/", 'F', 1895},     {"Peter /Tamble/", 'M', 1860},  {"Quinta /Ober/", 'F', 1862},
                            {"Rolf /Tamble/", 'M', 0},      {"Toni /Esch/", 'F', 0},        {"Egon /Lorn/", 'M', 1866},
                            {"Fritz /Lorn/", 'M', 1840},    {"Hans /Tamble/", 'M', 0}};
    WriterFamily f;
    for (const Entry& e : people) f.addPerson(person(e.name, e.sex, e.year != 0 ? DateValue{1, 6, e.year} : DateValue{}));
    addParents(f, 2, 3, {1});
    addParents(f, 4, 5, {2});
    addParents(f, 6, 7, {3});
    addParents(f, 8, 9, {4, 6});
    addParents(f, 10, 11, {8});
    addParents(f, 12, 0, {7});
    addParents(f, 13, 0, {12});
    addParents(f, 14, 0, {10});
    return f;
}

// A line of fathers: RIN g, "G<g> /Line/", is the only individual of generation g.
inline WriterFamily lineOfFathers(int generations) {
    WriterFamily f;
    for (int g = 1; g <= generations; ++g) f.addPerson(person("G" + std::to_string(g) + " /Line/"));
    for (int g = 1; g < generations; ++g) addParents(f, g + 1, 0, {g});
    return f;
}

// Adam (1) and Eva (2) are the parents of each other and of themselves: every
// generation fills all its positions, twice as many as the one before.
inline WriterFamily adamAndEva() {
    WriterFamily f;
    f.addPerson(person("Adam /Loop/", 'M', {1, 1, 1800}));
    f.addPerson(person("Eva /Loop/", 'F', {1, 1, 1801}));
    addParents(f, 1, 2, {1, 2});
    return f;
}

// The text commands of pages, as "code x y text" with x and y as written.
inline std::vector<std::string> textsOf(const std::vector<std::string>& commands, double minY = 0) {
    std::vector<std::string> texts;
    for (const std::string& command : commands) {
        const auto t = textCommand(command);
        if (t && t->y >= minY) texts.push_back(command);
    }
    return texts;
}

}  // namespace tw::test::pedigree
