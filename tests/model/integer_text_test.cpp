#include "model/integer_text.h"

#include <gtest/gtest.h>

TEST(StrToInt, AcceptsDecimalAndHexadecimalNumbers) {
    EXPECT_EQ(StrToInt("450"), 450);
    EXPECT_EQ(StrToInt("-12"), -12);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("0x10"), 16);
    EXPECT_EQ(StrToInt("$1F"), 31);
    EXPECT_EQ(StrToInt("-$10"), -16);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
}

TEST(StrToInt, RejectsEverythingElseWithTheWindowsMessage) {
    for (const char* text : {"", " 450", "450 ", "1a", "-", "$", "0x", "2147483648", "1.5", "x10",
                             "0x1FFFFFFFF"}) {
        EXPECT_THROW(StrToInt(text), KonvertierungsFehler) << text;
    }
    try {
        StrToInt("1a");
        FAIL();
    } catch (const KonvertierungsFehler& e) {
        EXPECT_STREQ(e.what(), "'1a' ist kein gültiger Integerwert");
    }
}

TEST(PositiveZahl, EmptyZeroAndNegativeAreSkippedOtherTextsThrow) {
    EXPECT_EQ(PositiveZahl("25"), 25);
    EXPECT_EQ(PositiveZahl("$10"), 16);
    EXPECT_EQ(PositiveZahl(""), std::nullopt);
    EXPECT_EQ(PositiveZahl("0"), std::nullopt);
    EXPECT_EQ(PositiveZahl("-5"), std::nullopt);
    EXPECT_THROW(PositiveZahl("5 "), KonvertierungsFehler);
}
