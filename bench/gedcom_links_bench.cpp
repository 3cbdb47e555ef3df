// gedcom_links_bench: GEDCOM import of files whose links pile up on one record.
//
//   gedcom_links_bench [--links N]
//
// Imports, each from a text in memory, N ordinary people (the baseline: a name, a
// sex, a birth, a FAMC and a FAMS each) and five shapes of N links (default 200,000):
//   many FAMS   one man, husband of N families, each listed by a FAMS line
//   many CHIL   one family with N children
//   many FAMC   N people with a FAMC to a family that does not list them
//   many SLGC   one family with N children, each sealed to it
//   many HUSB   one family with N HUSB lines (all but the first are dropped)
// and prints the time of each beside the baseline, with the whole way to a PAF image.
// Each shape's time should stay within a small factor of the baseline's: the import
// is linear in the links, however they are shared out.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "bench_support.h"
#include "gedcom/gedcom_import.h"
#include "paf/paf_writer.h"

namespace {

using namespace bench;

constexpr const char* kHead = "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n2 FORM LINEAGE-LINKED\n1 CHAR UTF-8\n";

void appendf(std::string& out, const char* format, auto... args) {
    char line[160];
    const int n = std::snprintf(line, sizeof line, format, args...);
    out.append(line, size_t(n));
}

void person(std::string& text, int p, char sex) {
    appendf(text, "0 @I%d@ INDI\n1 NAME Given%d /Surname/\n1 SEX %c\n1 BIRT\n2 DATE %d\n", p, p, sex, 1700 + p % 200);
}

// Couples of two consecutive people; person p is a child of family p / 3.
std::string ordinaryPeople(int n) {
    std::string text = kHead;
    for (int p = 1; p <= n; ++p) {
        person(text, p, p % 2 ? 'M' : 'F');
        if (p >= 3) appendf(text, "1 FAMC @F%d@\n", p / 3);
        appendf(text, "1 FAMS @F%d@\n", (p + 1) / 2);
    }
    for (int k = 1; k <= n / 2; ++k) {
        appendf(text, "0 @F%d@ FAM\n1 HUSB @I%d@\n1 WIFE @I%d@\n", k, 2 * k - 1, 2 * k);
        for (int c = 3 * k; c < 3 * k + 3 && c <= n; ++c) appendf(text, "1 CHIL @I%d@\n", c);
    }
    return text + "0 TRLR\n";
}

std::string manyFams(int n) {
    std::string text = kHead;
    person(text, 1, 'M');
    for (int k = 1; k <= n; ++k) appendf(text, "1 FAMS @F%d@\n", k);
    for (int k = 1; k <= n; ++k) appendf(text, "0 @F%d@ FAM\n1 HUSB @I1@\n", k);
    return text + "0 TRLR\n";
}

std::string manyChildren(int n, bool sealed) {
    std::string text = kHead;
    for (int p = 1; p <= n; ++p) {
        person(text, p, 'F');
        if (sealed) text += "1 SLGC\n2 DATE 1990\n2 FAMC @F1@\n";
    }
    text += "0 @F1@ FAM\n";
    for (int p = 1; p <= n; ++p) appendf(text, "1 CHIL @I%d@\n", p);
    return text + "0 TRLR\n";
}

std::string manyFamc(int n) {
    std::string text = kHead;
    for (int p = 1; p <= n; ++p) {
        person(text, p, 'M');
        text += "1 FAMC @F1@\n";
    }
    return text + "0 @F1@ FAM\n0 TRLR\n";
}

std::string manyHusbands(int n) {
    std::string text = kHead;
    for (int p = 1; p <= n; ++p) person(text, p, 'M');
    text += "0 @F1@ FAM\n";
    for (int p = 1; p <= n; ++p) appendf(text, "1 HUSB @I%d@\n", p);
    return text + "0 TRLR\n";
}

// Imports the text and builds its PAF image; prints the times. Returns the import's seconds.
double measure(const char* shape, const std::string& text, double baseline) {
    const auto start = Clock::now();
    const double cpuStart = threadSeconds();
    tw::gedcom::ImportResult imported = tw::gedcom::importGedcom(text);
    const double importSeconds = threadSeconds() - cpuStart;
    const tw::PafImage image = tw::buildPafImage(std::move(imported.family));
    const double wholeSeconds = secondsSince(start);
    if (!imported.ok() || !image.error().empty()) {
        std::printf("%-18s failed: %s%s\n", shape, imported.error.c_str(), image.error().c_str());
        return importSeconds;
    }
    std::printf("%-18s %6.1f MiB  import %7.3f s cpu", shape, double(text.size()) / 1048576.0, importSeconds);
    if (baseline > 0) std::printf(" (%5.2fx the ordinary people)", importSeconds / baseline);
    else std::printf("                              ");
    std::printf("  with PAF image %7.3f s wall, %zu warnings\n", wholeSeconds, imported.warnings.size());
    return importSeconds;
}

}  // namespace

int main(int argc, char** argv) {
    int links = 200'000;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--links") == 0) links = std::atoi(argv[++i]);
    }
    if (links < 3) links = 3;
    std::printf("%d links per shape\n", links);
    const double baseline = measure("ordinary people", ordinaryPeople(links), 0);
    measure("many FAMS", manyFams(links), baseline);
    measure("many CHIL", manyChildren(links, false), baseline);
    measure("many FAMC", manyFamc(links), baseline);
    measure("many SLGC", manyChildren(links, true), baseline);
    measure("many HUSB", manyHusbands(links), baseline);
    return 0;
}
