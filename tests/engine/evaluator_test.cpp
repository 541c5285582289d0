#include "engine/evaluator.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Good {
    const char* text;
    double value;
};

void PrintTo(const Good& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class EvaluatesTo : public ::testing::TestWithParam<Good> {};

TEST_P(EvaluatesTo, Value) {
    double result = -12345;
    ASSERT_TRUE(engine::TryEvaluate(GetParam().text, result)) << GetParam().text;
    EXPECT_DOUBLE_EQ(result, GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EvaluatesTo,
    ::testing::Values(Good{"2+3x4", 14}, Good{"2^3^2", 64},  // "^" is left-associative
                      Good{"6x7\\2", 18},                   // "\" before "x": 6 x 3
                      Good{"7.5\\2", 4},                    // 7.5 rounds to 8
                      Good{"2.5\\1", 2},                    // 2.5 rounds to 2 (half to even)
                      Good{"-7\\2", -3},                    // quotient truncated toward zero
                      Good{"8/2/4", 1},
                      // The quotient goes back as 0.333333333333333 before the "x".
                      Good{"1/3x3", 0.999999999999999}, Good{"2x(-3)", -6}, Good{"5+-3", 2},
                      Good{"-5", -5}, Good{"((2))", 2}, Good{" 2 + 3 ", 5},
                      Good{"2\t+\r3\n", 5}, Good{"2x(3+4)^2", 98}, Good{"-2^2", 4},
                      Good{"3x-5^2", 75}, Good{"5--3", 8}, Good{"3--5x2", 13},
                      // A bracket next to a number or a bracket multiplies.
                      Good{"2(3)", 6}, Good{"(2)(3)", 6}, Good{"(1+1)3", 6},
                      Good{"2(3+4)^2", 98}, Good{"2-(3)(4)", -10}, Good{"(2)-3", -1},
                      Good{"2,5", 25},  // "," groups digits
                      Good{"10-2+3", 11}, Good{"10-2-3", 5},
                      // "-" pass: 1-2 -> "-1+3-4", then 3-4 -> "-1+-1"; "+" pass: -2.
                      Good{"1-2+3-4", -2},
                      Good{"1/10000000", 1e-7},
                      // A value written back in exponent form is one operand: "1E-06+1",
                      // "1E-06-1", "1E+18" and "1.15292150460685E+18" are read whole.
                      Good{"1/1000000+1", 1.000001}, Good{"1/1000000-1", -0.999999},
                      Good{"1/10000000+1", 1.0000001}, Good{"5-1/10000000", 4.9999999},
                      Good{"0-1/10000000", -1e-7}, Good{"3-(0-1/10000000)", 3.0000001},
                      Good{"1000000000x1000000000", 1e18},
                      Good{"2^60", 1.15292150460685e18},  // 2^60 = 1152921504606846976
                      // "1.15292150460685E+18/5.76460752303423E+17"
                      Good{"2^60/2^59", 2.00000000000001},
                      Good{"(1/1000000)2", 2e-6}, Good{"2(1/10000000)", 2e-7}));

struct Bad {
    const char* text;
};

void PrintTo(const Bad& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class Fails : public ::testing::TestWithParam<Bad> {};

TEST_P(Fails, NoValue) {
    double result = 99;
    EXPECT_FALSE(engine::TryEvaluate(GetParam().text, result)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, Fails,
                         ::testing::Values(Bad{""}, Bad{"()"}, Bad{"5-"}, Bad{"x5"}, Bad{"5x"},
                                           Bad{"2*3"}, Bad{"2X3"}, Bad{"(2"}, Bad{"2)"},
                                           Bad{")2("}, Bad{"1.2.3"}, Bad{"5/0"}, Bad{"0/0"},
                                           Bad{"5\\0"}, Bad{"5\\0.4"}, Bad{"2^99999"},
                                           Bad{"(-8)^0.5"}, Bad{"0^-1"}, Bad{"5-x3"},
                                           Bad{"--5"}, Bad{"+5"},
                                           // 1E+200 x 1E+200 cannot be represented.
                                           Bad{"10^200x10^200"},
                                           // A bracket before "," multiplies ",5".
                                           Bad{"(2),5"},
                                           Bad{"3000000000\\1"}, Bad{"1e5"},
                                           // Only written-back values carry an "E".
                                           Bad{"1E5"}, Bad{"1E+5"}));

TEST(TryEvaluate, RejectedTextLeavesResultAndFailedEvaluationClearsIt) {
    double result = 7;
    EXPECT_FALSE(engine::TryEvaluate("2*3", result));
    EXPECT_EQ(result, 7);
    EXPECT_FALSE(engine::TryEvaluate("5/0", result));
    EXPECT_EQ(result, 0);
}

TEST(CheckExpression, RemovesBlanksAndControlCharacters) {
    std::string text = " 1 +\t2\b ";
    EXPECT_TRUE(engine::CheckExpression(text));
    EXPECT_EQ(text, "1+2");
    text = "1+a";
    EXPECT_FALSE(engine::CheckExpression(text));
    EXPECT_EQ(text, "");
}

TEST(ReadOperand, SignBelongsToTheNumberOnlyWhenNothingStandsLeftOfIt) {
    double v = 1;
    // "3--5x2": left of "x" (position 5) is "-5", the second "-" being a sign.
    EXPECT_TRUE(engine::ReadOperand("3--5x2", 5, v, true));
    EXPECT_EQ(v, -5);
    // "3-5x2": the "-" has the 3 on its left, so it is an operator.
    EXPECT_TRUE(engine::ReadOperand("3-5x2", 4, v, true));
    EXPECT_EQ(v, 5);
    EXPECT_TRUE(engine::ReadOperand("2x-3", 2, v, false));
    EXPECT_EQ(v, -3);
    EXPECT_FALSE(engine::ReadOperand("5-x3", 3, v, true));
    EXPECT_EQ(v, 0);
    // Exponent forms are read whole, on either side.
    EXPECT_TRUE(engine::ReadOperand("1.5E-07x2", 8, v, true));
    EXPECT_EQ(v, 1.5e-7);
    EXPECT_TRUE(engine::ReadOperand("2x-1E+18", 2, v, false));
    EXPECT_EQ(v, -1e18);
}

TEST(ReplaceOperation, TakesTheLeftSignWithTheOperand) {
    std::string text = "3--5x2";
    EXPECT_TRUE(engine::ReplaceOperation(text, 5, -10));
    EXPECT_EQ(text, "3--10");
    text = "1-1E-07x1E+18";
    EXPECT_TRUE(engine::ReplaceOperation(text, 8, 1e11));
    EXPECT_EQ(text, "1-100000000000");
}

TEST(NumberText, FifteenDigitsAndExponentForms) {
    EXPECT_EQ(engine::NumberText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(engine::NumberText(1e15), "1E+15");
    EXPECT_EQ(engine::NumberText(-0.5), "-0.5");
    EXPECT_FALSE(engine::NumberValue("").has_value());
    EXPECT_EQ(engine::NumberValue("1,234.5").value_or(0), 1234.5);
}

// Long inputs must neither crash (no recursion per bracket or per sign) nor fail
// where a short one of the same shape succeeds.
TEST(LongExpressions, DeepBracketsAndLongSignChains) {
    double result = 0;
    std::string open(10000, '(');
    EXPECT_FALSE(engine::TryEvaluate(open, result));

    std::string nested = std::string(5000, '(') + "1" + std::string(5000, ')');
    ASSERT_TRUE(engine::TryEvaluate(nested, result));
    EXPECT_EQ(result, 1);

    std::string signs = std::string(10000, '-') + "5";
    EXPECT_FALSE(engine::TryEvaluate(signs, result));  // like "--5"

    std::string chain = "1";
    for (int i = 0; i < 4999; ++i) chain += "-1";  // 1 - 4999 ones
    ASSERT_TRUE(engine::TryEvaluate(chain, result));
    EXPECT_EQ(result, -4998);

    // Reading the left operand of the "x" asks, for each "-" on its way, whether a number
    // stands left of it: a chain of 2500 such questions.
    std::string mixed;
    for (int i = 0; i < 2500; ++i) mixed += "1-";
    mixed += "2x2";
    ASSERT_TRUE(engine::TryEvaluate(mixed, result));
    EXPECT_EQ(result, 1 - 2499 - 4);
}

TEST(LongExpressions, TenThousandDigitsOverflowAndFail) {
    double result = 0;
    EXPECT_FALSE(engine::TryEvaluate(std::string(10000, '9'), result));
    EXPECT_FALSE(engine::TryEvaluate(std::string(10000, '9') + "x0", result));
}

}  // namespace
