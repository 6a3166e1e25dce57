#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/Numeric.h"
#include "threads/ThreadMeasure.h"

using namespace calc;

namespace {

ThreadSolution Solve(ThreadForm form, double major, double pitch, double wire,
                     ThreadUnits units = ThreadUnits::Inch, double pd = 0, double mow = 0) {
    const auto s = SolveThread({form, units, major, pitch, wire, pd, mow});
    EXPECT_TRUE(s.has_value());
    return s.value_or(ThreadSolution{});
}

}  // namespace

TEST(ThreadMeasure, HalfInchUncOverWires) {
    const ThreadSolution s = Solve(ThreadForm::SixtyUn, 0.5, 1.0 / 13, 0.0444);
    EXPECT_EQ(s.given, ThreadGiven::Neither);
    EXPECT_EQ(DoubleToText15(s.pitchDiameter).substr(0, 8), "0.450037");
    EXPECT_NEAR(s.pitchDiameter, 0.450037, 5e-7);
    EXPECT_NEAR(s.measurement, 0.516619, 5e-7);
    EXPECT_NEAR(s.data.heightExternal, 0.047187, 5e-7);
    EXPECT_NEAR(s.data.heightInternal, 0.041636, 5e-7);
    EXPECT_NEAR(s.data.minorExternal, 0.405625, 5e-7);
    EXPECT_NEAR(s.data.minorInternal, 0.416728, 5e-7);
    EXPECT_EQ(s.data.majorExternal, 0.5);
    EXPECT_EQ(FormatResult(s.measurement, 4), "0.5166");
}

TEST(ThreadMeasure, BestWireSizes) {
    EXPECT_NEAR(*BestWireSize(ThreadForm::SixtyUn, 1.0), 0.57735, 5e-6);
    EXPECT_NEAR(*BestWireSize(ThreadForm::SixtyIsoMetric, 1.5), 0.57735 * 1.5, 1e-5);
    EXPECT_NEAR(*BestWireSize(ThreadForm::TwentyNineAcme, 1.0), 0.51645, 5e-6);
    EXPECT_NEAR(*BestWireSize(ThreadForm::TwentyNineStub, 1.0), 0.51645, 5e-6);
    EXPECT_NEAR(*BestWireSize(ThreadForm::FiftyFiveBsw, 1.0), 0.5 / std::cos(27.5 * M_PI / 180),
                1e-9);
    EXPECT_NEAR(*BestWireSize(ThreadForm::ThirtyTrapezoid, 1.0), 0.5 / std::cos(15 * M_PI / 180),
                1e-9);
    EXPECT_FALSE(BestWireSize(ThreadForm::SixtyUn, 0));
}

// The flank forms use the full three-wire relation, so a wire other than the best one
// gives the right measurement; for Acme it is the published M = E − 1.933357·P +
// 4.993929·W.
TEST(ThreadMeasure, AcmeWithAnyWire) {
    const ThreadSolution s = Solve(ThreadForm::TwentyNineAcme, 1.0, 0.1, 0.055);
    EXPECT_NEAR(s.pitchDiameter, 0.942, 1e-12);
    EXPECT_EQ(FormatResult(s.measurement, 4), "1.0233");
    EXPECT_NEAR(s.measurement, 0.942 - 1.933357 * 0.1 + 4.993929 * 0.055, 1e-6);
    // Back from the measurement.
    EXPECT_NEAR(PitchDiameterFromMeasurement(ThreadForm::TwentyNineAcme, s.measurement, 0.055, 0.1),
                0.942, 1e-12);
    // With the best wire the old best-wire relation M = E + (1 + sin a)·W agrees.
    for (ThreadForm form :
         {ThreadForm::TwentyNineAcme, ThreadForm::TwentyNineStub, ThreadForm::ThirtyTrapezoid}) {
        const double p = 0.2;
        const double w = *BestWireSize(form, p);
        const double a = InfoOf(form).halfAngle * M_PI / 180;
        EXPECT_NEAR(MeasurementOverWires(form, 0.9, w, p), 0.9 + (1 + std::sin(a)) * w, 1e-12);
    }
}

