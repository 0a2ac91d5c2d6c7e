#include "common/TextToReal.h"

#include <gtest/gtest.h>

namespace {

TEST(TextToReal, ConvertsNumbersWithAPoint) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"500.0", 500.0}, {" 250 ", 250.0}, {"-5", -5.0},    {"+3.5", 3.5},
        {"5.", 5.0},      {".5", 0.5},      {"1.5E3", 1500}, {"2e-1", 0.2},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(textToReal(QString::fromLatin1(c.text)), c.expected) << c.text;
}

TEST(TextToReal, RejectsWhatDoesNotConvertAndNamesTheText) {
    for (const char* bad : {"", " ", ".", "-", "1,5", "1 2.5", "12a", "1.2.3", "e5", "1e", "--1",
                            "0x10", "inf", "nan"}) {
        double untouched = 7.0;
        EXPECT_FALSE(tryTextToReal(QString::fromLatin1(bad), untouched)) << bad;
        EXPECT_EQ(untouched, 7.0) << bad;
        try {
            textToReal(QString::fromLatin1(bad));
            ADD_FAILURE() << "no error for '" << bad << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.text(), QString::fromLatin1(bad));
            EXPECT_TRUE(e.message().contains(QString::fromLatin1(bad)));
        }
    }
}

TEST(TextToReal, BlankRemovalThenConversion) {
    EXPECT_EQ(removeBlanks(QStringLiteral("  500.0 ")), QStringLiteral("500.0"));
    EXPECT_DOUBLE_EQ(textToReal(removeBlanks(QStringLiteral("1 2.5"))), 12.5);
    EXPECT_THROW(textToReal(removeBlanks(QStringLiteral(" . "))), ConversionError);
}

} // namespace
