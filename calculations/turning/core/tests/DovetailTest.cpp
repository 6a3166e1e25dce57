#include <gtest/gtest.h>

#include <cmath>

#include "turning/Dovetail.h"

using namespace calc;
using D = DovetailDim;

namespace {

DovetailData With(double roll, double angle, std::initializer_list<std::pair<D, double>> known) {
    DovetailData data;
    data.rollDiameter = roll;
    data.angle = angle;
    for (const auto& [dim, value] : known) {
        data[dim] = value;
        data.Tick(dim);
    }
    return data;
}

}  // namespace

TEST(Dovetail, RollAllowanceIsTheShopFormula) {
    // x = D (1 + cot(alpha / 2)): 0.25 roll, 60 degrees gives 0.6830.
    const auto t = DovetailTermsFor(0.25, 60, 0.5);
    ASSERT_TRUE(t);
    EXPECT_NEAR(t->c, 0.25 * (1 + 1 / std::tan(30 * 3.14159265358979 / 180)), 1e-12);
    EXPECT_NEAR(t->c, 0.6830127, 1e-7);
    EXPECT_NEAR(t->g, 0.5773503, 1e-7);
    EXPECT_NEAR(t->m, 0.1875, 1e-7);
}

TEST(Dovetail, EveryPairSolvesTheSameDovetail) {
    // Ci 2, H 0.5 with a 0.25 roll at 60 degrees.
    const auto base = SolveDovetail(With(0.25, 60, {{D::InsideCorners, 2}, {D::Height, 0.5}}));
    ASSERT_TRUE(base);
    EXPECT_NEAR((*base)[D::OutsideRolls], 2.6830127, 1e-7);
    EXPECT_NEAR((*base)[D::OutsideCorners], 2.5773503, 1e-7);
    EXPECT_NEAR((*base)[D::InsideRolls], 1.8943376, 1e-7);
    const D pairs[][2] = {
        {D::OutsideRolls, D::Height},       {D::InsideRolls, D::Height},
        {D::OutsideCorners, D::Height},     {D::OutsideCorners, D::InsideCorners},
        {D::InsideCorners, D::InsideRolls}, {D::OutsideCorners, D::OutsideRolls},
        {D::OutsideRolls, D::InsideRolls},
    };
    for (const auto& pair : pairs) {
        const DovetailData data =
            With(0.25, 60, {{pair[0], (*base)[pair[0]]}, {pair[1], (*base)[pair[1]]}});
        EXPECT_EQ(ValidateDovetail(data), DovetailCheck::Ok);
        const auto solved = SolveDovetail(data);
        ASSERT_TRUE(solved);
        for (int i = 0; i < kDovetailDims; ++i)
            EXPECT_NEAR(solved->values[i], base->values[i], 1e-9) << i;
    }
}

TEST(Dovetail, TicksLockTheBoxesTheyRuleOut) {
    std::array<bool, kDovetailDims> ticked{};
    ticked[static_cast<int>(D::OutsideRolls)] = true;
    auto e = DovetailEditable(ticked);
    EXPECT_FALSE(e[static_cast<int>(D::InsideCorners)]);
    EXPECT_TRUE(e[static_cast<int>(D::InsideRolls)] && e[static_cast<int>(D::Height)]);
    ticked[static_cast<int>(D::Height)] = true;
    e = DovetailEditable(ticked);
    EXPECT_EQ(e, (std::array<bool, kDovetailDims>{true, false, true, false, false}));
}

TEST(Dovetail, RefusalsNameTheMessageOfThePair) {
    struct Case {
        DovetailData data;
        DovetailCheck expected;
    } cases[] = {
        {With(0.25, 60, {{D::InsideCorners, 2}}), DovetailCheck::MarkCheckBox},
        {With(0.25, 60, {{D::InsideCorners, 2}, {D::Height, 0.1}}),
         DovetailCheck::ImpossibleRollAngleHeight},
        {With(0.25, 60, {{D::OutsideCorners, 1}, {D::InsideCorners, 2}}),
         DovetailCheck::InsideWiderThanOutside},
        {With(0.25, 60, {{D::OutsideCorners, 2.1}, {D::InsideCorners, 2}}),
         DovetailCheck::ImpossibleRollAngleCorner},
        {With(0.25, 60, {{D::OutsideCorners, 2}, {D::OutsideRolls, 2.683}}),
         DovetailCheck::ImpossibleRollAngleCornerOnly},
        {With(0.25, 60, {{D::OutsideRolls, 0.5}, {D::Height, 0.5}}),
         DovetailCheck::ImpossibleHeightOrRollWidth},
        {With(0.25, 60, {{D::OutsideCorners, 0.5}, {D::Height, 0.5}}),
         DovetailCheck::ImpossibleHeightOrCornerWidth},
        {With(0.25, 60, {{D::OutsideRolls, 2.5}, {D::InsideRolls, 1.0}}),
         DovetailCheck::ImpossibleRollAngleRollWidth},
        // A negative inside roll width: Ci 0.1, H 0.2 would give Ri -0.3521.
        {With(0.25, 60, {{D::InsideCorners, 0.1}, {D::Height, 0.2}}),
         DovetailCheck::ImpossibleRollAngleHeight},
        {With(0.25, 60, {{D::OutsideRolls, 0.7}, {D::Height, 0.2}}),
         DovetailCheck::ImpossibleHeightOrRollWidth},
        {With(0.25, 60, {{D::OutsideCorners, 0.6}, {D::Height, 0.2}}),
         DovetailCheck::ImpossibleHeightOrCornerWidth},
        {With(0.25, 60, {{D::OutsideCorners, 0.6}, {D::OutsideRolls, 0.7}}),
         DovetailCheck::ImpossibleRollAngleCorner},
        // Square flanks: the height cannot come from two widths.
        {With(0.25, 90, {{D::OutsideCorners, 2.1}, {D::InsideCorners, 2}}),
         DovetailCheck::ImpossibleRollAngleCorner},
        {With(0.25, 90, {{D::OutsideRolls, 2.5}, {D::InsideRolls, 1.9}}),
         DovetailCheck::ImpossibleRollAngleRollWidth},
        {With(0.25, 90, {{D::InsideCorners, 2}, {D::InsideRolls, 1.9}}),
         DovetailCheck::ImpossibleRollAngleCorner},
        {With(0.25, 90, {{D::OutsideCorners, 2.6}, {D::OutsideRolls, 2.5}}),
         DovetailCheck::ImpossibleRollAngleCorner},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ValidateDovetail(c.data), c.expected)
            << c.data.values[0] << " " << c.data.values[1] << " " << c.data.values[2] << " "
            << c.data.values[3] << " " << c.data.values[4];
    }
}

TEST(Dovetail, SquareFlanksWithTheHeightGiven) {
    // At 90 degrees the corner widths are equal and the rolls add Dr (1 + cot 45) = 2 Dr.
    const auto s = SolveDovetail(With(0.25, 90, {{D::InsideCorners, 2}, {D::Height, 0.5}}));
    ASSERT_TRUE(s);
    EXPECT_EQ(ValidateDovetail(With(0.25, 90, {{D::InsideCorners, 2}, {D::Height, 0.5}})),
              DovetailCheck::Ok);
    EXPECT_NEAR((*s)[D::OutsideCorners], 2.0, 1e-9);
    EXPECT_NEAR((*s)[D::OutsideRolls], 2.5, 1e-9);
    EXPECT_NEAR((*s)[D::InsideRolls], 1.5, 1e-9);
}