// General purpose Acme 2G, external thread maximum pitch and minor diameters as published
// in ASME B1.5 2G charts (e.g. the external thread chart of dependableacme.com):
// 3/8-12 .3284 / .2817, 1/2-10 .4443 / .3800, 3/4-6 .6598 / .5633, 1-5 .8920 / .7800,
// 1-10 .9420 / .8800. Internal minimum minor diameter D − P.
TEST(ThreadMeasure, AcmeTwoGChart) {
    struct Row {
        double d, tpi, pd, minor;
    };
    for (const Row& r :
         {Row{0.375, 12, 0.3284, 0.2817}, Row{0.5, 10, 0.4443, 0.38}, Row{0.75, 6, 0.6598, 0.5633},
          Row{1, 5, 0.892, 0.78}, Row{1, 10, 0.942, 0.88}}) {
        const ThreadSolution s = Solve(ThreadForm::TwentyNineAcme, r.d, 1 / r.tpi, 0.05);
        // Charts round to four places (3/4-6: .659739 is printed .6598).
        EXPECT_NEAR(s.pitchDiameter, r.pd, 1e-4) << r.d << "-" << r.tpi;
        EXPECT_NEAR(s.data.minorExternal, r.minor, 1e-4);
        EXPECT_NEAR(s.data.minorInternal, r.d - 1 / r.tpi, 1e-12);
    }
}

// Stub Acme, ASME B1.8 basic table: D2 = D − 0.3P and D1 = D − 0.6P (1/2-10 .470/.440,
// 3/4-6 .700/.650, 1-5 .940/.880, 2-4 1.925/1.850). The screen shows the class 2G
// maximum pitch diameter, basic less 0.008·√D, and the external minor D − 0.6P − 0.02.
TEST(ThreadMeasure, StubAcmeBasicTable) {
    struct Row {
        double d, tpi, basicPd, basicMinor;
    };
    for (const Row& r : {Row{0.5, 10, 0.47, 0.44}, Row{0.75, 6, 0.7, 0.65}, Row{1, 5, 0.94, 0.88},
                         Row{2, 4, 1.925, 1.85}}) {
        const ThreadSolution s = Solve(ThreadForm::TwentyNineStub, r.d, 1 / r.tpi, 0.05);
        EXPECT_NEAR(s.pitchDiameter + 0.008 * std::sqrt(r.d), r.basicPd, 5e-5) << r.d;
        EXPECT_NEAR(s.data.minorInternal, r.basicMinor, 5e-5);
        EXPECT_NEAR(s.data.minorExternal, r.basicMinor - 0.02, 5e-5);
        EXPECT_NEAR(s.data.heightExternal, 0.3 / r.tpi + 0.01, 1e-12);
    }
}

// 0.1 in counts as P >= 0.1 (0.01 added), 12 TPI adds 0.005; the limit is in inches, so
// a metric 2.54 mm pitch counts too and 2.5 mm does not.
TEST(ThreadMeasure, AcmeClearanceLimitInInches) {
    EXPECT_NEAR(
        ComputeThreadData(ThreadForm::TwentyNineAcme, 1, 0.1, ThreadUnits::Inch)->heightExternal,
        0.06, 1e-12);
    EXPECT_NEAR(ComputeThreadData(ThreadForm::TwentyNineAcme, 1, 1.0 / 12, ThreadUnits::Inch)
                    ->heightExternal,
                0.5 / 12 + 0.005, 1e-12);
    EXPECT_NEAR(ComputeThreadData(ThreadForm::TwentyNineAcme, 25.4, 2.54, ThreadUnits::Metric)
                    ->heightExternal,
                1.27 + 0.254, 1e-9);
    EXPECT_NEAR(ComputeThreadData(ThreadForm::TwentyNineAcme, 25.4, 2.5, ThreadUnits::Metric)
                    ->heightExternal,
                1.25 + 0.127, 1e-9);
    // The allowance 0.008·√D is an inch value too: 1-10 Acme in millimetres.
    const ThreadSolution mm =
        Solve(ThreadForm::TwentyNineAcme, 25.4, 2.54, 1.397, ThreadUnits::Metric);
    EXPECT_NEAR(mm.pitchDiameter, 0.942 * 25.4, 1e-9);
    const ThreadSolution in = Solve(ThreadForm::TwentyNineAcme, 1, 0.1, 0.055);
    EXPECT_NEAR(mm.measurement, in.measurement * 25.4, 1e-9);
    EXPECT_NEAR(mm.data.minorExternal, in.data.minorExternal * 25.4, 1e-9);
}

