#pragma once
// The benchmarks' families written as GEDCOM 5.5.1 text, so that the import can be
// measured on the same families the reports are measured on. The dates are the
// family's own (the forms descendantsOfOneCouple writes: full, month and year, year,
// "Abt" year). As in files that genealogy programs export, there is more: every
// person has a birth place and a change date, those born before 1880 a death date,
// every third an occupation, and every family a marriage date and place; the
// import passes over what a PAF record does not keep. Some 250 bytes a person.

#include <cstdio>
#include <string>

#include "bench_support.h"
#include "paf/dates.h"
#include "paf/paf_writer.h"

namespace bench {

inline constexpr const char* kBirthPlaces[] = {
    "Harrowmere, Westshire, England", "Lund, Sk\xC3\xA5ne, Sweden", "Kettlebury, Oxfordshire, England",
    "Oakhollow, Fenmark",             "Saint-\xC3\x89tienne, Loire, France", "Brightwater, Nelson, New Zealand",
    "M\xC3\xBCnster, Westfalen, Preu\xC3\x9F" "en", "Thistlewood, Ontario, Canada"};

inline constexpr const char* kOccupations[] = {"Farmer", "Weaver", "Schoolmistress", "Cooper", "Miller"};

inline void appendLine(std::string& out, const char* format, auto... args) {
    char line[320];
    const int n = std::snprintf(line, sizeof line, format, args...);
    out.append(line, size_t(n));
}

// "12 MAR 1625", "MAR 1625", "1625" or "ABT 1625"; empty for an unset date.
inline std::string gedcomDatePhrase(tw::PafContext& ctx, const tw::PafDate& date) {
    static constexpr const char* kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                              "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    const tw::DecodedDate d = tw::decodeDate(ctx, date);
    if (tw::isEmptyDate(d) || d.year1 == 0) return {};
    std::string phrase;
    if (d.qualifier.view() == "Abt") phrase = "ABT ";
    if (d.day1 > 0) phrase += std::to_string(d.day1) + " ";
    if (d.month1 >= 1 && d.month1 <= 12) phrase += std::string(kMonths[d.month1 - 1]) + " ";
    return phrase + std::to_string(d.year1);
}

inline std::string familyGedcom(const tw::WriterFamily& family) {
    BenchHost host;
    tw::PafContext ctx(host);
    std::string text;
    text.reserve(family.people.size() * 260);
    text += "0 HEAD\n1 SOUR TAMBLEWIN_BENCH\n1 GEDC\n2 VERS 5.5.1\n2 FORM LINEAGE-LINKED\n1 CHAR UTF-8\n";
    std::vector<int32_t> childOf(family.people.size() + 1, 0);
    std::vector<std::vector<int32_t>> spouseIn(family.people.size() + 1);
    for (size_t m = 0; m < family.marriages.size(); ++m) {
        const tw::WriterMarriage& mar = family.marriages[m];
        for (const int32_t c : mar.children) childOf[size_t(c)] = int32_t(m + 1);
        if (mar.husband > 0) spouseIn[size_t(mar.husband)].push_back(int32_t(m + 1));
        if (mar.wife > 0) spouseIn[size_t(mar.wife)].push_back(int32_t(m + 1));
    }
    auto event = [&](const char* tag, const tw::WriterDate& date, const char* place) {
        const std::string phrase = gedcomDatePhrase(ctx, date.value);
        if (phrase.empty() && place == nullptr) return;
        appendLine(text, "1 %s\n", tag);
        if (!phrase.empty()) appendLine(text, "2 DATE %s\n", phrase.c_str());
        if (place != nullptr) appendLine(text, "2 PLAC %s\n", place);
    };
    for (size_t i = 0; i < family.people.size(); ++i) {
        const tw::WriterPerson& p = family.people[i];
        const auto rin = int32_t(i + 1);
        appendLine(text, "0 @I%d@ INDI\n1 NAME %s\n1 SEX %c\n", rin, p.name.c_str(), p.sex);
        event("BIRT", p.birth, kBirthPlaces[i % 8]);
        event("CHR", p.christening, nullptr);
        event("DEAT", p.death, nullptr);
        const int born = tw::decodeDate(ctx, p.birth.value).year1;
        if (born > 0 && born < 1880) appendLine(text, "1 DEAT\n2 DATE ABT %d\n", born + 40 + int(i % 37));
        if (i % 3 == 0) appendLine(text, "1 OCCU %s\n", kOccupations[i % 5]);
        appendLine(text, "1 CHAN\n2 DATE %d %s 2025\n3 TIME %02d:%02d:%02d\n", 1 + int(i % 28), "DEC",
                   int(i / 3600 % 24), int(i / 60 % 60), int(i % 60));
        if (childOf[size_t(rin)] != 0) appendLine(text, "1 FAMC @F%d@\n", childOf[size_t(rin)]);
        for (const int32_t m : spouseIn[size_t(rin)]) appendLine(text, "1 FAMS @F%d@\n", m);
    }
    for (size_t m = 0; m < family.marriages.size(); ++m) {
        const tw::WriterMarriage& mar = family.marriages[m];
        appendLine(text, "0 @F%zu@ FAM\n", m + 1);
        if (mar.husband > 0) appendLine(text, "1 HUSB @I%d@\n", mar.husband);
        if (mar.wife > 0) appendLine(text, "1 WIFE @I%d@\n", mar.wife);
        const int husbandBirth = mar.husband > 0 ? tw::decodeDate(ctx, family.people[size_t(mar.husband - 1)].birth.value).year1 : 0;
        if (husbandBirth > 0) {
            appendLine(text, "1 MARR\n2 DATE %d\n2 PLAC %s\n", husbandBirth + 24, kBirthPlaces[(m + 3) % 8]);
        }
        for (const int32_t c : mar.children) appendLine(text, "1 CHIL @I%d@\n", c);
    }
    text += "0 TRLR\n";
    return text;
}

}  // namespace bench
