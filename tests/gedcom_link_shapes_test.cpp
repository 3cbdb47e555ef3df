// GEDCOM files whose links pile up on one record: many FAMS of one person, many
// FAMC to a family that does not list the person, many SLGC and many HUSB lines in
// one family. Each keeps every link once, in file order, and repeats are dropped.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "gedcom/gedcom_import.h"

namespace tw::test {
namespace {

constexpr int kLinks = 3000;
constexpr const char* kHead = "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n";

std::string indi(int p) { return "0 @I" + std::to_string(p) + "@ INDI\n1 NAME P" + std::to_string(p) + " /X/\n"; }
std::string fam(int f) { return "0 @F" + std::to_string(f) + "@ FAM\n"; }

TEST(GedcomLinkShapes, ManyLinksOfOneRecordAreKeptOnceInFileOrder) {
    struct Case {
        const char* shape;
        std::string text;
        std::function<void(const gedcom::ImportResult&)> check;
    };
    std::string fams = std::string(kHead) + indi(1) + "1 SEX M\n";
    for (int f = kLinks; f >= 1; --f) fams += "1 FAMS @F" + std::to_string(f) + "@\n";
    fams += "1 FAMS @F7@\n";  // a repeat
    for (int f = 1; f <= kLinks; ++f) fams += fam(f) + "1 HUSB @I1@\n";

    std::string famc = kHead;
    for (int p = 1; p <= kLinks; ++p) famc += indi(p) + "1 FAMC @F1@\n1 FAMC @F1@\n";
    famc += fam(1);

    std::string slgc = kHead;
    for (int p = 1; p <= kLinks; ++p) slgc += indi(p) + "1 SLGC\n2 DATE " + std::to_string(1900 + p % 90) + "\n2 FAMC @F1@\n";
    slgc += fam(1);
    for (int p = kLinks; p >= 1; --p) slgc += "1 CHIL @I" + std::to_string(p) + "@\n";

    std::string husb = kHead;
    for (int p = 1; p <= kLinks; ++p) husb += indi(p) + "1 SEX M\n";
    husb += fam(1);
    for (int p = 1; p <= kLinks; ++p) husb += "1 HUSB @I" + std::to_string(p) + "@\n";

    const Case cases[] = {
        {"many FAMS", fams,
         [](const gedcom::ImportResult& r) {
             const std::vector<int32_t> order = unpackFamily(r.family).people[0].marriageOrder;
             ASSERT_EQ(order.size(), size_t(kLinks));
             EXPECT_EQ(order.front(), kLinks) << "the order of the FAMS lines";
             EXPECT_EQ(order.back(), 1);
         }},
        {"many FAMC to a family that lists nobody", famc,
         [](const gedcom::ImportResult& r) {
             const std::vector<int32_t> children = unpackFamily(r.family).marriages[0].children;
             ASSERT_EQ(children.size(), size_t(kLinks)) << "each added once";
             EXPECT_EQ(children.front(), 1);
             EXPECT_EQ(children.back(), kLinks);
         }},
        {"many SLGC", slgc,
         [](const gedcom::ImportResult& r) {
             const WriterMarriage m = unpackFamily(r.family).marriages[0];
             ASSERT_EQ(m.childSealings.size(), size_t(kLinks));
             EXPECT_EQ(m.children.front(), kLinks);
             EXPECT_NE(m.childSealings.front().value, m.childSealings[1].value) << "each child its own date";
         }},
        {"many HUSB", husb,
         [](const gedcom::ImportResult& r) {
             EXPECT_EQ(r.family.couples[0].husband, 1);
             EXPECT_EQ(r.warnings.size(), 1001u) << "warnings are kept up to their limit, then counted";
         }},
    };
    for (const Case& c : cases) {
        const gedcom::ImportResult r = gedcom::importGedcom(c.text);
        ASSERT_TRUE(r.ok()) << c.shape << ": " << r.error;
        SCOPED_TRACE(c.shape);
        c.check(r);
    }
}

}  // namespace
}  // namespace tw::test
