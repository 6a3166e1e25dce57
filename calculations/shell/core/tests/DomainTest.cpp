#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/Domain.h"
#include "calc/TestCalcEnv.h"

namespace calc {
namespace {

TEST(Domain, StepsOutsideTheirDomainFailTheCalculationAndGiveZero) {
    struct Case {
        const char* what;
        double (*step)(Domain&);
    };
    const Case failing[] = {
        {"1/0", [](Domain& d) { return d.Divide(1, 0); }},
        {"0/0", [](Domain& d) { return d.Divide(0, 0); }},
        {"sqrt(-1)", [](Domain& d) { return d.Sqrt(-1); }},
        {"sqrt(NaN)", [](Domain& d) { return d.Sqrt(std::nan("")); }},
        {"acos(1.0000001)", [](Domain& d) { return d.Acos(1.0000001); }},
        {"asin(-2)", [](Domain& d) { return d.Asin(-2); }},
        {"1e308/1e-308", [](Domain& d) { return d.Divide(1e308, 1e-308); }},
        {"inf", [](Domain& d) { return d.Finite(std::numeric_limits<double>::infinity()); }},
    };
    for (const Case& c : failing) {
        Domain d;
        EXPECT_EQ(c.step(d), 0.0) << c.what;
        EXPECT_FALSE(d.Ok()) << c.what;
        // Once failed, a calculation stays failed.
        d.Sqrt(4);
        EXPECT_FALSE(d) << c.what;
    }
}

TEST(Domain, StepsInsideTheirDomainGiveTheirValue) {
    Domain d;
    EXPECT_EQ(d.Sqrt(0), 0.0);
    EXPECT_EQ(d.Sqrt(9), 3.0);
    EXPECT_DOUBLE_EQ(d.Acos(-1), std::acos(-1.0));
    EXPECT_DOUBLE_EQ(d.Asin(1), std::asin(1.0));
    EXPECT_EQ(d.Divide(0, 5), 0.0);
    EXPECT_TRUE(d.Finite({1.0, -2.0, 1e300}));
    EXPECT_TRUE(d.Ok());
    EXPECT_FALSE(d.Finite({1.0, std::nan("")}));
    EXPECT_FALSE(AllFinite({1.0, -std::numeric_limits<double>::infinity()}));
}

TEST(Domain, NotCalculableNamesTheValue) {
    TestCalcEnv t;
    ShowNotCalculable(t.env, "Area");
    EXPECT_EQ(t.messages.Last(),
              (RecordedMessage{"Impossible data entered: Area cannot be calculated from these "
                               "values.",
                               "Calculations for Tarvik"}));
}

}  // namespace
}  // namespace calc
