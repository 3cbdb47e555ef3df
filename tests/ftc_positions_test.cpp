// The Family Tree Chart's positions file: its name, the blocks it holds, and what a
// damaged file may and may not do to the branches.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "charts/ftc_positions.h"
#include "support/paf_fixture.h"
#include "support/recording_host.h"

namespace tw::test {
namespace {

std::vector<FamilyBranch> placedBranches(int count) {
    std::vector<FamilyBranch> branches(static_cast<size_t>(count));
    layoutBranches(branches, 0.011);
    return branches;
}

bool onPage(const FamilyBranch& branch) {
    return std::isfinite(branch.t) && std::isfinite(branch.b) && std::isfinite(branch.a) &&
           std::isfinite(branch.D) && branch.t >= 0.05 && branch.b <= 0.66 && branch.t < branch.b &&
           branch.a >= 0.05 && branch.a <= 0.66 && branch.D >= 0.005 && branch.D <= 0.011 &&
           (branch.rhs == 0 || branch.rhs == 1);
}

TEST(FtcPositions, FileNameIsThePathWithoutItsExtensionThenTheMrin) {
    EXPECT_EQ(ftcPositionsFileName(ftcPositionsStem("/home/ann/Family.paf"), 12), "/home/ann/Familym12.twft");
    EXPECT_EQ(ftcPositionsFileName(ftcPositionsStem("x.paf"), 1), "xm1.twft");
    EXPECT_EQ(ftcPositionsFileName(ftcPositionsStem("ab"), 3), "abm3.twft");
}

TEST(FtcPositions, BlocksForBranchesTwoAndFiveOnlyPinThoseTwo) {
    std::vector<FamilyBranch> branches = placedBranches(7);
    const std::vector<FamilyBranch> computed = branches;
    const std::string text =
        "i:2\nt:0.100000\nb:0.144000\na:0.122000\nD:0.011000\nrhs:0\n"
        "i:5\nt:0.300000\nb:0.344000\na:0.320000\nD:0.011000\nrhs:1\n";
    EXPECT_EQ(applyFtcPositionsText(branches, text), 2);
    for (size_t k = 0; k < branches.size(); ++k) {
        EXPECT_EQ(branches[k].pinned, k == 2 || k == 5) << k;
        if (k != 2 && k != 5) {
            EXPECT_EQ(branches[k].t, computed[k].t) << k;
        }
    }
    EXPECT_DOUBLE_EQ(branches[2].t, 0.1);
    EXPECT_DOUBLE_EQ(branches[2].b, 0.144);
    EXPECT_DOUBLE_EQ(branches[2].a, 0.122);
    EXPECT_DOUBLE_EQ(branches[5].a, 0.32);
    EXPECT_EQ(branches[5].rhs, 1);
}

TEST(FtcPositions, WrittenTextReadsBackAndTheSmallestUnitHolds) {
    std::vector<FamilyBranch> branches = placedBranches(4);
    branches[1].pinned = true;
    branches[3].pinned = true;
    branches[3].D = 0.009;
    const std::string text = formatFtcPositions(branches);
    EXPECT_EQ(text.substr(0, 4), "i:1\n");
    EXPECT_NE(text.find("\nrhs:1\ni:3\n"), std::string::npos);
    EXPECT_NE(text.find("\nD:0.009000\nrhs:1\n"), std::string::npos);

    std::vector<FamilyBranch> fresh = placedBranches(4);
    EXPECT_EQ(applyFtcPositionsText(fresh, text), 2);
    EXPECT_NEAR(fresh[1].t, branches[1].t, 1e-6);
    EXPECT_NEAR(fresh[3].b, branches[3].b, 1e-6);
    for (const FamilyBranch& branch : fresh) EXPECT_DOUBLE_EQ(branch.D, 0.009);
}

TEST(FtcPositions, SavingWithNothingPinnedRemovesTheFile) {
    TempDir dir;
    const std::string path = dir.file("fm1.twft");
    test::RecordingHost host;
    std::vector<FamilyBranch> branches = placedBranches(3);
    branches[0].pinned = true;
    ASSERT_TRUE(writeFtcPositionsFile(host, branches, path));
    ASSERT_EQ(host.files.count(path), 1U);
    std::ofstream(path) << host.files[path];
    std::vector<FamilyBranch> read = placedBranches(3);
    EXPECT_EQ(readFtcPositionsFile(read, path), 1);

    branches[0].pinned = false;
    EXPECT_TRUE(writeFtcPositionsFile(host, branches, path));
    EXPECT_EQ(host.files.count(path), 0U);
    EXPECT_EQ(readFtcPositionsFile(read, dir.file("missing.twft")), 0);
}

TEST(FtcPositions, DamagedTextNeverPutsABranchOffThePage) {
    const std::vector<std::string> damaged = {
        "t:0.2\nb:0.3\ni:0\n",                                      // values before any index
        "i:1\nt:nan\nb:inf\na:-inf\nD:1e308\nrhs:7\n",              // not numbers on the page
        "i:1\nt:0.5\nb:0.2\nrhs:1\n",                               // upside-down box
        "i:0\nt:-5\nb:-4.9\na:-5\nD:0\nrhs:0\n",                    // above the page
        "i:2\nt:3\nb:3.1\na:9\nrhs:0\n",                            // below the page
        "i:99999999999999999999\nt:0.2\nb:0.3\n",                   // index beyond any number
        "i:-1\nt:0.2\nb:0.3\ni:3\nt:0.2\nb:0.3\nrhs:1\n",            // branches that do not exist
        "i:1\nt:0.1" + std::string(100000, '9') + "\nb:0.2\n",      // very long line
        "i:1\nt:0.30",                                              // cut short
        std::string("i:0\n\0\0\0t:\xff\xfe\n", 12),                  // binary bytes
        "i:0\nt:0.1\nb:0.7\nrhs:0\n",                               // taller than the trunk's room
        "i:1\nt:0.2\nb:0.25\nrhs:1\ni:1\nt:0.4\nb:0.45\nrhs:1\n",     // one branch twice
    };
    for (const std::string& text : damaged) {
        std::vector<FamilyBranch> branches = placedBranches(3);
        applyFtcPositionsText(branches, text);
        for (const FamilyBranch& branch : branches) EXPECT_TRUE(onPage(branch)) << text.substr(0, 40);
    }
    std::vector<FamilyBranch> twice = placedBranches(3);
    applyFtcPositionsText(twice, damaged.back());
    EXPECT_DOUBLE_EQ(twice[1].t, 0.2);

    std::vector<FamilyBranch> before = placedBranches(3);
    applyFtcPositionsText(before, damaged[0]);
    EXPECT_EQ(before[0].t, placedBranches(3)[0].t);
}

TEST(FtcPositions, EveryCutOfAValidFileKeepsTheBranchesOnThePage) {
    std::vector<FamilyBranch> branches = placedBranches(6);
    for (FamilyBranch& branch : branches) branch.pinned = true;
    const std::string text = formatFtcPositions(branches);
    for (size_t cut = 0; cut <= text.size(); ++cut) {
        std::vector<FamilyBranch> read = placedBranches(6);
        applyFtcPositionsText(read, std::string_view(text).substr(0, cut));
        for (const FamilyBranch& branch : read) ASSERT_TRUE(onPage(branch)) << cut;
    }
}

}  // namespace
}  // namespace tw::test