// ISO 2904 (DIN 103-4) basic dimensions: crest clearance ac by pitch, h3 = H4 = 0.5P + ac,
// d3 = d − 2h3, D1 = d − P. Tr 8x1.5: d3 6.2, D1 6.5; Tr 10x2: 7.5, 8; Tr 20x4: 15.5, 16;
// Tr 40x7: 32, 33; Tr 100x12: 87, 88; Tr 120x14: 104, 106.
TEST(ThreadMeasure, TrapezoidIso2904) {
    struct Row {
        double d, p, h3, d3, d1;
    };
    for (const Row& r :
         {Row{8, 1.5, 0.9, 6.2, 6.5}, Row{10, 2, 1.25, 7.5, 8}, Row{20, 4, 2.25, 15.5, 16},
          Row{40, 7, 4, 32, 33}, Row{100, 12, 6.5, 87, 88}, Row{120, 14, 8, 104, 106}}) {
        const auto t =
            ComputeThreadData(ThreadForm::ThirtyTrapezoid, r.d, r.p, ThreadUnits::Metric);
        ASSERT_TRUE(t) << r.d;
        EXPECT_NEAR(t->heightExternal, r.h3, 1e-12) << r.d << "x" << r.p;
        EXPECT_NEAR(t->heightInternal, r.h3, 1e-12);
        EXPECT_NEAR(t->minorExternal, r.d3, 1e-12);
        EXPECT_NEAR(t->minorInternal, r.d1, 1e-12);
        EXPECT_EQ(t->majorExternal, r.d);
    }
    // In inches the pitch is judged in millimetres: Tr 40x7 entered as inches.
    const auto inch =
        ComputeThreadData(ThreadForm::ThirtyTrapezoid, 40 / 25.4, 7 / 25.4, ThreadUnits::Inch);
    EXPECT_NEAR(inch->heightExternal * 25.4, 4.0, 1e-9);
    EXPECT_NEAR(inch->minorExternal * 25.4, 32.0, 1e-9);
    EXPECT_NEAR(inch->minorInternal * 25.4, 33.0, 1e-9);
}

TEST(ThreadMeasure, WhitworthAndMetricData) {
    const auto w = ComputeThreadData(ThreadForm::FiftyFiveBsw, 0.5, 1.0 / 12, ThreadUnits::Inch);
    EXPECT_NEAR(w->heightExternal, 0.640327 / 12, 1e-12);
    EXPECT_NEAR(w->minorExternal, 0.137329 / 12, 1e-12);  // root and crest radius
    EXPECT_NEAR(w->minorInternal, 0.5 - 2 * 0.640327 / 12, 1e-12);
    EXPECT_NEAR(MeasurementOverWires(ThreadForm::FiftyFiveBsw, 0.4466, 0.0485, 1.0 / 12),
                0.4466 - 0.9605 / 12 + 3.1657 * 0.0485, 1e-12);
    // M10x1.5: E = 10 − 0.649519·1.5 = 9.02572.
    const ThreadSolution m = Solve(ThreadForm::SixtyIsoMetric, 10, 1.5, 0.866, ThreadUnits::Metric);
    EXPECT_NEAR(m.pitchDiameter, 9.0257215, 1e-7);
}

TEST(ThreadMeasure, GivenValues) {
    // A given pitch diameter wins over a measurement; the data still come from D and P.
    ThreadSolution s =
        Solve(ThreadForm::SixtyUn, 0.5, 1.0 / 13, 0.0444, ThreadUnits::Inch, 0.45, 0.6);
    EXPECT_EQ(s.given, ThreadGiven::PitchDiameter);
    EXPECT_NEAR(s.measurement, 0.45 - 0.86603 / 13 + 3 * 0.0444, 1e-12);
    EXPECT_NEAR(s.data.minorExternal, 0.405625, 5e-7);
    s = Solve(ThreadForm::SixtyUn, 0.5, 1.0 / 13, 0.0444, ThreadUnits::Inch, 0, 0.516619);
    EXPECT_EQ(s.given, ThreadGiven::Measurement);
    EXPECT_NEAR(s.pitchDiameter, 0.450037, 5e-7);
}

