#include <gtest/gtest.h>

#include <string>

#include "calc/Numeric.h"
#include "threads/PipeThread.h"

using namespace calc;

// ASME B1.20.1, basic dimensions of NPT taper pipe threads (Table 2): threads per inch,
// E0, L1 (hand-tight engagement), E1 and L1 in turns of thread, as reproduced in public
// charts (e.g. unifiedalloys.com "Pipe Threads", ASME B1.20.1 NPT).
TEST(PipeThread, TableAgreesWithAsmeB1201) {
    struct Row {
        const char* name;
        double tpi, e0, l1, e1, turns;
    };
    const Row published[] = {
        {"1/16", 27, 0.27118, 0.160, 0.28118, 4.32},
        {"1/8", 27, 0.36351, 0.1615, 0.37360, 4.36},
        {"1/4", 18, 0.47739, 0.2278, 0.49163, 4.10},
        {"3/8", 18, 0.61201, 0.240, 0.62701, 4.32},
        {"1/2", 14, 0.75843, 0.320, 0.77843, 4.48},
        {"3/4", 14, 0.96768, 0.339, 0.98887, 4.75},
        {"1", 11.5, 1.21363, 0.400, 1.23863, 4.60},
        {"1-1/4", 11.5, 1.55713, 0.420, 1.58338, 4.83},
        {"1-1/2", 11.5, 1.79609, 0.420, 1.82234, 4.83},
        {"2", 11.5, 2.26902, 0.436, 2.29627, 5.01},
        {"2-1/2", 8, 2.71953, 0.682, 2.76216, 5.46},
        {"3", 8, 3.34062, 0.766, 3.38850, 6.13},
        {"3-1/2", 8, 3.83750, 0.821, 3.88881, 6.57},
        {"4", 8, 4.33438, 0.844, 4.38712, 6.75},
        {"5", 8, 5.39073, 0.937, 5.44929, 7.50},
        {"6", 8, 6.44609, 0.958, 6.50597, 7.66},
        {"8", 8, 8.43359, 1.063, 8.50003, 8.50},
        {"10", 8, 10.54531, 1.210, 10.62094, 9.68},
        {"12", 8, 12.53281, 1.360, 12.61781, 10.88},
        {"14OD", 8, 13.77500, 1.562, 13.87262, 12.50},
        {"16OD", 8, 15.76250, 1.812, 15.87575, 14.50},
        {"18OD", 8, 17.75000, 2.000, 17.87500, 16.00},
        {"20OD", 8, 19.73750, 2.125, 19.87031, 17.00},
        {"24OD", 8, 23.71250, 2.375, 23.86094, 19.00},
    };
    const auto sizes = PipeSizes();
    ASSERT_EQ(sizes.size(), std::size(published));
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const PipeSize& s = sizes[i];
        const Row& r = published[i];
        EXPECT_STREQ(s.name, r.name);
        EXPECT_EQ(ParseNumberText(s.tpi), r.tpi) << r.name;
        EXPECT_EQ(ParseNumberText(s.e0), r.e0) << r.name;
        EXPECT_EQ(ParseNumberText(s.l1), r.l1) << r.name;
        EXPECT_EQ(ParseNumberText(s.e1), r.e1) << r.name;
        // E1 lies one gauge length up the 1:16 taper (within the table's rounding).
        EXPECT_NEAR(PipeGaugeDiameter(r.e0, r.l1), r.e1, 6e-5) << r.name;
        EXPECT_EQ(FormatResult(*PipeTurns(r.l1, 1 / r.tpi), 2), FormatResult(r.turns, 2)) << r.name;
        // Every row gives the taper of 0.75 inch per foot.
        EXPECT_EQ(FormatResult(*PipeTaperPerFoot(r.e0, r.e1, r.l1), 3), "0.75") << r.name;
    }
}

TEST(PipeThread, HalfInchOverWires) {
    EXPECT_EQ(FormatResult(PipeBestWire(1.0 / 14), 4), "0.0412");
    EXPECT_NEAR(PipeBestWire(1.0 / 14), 0.0412393, 1e-7);
    const double e1 = PipeGaugeDiameter(0.75843, 0.32);
    EXPECT_NEAR(e1, 0.77843, 1e-12);
    // The wire factor is 3.00049 beside the divisor 1.00049.
    const double m = *PipeMeasurementOverWires(e1, 1.0 / 14, 0.04124);
    EXPECT_NEAR(m, (0.77843 - 0.86603 / 14 + 3.00049 * 0.04124) / 1.00049, 1e-12);
    EXPECT_EQ(FormatResult(m, 4), "0.8399");
    EXPECT_EQ(FormatResult(m, 5), "0.8399");  // 3 x W would give 0.83988
    EXPECT_EQ(FormatResult(*PipeTurns(0.32, 1.0 / 14), 2), "4.48");
    EXPECT_EQ(FormatResult(PipeAnglePerSide(0.75), 5), "1.78991");
    // Millimetres: every length times 25.4 gives M times 25.4.
    const double mm = *PipeMeasurementOverWires(e1 * 25.4, 25.4 / 14, 0.04124 * 25.4);
    EXPECT_NEAR(mm, m * 25.4, 1e-12);
}

TEST(PipeThread, RefusedValues) {
    EXPECT_FALSE(PipeMeasurementOverWires(0.01, 1.0 / 8, 0.001));  // not positive
    EXPECT_FALSE(PipeTaperPerFoot(1, 1, 0.3));
    EXPECT_FALSE(PipeTaperPerFoot(1, 1.1, 0));
    EXPECT_FALSE(PipeTurns(0.3, 0));
}
