// The Descendant Summary Chart's tuning file: keys, numbers, and text that is no
// tuning file at all.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "charts/dsc_tuning.h"
#include "support/paf_fixture.h"

namespace tw {
namespace {

TEST(DscTuningText, KeysSetTheirValuesAndOtherLinesChangeNothing) {
    DscTuning tuning;
    applyDscTuningText(tuning,
                       "DSC1mk=12\n"
                       "boxcc=0.45\r\n"
                       "# =boxheight=9\n"
                       "right_margin=  8.125 inches\n"
                       "DSC4childFont=+9\n"
                       "unknown=3\n"
                       " boxheight=7\n"
                       "DSC4fontRndShift=-.5");
    EXPECT_EQ(tuning.DSC1mk, 12);
    EXPECT_FLOAT_EQ(tuning.boxcc, 0.45F);
    EXPECT_FLOAT_EQ(tuning.boxheight, 0.4F);  // behind "# =" and behind a blank
    EXPECT_FLOAT_EQ(tuning.right_margin, 8.125F);
    EXPECT_EQ(tuning.DSC4childFont, 9);
    EXPECT_FLOAT_EQ(tuning.DSC4fontRndShift, -0.5F);
    EXPECT_EQ(tuning.DSC2mk, 18);
}

TEST(DscTuningText, NumbersAreTheirLongestLeadingPartAndZeroWithoutOne) {
    DscTuning tuning;
    applyDscTuningText(tuning, "DSC2mk=14.9\nDSC3mk=abc\nboxcc=1e-1x\nslinew=\ndlinew=.\nDSC4mk=-7");
    EXPECT_EQ(tuning.DSC2mk, 14);
    EXPECT_EQ(tuning.DSC3mk, 0);
    EXPECT_FLOAT_EQ(tuning.boxcc, 0.1F);
    EXPECT_FLOAT_EQ(tuning.slinew, 0.0F);
    EXPECT_FLOAT_EQ(tuning.dlinew, 0.0F);
    EXPECT_EQ(tuning.DSC4mk, -7);
}

TEST(DscTuningText, AbsurdNumbersStayFiniteAndBounded) {
    DscTuning tuning;
    applyDscTuningText(tuning,
                       "boxcc=nan\nboxheight=inf\nright_margin=1e300\nleft_margin=-1e39\n"
                       "top_margin=1e-400\nDSC1mk=99999999999999999999999\nDSC2mk=-99999999999\n"
                       "bottom_margin=-infinity\n");
    EXPECT_FLOAT_EQ(tuning.boxcc, 0.0F);
    EXPECT_FLOAT_EQ(tuning.boxheight, 0.0F);
    EXPECT_FLOAT_EQ(tuning.right_margin, kDscTuningRealLimit);
    EXPECT_FLOAT_EQ(tuning.left_margin, -kDscTuningRealLimit);
    EXPECT_FLOAT_EQ(tuning.top_margin, 0.0F);
    EXPECT_FLOAT_EQ(tuning.bottom_margin, 0.0F);
    EXPECT_EQ(tuning.DSC1mk, INT32_MAX);
    EXPECT_EQ(tuning.DSC2mk, INT32_MIN);
}

TEST(DscTuningText, OnlyTheFirst89CharactersOfALineCount) {
    DscTuning tuning;
    // The number starts at character 88: only its first two digits are read, and the
    // rest of the long line is not taken as a line of its own.
    const std::string padding(80, ' ');
    applyDscTuningText(tuning, "DSC1mk=" + padding + "1234\n" + std::string(200, 'x') + "boxcc=2\nDSC2mk=5");
    EXPECT_EQ(tuning.DSC1mk, 12);
    EXPECT_FLOAT_EQ(tuning.boxcc, 0.5F);
    EXPECT_EQ(tuning.DSC2mk, 5);
}

TEST(DscTuningText, EmbeddedNulsAndBinaryGarbageDoNotDisturbOtherLines) {
    DscTuning tuning;
    static constexpr char kBytes[] = "DSC1mk=1\0" "5\n\xff\xfe\0\0boxcc=3\nDSC3mk=4\n";
    std::string text(kBytes, sizeof kBytes - 1);
    for (int i = 0; i < 256; ++i) text += char(i);
    text += "\nDSC2mk=6";
    applyDscTuningText(tuning, text);
    EXPECT_EQ(tuning.DSC1mk, 1);
    EXPECT_FLOAT_EQ(tuning.boxcc, 0.5F);
    EXPECT_EQ(tuning.DSC3mk, 4);
    EXPECT_EQ(tuning.DSC2mk, 6);
}

TEST(DscTuningFile, ReadWhenARegularFileAndMissingOrFolderChangesNothing) {
    test::TempDir dir;
    DscTuning tuning;
    readDscTuningFile(tuning, dir.file("missing.txt"));
    readDscTuningFile(tuning, "");
    readDscTuningFile(tuning, dir.path().string());
    EXPECT_EQ(tuning.DSC1mk, 17);
    std::ofstream(dir.file("tune.txt")) << "DSC1mk=3\nboxcc=0.25\n";
    readDscTuningFile(tuning, dir.file("tune.txt"));
    EXPECT_EQ(tuning.DSC1mk, 3);
    EXPECT_FLOAT_EQ(tuning.boxcc, 0.25F);
}

}  // namespace
}  // namespace tw
