#include "common/angles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using angles::Pi;

TEST(Angles, EdgesOfTheHelpers) {
    EXPECT_FLOAT_EQ(angles::VectorAngle(0, -5), static_cast<float>(Pi));
    EXPECT_FLOAT_EQ(angles::VectorAngle(-5, 0), static_cast<float>(-Pi / 2));
    EXPECT_FLOAT_EQ(angles::VectorAngle(-1, -1), static_cast<float>(-3 * Pi / 4));
    EXPECT_EQ(angles::VectorAngle(0, 0), 0);
    EXPECT_EQ(angles::VectorAngle(1e308, 1e-308), 0);  // Y / X overflows: r stays 0
    // Just outside [-1, 1] from rounding: held at the end, never NaN.
    EXPECT_EQ(angles::ArcCos(1 + 1e-15), 0);
    EXPECT_DOUBLE_EQ(angles::ArcCos(-1 - 1e-15), Pi);
    EXPECT_NEAR(angles::ArcCos(0.5), std::acos(0.5), 1e-15);
    EXPECT_NEAR(angles::ArcSin(0.5), std::asin(0.5), 1e-15);
    EXPECT_EQ(angles::ArcSin(1), 0);
    EXPECT_EQ(angles::ArcSin(-1.5), 0);
}

}  // namespace
