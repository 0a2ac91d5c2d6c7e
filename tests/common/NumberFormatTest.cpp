#include "common/NumberFormat.h"

#include <gtest/gtest.h>

namespace {

struct FixedCase {
    double value;
    int width;
    int decimals;
    const char* expected;
};

class FixedFormat : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FixedFormat, MatchesPrintf) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(num::fixed(c.value, c.width, c.decimals), QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FixedFormat,
    ::testing::Values(FixedCase{5, 5, 2, " 5.00"},            // padded to the width
                      FixedCase{-5, 5, 2, "-5.00"},           //
                      FixedCase{12345.678, 5, 2, "12345.68"}, // wider: written in full
                      FixedCase{3.14159, 0, 3, "3.142"},      //
                      FixedCase{2.5, 3, 0, "  2"},            // no point at d = 0, tie to even
                      FixedCase{3.5, 0, 0, "4"},              //
                      FixedCase{0.125, 0, 2, "0.12"},         // exact binary tie → even
                      FixedCase{0.375, 0, 2, "0.38"},         //
                      FixedCase{2.675, 0, 2, "2.67"},         // 2.67499999… in binary
                      FixedCase{0.80490123, 6, 4, "0.8049"},  // "%6.4f"
                      FixedCase{-0.0001, 6, 2, " -0.00"}));

struct IntCase {
    double value;
    long long expected;
};

class RoundHalfEven : public ::testing::TestWithParam<IntCase> {};

TEST_P(RoundHalfEven, GoesToTheEvenNeighbour) {
    EXPECT_EQ(num::roundHalfEven(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, RoundHalfEven,
                         ::testing::Values(IntCase{2999.5, 3000}, IntCase{2998.5, 2998},
                                           IntCase{250.5, 250}, IntCase{251.5, 252},
                                           IntCase{285.5, 286}, IntCase{284.5, 284},
                                           IntCase{284.51, 285}, IntCase{-250.5, -250},
                                           IntCase{-2.5000001, -3}, IntCase{0.4999999, 0}));

TEST(IntText, PadsTheRoundedValue) {
    EXPECT_EQ(num::intText(250.5, 5), QStringLiteral("  250"));
    EXPECT_EQ(num::intText(-250.5), QStringLiteral("-250"));
}

TEST(GeneralFormat, ShortestFormCutToWidth) {
    const struct {
        double value;
        int maxChars;
        const char* expected;
    } cases[] = {
        {6.96, 12, "6.96"},
        {0.785, 12, "0.785"},
        {1276, 12, "1276"},
        {45, 12, "45"},
        {1.0 / 3.0, 12, "0.3333333333"},      // 15 significant digits, cut to 12
        {1.0 / 3.0, 20, "0.333333333333333"}, //
        {2.0 / 3.0, 20, "0.666666666666667"}, // rounded at the 15th digit
        {690.5, 12, "690.5"},
        {123456789012.5, 12, "123456789012"}, // cut, not rounded
        {0.00001, 12, "1E-5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(num::general(c.value, c.maxChars), QString::fromLatin1(c.expected)) << c.value;
}

} // namespace
