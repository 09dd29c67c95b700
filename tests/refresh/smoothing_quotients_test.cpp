#include "model/smoothing_reference.h"
#include "refresh/smoothing_quotients.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>

namespace {

ProfilePoint Punkt(float strecke, int32_t hoehe) {
    ProfilePoint p;
    p.Strecke = strecke;
    p.HoeheGeglaettet = hoehe;
    return p;
}

void ErwarteGleicheSteigung(const ProfilePoint& a, const ProfilePoint& b) {
    ASSERT_EQ(std::bit_cast<uint32_t>(SteigungSchnell(a, b)),
              std::bit_cast<uint32_t>(SteigungZwischen(a, b)))
        << a.Strecke << " km, " << a.HoeheGeglaettet << " m to " << b.Strecke << " km, "
        << b.HoeheGeglaettet << " m";
}

} // namespace

// Counts drawn from a few values, so that the kept reciprocal is used as often as renewed.
TEST(Mittelwerte, TruncateLikeTheIntegerDivision) {
    std::mt19937_64 zufall(7);
    Mittelwerte mittelwert;
    const int64_t summen[] = {int64_t{1} << 20, int64_t{1} << 44, (int64_t{1} << 53) - 1,
                              int64_t{1} << 53, int64_t{1} << 62};
    for (int64_t bereich : summen) {
        std::uniform_int_distribution<int64_t> summe(-bereich, bereich);
        std::uniform_int_distribution<int64_t> anzahl(1, 2000000);
        const int64_t wenige[] = {1, 2, 3, 225, 226, 446, 2000000};
        for (int i = 0; i < 200000; ++i) {
            const int64_t s = summe(zufall);
            const int64_t n = i % 2 ? anzahl(zufall) : wenige[i / 2 % std::size(wenige)];
            // Means outside int32 do not occur (heights are int32); compare what a caller keeps.
            if (s / n > INT32_MAX || s / n < INT32_MIN) continue;
            ASSERT_EQ(mittelwert(s, n), static_cast<int32_t>(s / n)) << s << " / " << n;
        }
    }
    // Right at and just below a multiple, where the product rounds across the whole number.
    for (int64_t n = 1; n < 4200000; n = n * 3 + 1) {
        for (int64_t k = (int64_t{1} << 31) - 1; k > (int64_t{1} << 31) - 400; --k) {
            for (int64_t s : {k * n, k * n - 1, -k * n, -k * n + 1})
                ASSERT_EQ(mittelwert(s, n), static_cast<int32_t>(s / n)) << s << " / " << n;
        }
    }
    EXPECT_EQ(mittelwert(-201, 2), -100);
    EXPECT_EQ(mittelwert(8000LL * 535200, 535200), 8000);
    EXPECT_EQ(mittelwert((int64_t{1} << 53) - 1, (int64_t{1} << 53) - 2), 1);
}

TEST(SteigungSchnell, SameFloat32AsTheExtendedDivision) {
    std::mt19937 zufall(11);
    std::uniform_real_distribution<float> strecke(0.0f, 9000.0f);
    std::uniform_int_distribution<int32_t> hoehe(-9000, 9000);
    for (int i = 0; i < 300000; ++i) {
        const float a = strecke(zufall);
        // Near and far ends, and ends one float32 apart.
        const float b = i % 3 == 0   ? std::nextafter(a, 1.0e9f)
                        : i % 3 == 1 ? a + strecke(zufall) * 1.0e-4f
                                     : strecke(zufall);
        ErwarteGleicheSteigung(Punkt(a, hoehe(zufall)), Punkt(b, hoehe(zufall)));
        if (HasFatalFailure()) return;
    }
    ErwarteGleicheSteigung(Punkt(3.5f, 100), Punkt(3.5f, 200)); // zero length
}

TEST(SteigungZwischen, HeightsAtTheEndsOfTheirRangeDoNotOverflow) {
    // A profile file may hold any 32-bit heights: the rise from the lowest to the highest over
    // 1 km is 2^32 - 1 m, 429,496,729.5 %.
    EXPECT_FLOAT_EQ(SteigungZwischen(Punkt(1.0f, INT32_MIN), Punkt(2.0f, INT32_MAX)), 429496729.5f);
    EXPECT_FLOAT_EQ(SteigungZwischen(Punkt(1.0f, INT32_MAX), Punkt(2.0f, INT32_MIN)),
                    -429496729.5f);
    ErwarteGleicheSteigung(Punkt(1.0f, INT32_MAX), Punkt(2.0f, INT32_MIN));
}