// A pitch out of proportion to the diameter, and missing values, are refused.
TEST(ThreadMeasure, ImpossibleData) {
    const ThreadInput bad[] = {
        {ThreadForm::SixtyUn, ThreadUnits::Inch, 0.1, 1.0, 0.05, 0, 0},            // E < 0
        {ThreadForm::SixtyUn, ThreadUnits::Inch, 0.5, 1.0 / 13, 0.01, 0.001, 0},   // M < 0
        {ThreadForm::SixtyUn, ThreadUnits::Inch, 0.5, 1.0 / 13, 0.0444, 0, 0.02},  // E < 0
        {ThreadForm::TwentyNineAcme, ThreadUnits::Inch, 0.25, 0.25, 0.2, 0, 0},    // minor <= 0
        {ThreadForm::ThirtyTrapezoid, ThreadUnits::Metric, 10, 10, 5, 0, 0},       // d3 < 0
        {ThreadForm::SixtyUn, ThreadUnits::Inch, 0, 0.1, 0.05, 0, 0},
        {ThreadForm::SixtyUn, ThreadUnits::Inch, 0.5, 0, 0.05, 0, 0},
        {ThreadForm::SixtyUn, ThreadUnits::Inch, 0.5, 0.1, 0, 0, 0},
        {ThreadForm::SixtyUn, ThreadUnits::Inch, 1e308, 1.0 / 13, 1e308, 0, 0},  // overflow
    };
    for (const ThreadInput& in : bad) EXPECT_FALSE(SolveThread(in)) << in.major << " " << in.pitch;
}

TEST(ThreadMeasure, TpiAndPitchTexts) {
    // Threads per inch are per inch in both systems.
    EXPECT_DOUBLE_EQ(*PitchFromTpi(20, ThreadUnits::Inch), 0.05);
    EXPECT_DOUBLE_EQ(*PitchFromTpi(20, ThreadUnits::Metric), 1.27);
    EXPECT_FALSE(PitchFromTpi(0, ThreadUnits::Inch));
    EXPECT_EQ(TpiTextFromPitch(1.27, ThreadUnits::Metric), "20.0");
    EXPECT_EQ(TpiTextFromPitch(1.0 / 11.5, ThreadUnits::Inch), "11.5");
    // A converted pitch keeps enough digits to give the entry back.
    EXPECT_EQ(PitchTextFromTpi(20, ThreadUnits::Inch, 4), "0.05");
    EXPECT_EQ(PitchTextFromTpi(13, ThreadUnits::Inch, 4), "0.0769");
    const std::string p115 = PitchTextFromTpi(11.5, ThreadUnits::Inch, 4);
    EXPECT_EQ(TpiTextFromPitch(ParseNumberText(p115), ThreadUnits::Inch), "11.5") << p115;
    for (int places = 0; places <= 5; ++places) {
        for (double tpi : {4.5, 11.5, 13.0, 27.0, 56.0, 80.0}) {
            for (ThreadUnits u : {ThreadUnits::Inch, ThreadUnits::Metric}) {
                const std::string text = PitchTextFromTpi(tpi, u, places);
                EXPECT_GT(ParseNumberText(text), 0) << tpi << " at " << places;
                EXPECT_EQ(TpiTextFromPitch(ParseNumberText(text), u), FormatResult(tpi, 2))
                    << tpi << " at " << places << ": " << text;
            }
        }
    }
}

TEST(ThreadMeasure, FormsAndCodes) {
    EXPECT_EQ(FormFromCode("twentyninestub"), ThreadForm::TwentyNineStub);
    EXPECT_EQ(FormFromCode("metric"), ThreadForm::SixtyIsoMetric);
    EXPECT_FALSE(FormFromCode("Sixty"));
    EXPECT_FALSE(FormFromCode(""));
    EXPECT_TRUE(InfoOf(ThreadForm::SixtyUn).threadsPerInch);
    EXPECT_FALSE(InfoOf(ThreadForm::ThirtyTrapezoid).threadsPerInch);
    EXPECT_STREQ(kNumberedSizes[9], "#12 = 0.216");  // 0.060 + 12 x 0.013
    EXPECT_STREQ(InfoOf(ThreadForm::TwentyNineAcme).note,
                 "This illustration shows Basic Dimensions of General Purpose. If a specific "
                 "tolerance designation is required, find the precise values in the tables in a "
                 "handbook. Click the Help button file for more information.");
}
