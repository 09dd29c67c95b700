#include "files/number_reading.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

// The value, the end and the error of both readers agree, bit for bit.
void WieFromChars(const std::string& text) {
    const char* a = text.data();
    const char* e = a + text.size();
    float f1 = 7.0f;
    float f2 = 7.0f;
    const auto r1 = KommazahlLesen(a, e, f1);
    const auto r2 = std::from_chars(a, e, f2, std::chars_format::general);
    EXPECT_EQ(r1.ptr, r2.ptr) << text;
    EXPECT_EQ(r1.ec, r2.ec) << text;
    EXPECT_EQ(std::signbit(f1), std::signbit(f2)) << text;
    if (!std::isnan(f2)) {
        EXPECT_EQ(f1, f2) << text;
    }
    int32_t i1 = 7;
    int32_t i2 = 7;
    const auto s1 = GanzzahlLesen(a, e, i1);
    const auto s2 = std::from_chars(a, e, i2);
    EXPECT_EQ(s1.ptr, s2.ptr) << text;
    EXPECT_EQ(s1.ec, s2.ec) << text;
    EXPECT_EQ(i1, i2) << text;
}

std::string Text(const char* format, double wert) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, format, wert);
    return puffer;
}

} // namespace

TEST(Zahlenlesen, ReadsWhatFromCharsReads) {
    for (const char* t : {"0",
                          "-0",
                          "-0.000",
                          "892.000 \t",
                          "12.5\n",
                          "446",
                          "2147483647",
                          "2147483648",
                          "-2147483648",
                          "-2147483649",
                          "99999999999",
                          "000000000000012",
                          "12abc",
                          "1.5e3",
                          "1.",
                          "1. ",
                          ".5",
                          "-",
                          "",
                          "-.5",
                          "1..2",
                          "nan",
                          "inf",
                          "-inf",
                          "16777217",
                          "3.4028236e38",
                          "340282366920938463463374607431768211456",
                          "1e-50",
                          "0.000000000000001",
                          "123456789012345",
                          "1234567890123456",
                          "0.1234567890123456",
                          "1.000000059604644775390625"})
        WieFromChars(t);
}

// Random positions with the file's three decimals, and decimal neighbours of the points halfway
// between two floats, where a double rounded to float may land on the wrong side.
TEST(Zahlenlesen, RoundsAsFromCharsOnFloatEdges) {
    std::mt19937 zufall(5);
    std::uniform_real_distribution<float> strecke(0.0f, 20000.0f);
    std::uniform_int_distribution<uint32_t> bits(0x00800000u, 0x7f7fffffu);
    for (int i = 0; i < 20000; ++i) {
        WieFromChars(Text("%.3f", strecke(zufall)));
        const float f = std::bit_cast<float>(bits(zufall));
        const double mitte =
            (static_cast<double>(f) + static_cast<double>(std::nextafter(f, INFINITY))) / 2;
        WieFromChars(Text("%.15g", mitte));
        WieFromChars(Text("%.14g", mitte));
        WieFromChars(Text("%.9f", static_cast<double>(f)));
    }
}
