#include "model/c_format.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

std::string Festkomma(double wert, int breite, int stellen) {
    std::string text;
    CText(text).Festkomma(wert, breite, stellen);
    return text;
}

std::string Ganzzahl(long wert, int breite) {
    std::string text;
    CText(text).Ganzzahl(wert, breite);
    return text;
}

} // namespace

// The files' per-point values are appended without printf; they must be the bytes printf
// writes, or a saved route would differ from the one saved before.
TEST(CFormat, AppendedValuesAreThoseOfPrintf) {
    const double werte[] = {0.002,
                            0.0625, // exactly halfway: printf rounds to the even digit, 0.062
                            -0.0625,
                            0.0015f, // a float just below or above its decimal half
                            2.5,
                            -0.4, // rounds to -0: the sign stays
                            -0.0,
                            892.99951171875,
                            123456.789f,
                            static_cast<double>(3.4e38f),
                            1e300,
                            static_cast<double>(0.3f) - static_cast<double>(1e7f), // export's steps
                            1.0 / 3.0, // not exact when scaled: the general way
                            std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN(),
                            -std::numeric_limits<double>::quiet_NaN()};
    for (const double w : werte) {
        EXPECT_EQ(Festkomma(w, 3, 3), Formatieren("%3.3f", w)) << w;
        EXPECT_EQ(Festkomma(w, 9, 3), Formatieren("%9.3f", w)) << w;
        EXPECT_EQ(Festkomma(w, 3, 0), Formatieren("%3.0f", w)) << w;
        std::string komma = Formatieren("%9.3f", w);
        std::replace(komma.begin(), komma.end(), '.', ',');
        std::string text;
        CText(text).Festkomma(w, 9, 3, ',');
        EXPECT_EQ(text, komma) << w;
    }
    for (const long w : {0L, 7L, -7L, 446L, 12345L, -2147483648L, 9223372036854775807L}) {
        EXPECT_EQ(Ganzzahl(w, 1), Formatieren("%1ld", w)) << w;
        EXPECT_EQ(Ganzzahl(w, 4), Formatieren("%4ld", w)) << w;
        EXPECT_EQ(Ganzzahl(w, 7), Formatieren("%7ld", w)) << w;
    }
}

// A text longer than the buffer, between values, arrives whole and in order.
TEST(CFormat, LongTextsAndManyValuesKeepTheirOrder) {
    std::string text = "Kopf\n";
    std::string erwartet = text;
    {
        CText c(text);
        for (int i = 0; i < 3000; ++i) {
            c.Ganzzahl(i, 4).Text(" \t ");
            erwartet += Formatieren("%4d \t ", i);
        }
        const std::string lang(20000, 'x');
        c.Text(lang).Zeichen('\n');
        erwartet += lang + "\n";
    }
    EXPECT_EQ(text, erwartet);
}
