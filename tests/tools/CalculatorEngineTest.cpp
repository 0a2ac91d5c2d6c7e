// The desk calculator's arithmetic, driven by key sequences.
#include "tools/CalculatorEngine.h"

#include <gtest/gtest.h>

namespace {

// Keys as typed, plus: C clear, E clear entry, < backspace, ~ sign change.
void type(CalculatorEngine& e, const char* keys) {
    for (const char* k = keys; *k; ++k) {
        switch (*k) {
        case 'C':
            e.clear();
            break;
        case 'E':
            e.clearEntry();
            break;
        case '<':
            e.backspace();
            break;
        case '~':
            e.negate();
            break;
        default:
            ASSERT_TRUE(e.key(QLatin1Char(*k))) << "key " << *k;
        }
    }
}

struct Case {
    const char* keys;
    const char* display;
};

class CalculatorKeys : public ::testing::TestWithParam<Case> {};

TEST_P(CalculatorKeys, ShowsTheResult) {
    CalculatorEngine e;
    type(e, GetParam().keys);
    EXPECT_EQ(e.display().toStdString(), GetParam().display) << GetParam().keys;
}

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, CalculatorKeys,
    ::testing::Values(
        Case{"", "0"}, Case{"2+3=", "5"}, Case{"7-10=", "-3"}, Case{"1.5*4=", "6"},
        Case{"1/4=", "0.25"}, Case{"1,5+1=", "2.5"},             // a comma types the point
        Case{"0.1+0.2=", "0.3"},                                 // 15 significant digits
        Case{"1/3=", "0.333333333333333"}, Case{"2+3*4=", "20"}, // carried out as typed
        Case{"2+3*", "5"},   // the pending sum shows when × is pressed
        Case{"2+*3=", "6"},  // a second operation key replaces the first
        Case{"5+=", "10"},   // "=" without a second number repeats the shown one
        Case{"2+3==", "8"},  // a repeated "=" repeats the last operation
        Case{"007", "7"},    // no leading zeros
        Case{"1..5", "1.5"}, // one point only
        Case{".5+.5=", "1"}, Case{"123<", "12"}, Case{"1<<", "0"},
        Case{"2+3=<", "5"}, // a result stays
        Case{"5~", "-5"}, Case{"5~~", "5"}, Case{"0~", "0"}, Case{"2+3=~", "-5"},
        Case{"9-4~=", "13"}, Case{"3+5E2=", "5"}, // CE drops only the number being typed
        Case{"3+5C", "0"}, Case{"3+5C2=", "2"},
        Case{"1234567890123456789", "123456789012345"}, // 15 digits at most
        Case{"99999999*99999999=", "9.9999998E15"}, Case{"1/0=", "Деление на ноль невозможно"},
        Case{"1/0=5+1=", "6"}, // a digit after an error starts afresh
        Case{"1/0+2=", "2"},   // operation keys wait for a new number
        Case{"0-0=", "0"}, Case{"0~*5=", "0"}));

TEST(CalculatorEngine, PendingOperationIsShownAboveTheNumber) {
    CalculatorEngine e;
    type(e, "12+");
    EXPECT_EQ(e.pending().toStdString(), "12 +");
    type(e, "3*");
    EXPECT_EQ(e.pending().toStdString(), "15 ×");
    type(e, "2=");
    EXPECT_EQ(e.pending().toStdString(), "");
    EXPECT_EQ(e.display().toStdString(), "30");
}

TEST(CalculatorEngine, OverflowIsAnError) {
    CalculatorEngine e;
    type(e, "999999999999999*");
    for (int i = 0; i < 25; ++i)
        type(e, "=");
    EXPECT_TRUE(e.hasError());
    EXPECT_EQ(e.display(), CalculatorEngine::overflowText());
    EXPECT_FALSE(e.key(QLatin1Char('x')));
}

} // namespace
