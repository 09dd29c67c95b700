// The refresh's smoothing and gradient passes against the point-by-point walk that defines them:
// every HoeheGeglaettet and every Steigung must agree bit for bit, on routes whose steps are
// whole metres, 0, or anything else.
#include "model/smoothing.h"
#include "refresh/recalculation.h"
#include "refresh/smoothing_window.h"
#include "support/profile_builder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace {

// A step of k whole metres in km, as the screenshot evaluation and the profile file store it.
float Meter(int64_t k) {
    return static_cast<float>(static_cast<long double>(k) * 0.001L);
}

// Steps that are not whole metres, or whose float32 sums in the window do not stay whole.
const float kKrummeSchritte[] = {
    0.0001234f,  // a tenth of a metre and a bit
    20 * 0.001f, // one float32 step above 20 m
    Meter(127),  // 127 m: the first sum is 127.0000076 m
    Meter(1001), // 1001 m: sums below 1024 m round
    0.3705f,     // half a metre over
    -0.002f,     // backwards
    1.0e-30f,    // next to nothing
};

class Zufallsprofil {
public:
    explicit Zufallsprofil(uint32_t saat) : zufall_(saat) {}

    Profile Erzeugen(int abschnitte) {
        Profile p;
        for (int s = 0; s < abschnitte; ++s)
            p.Abschnitte.push_back(Abschnitt());
        return p;
    }

private:
    int Zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall_); }

    ProfileSection Abschnitt() {
        ProfileSection a;
        const int groesse = Zahl(0, 9);
        a.Punktanzahl = groesse == 0   ? 0
                        : groesse == 1 ? 1
                        : groesse < 8  ? Zahl(2, 120)
                                       : MaxPunkte;
        const int art = Zahl(0, 5);
        const int64_t gleichMeter =
            std::array<int64_t, 8>{1, 2, 3, 10, 20, 50, 100, 450}[Zahl(0, 7)];
        int32_t hoehe = Zahl(-500, 3000);
        for (int32_t j = 0; j < a.Punktanzahl; ++j) {
            ProfilePoint& p = a.Punkte[j];
            hoehe = std::clamp(hoehe + Zahl(-40, 40), -8999, 8999);
            p.Hoehe = Zahl(0, 50) == 0 ? Zahl(-8999, 8999) : hoehe;
            // A profile file may hold any 32-bit height.
            if (Zahl(0, 2000) == 0) p.Hoehe = Zahl(0, 1) ? INT32_MAX : INT32_MIN;
            switch (art) {
            case 0: // one step throughout
                p.Abstand = Meter(gleichMeter);
                break;
            case 1: // short steps, many of them 0
                p.Abstand = Meter(std::max(0, Zahl(-10, 12)));
                break;
            case 2: // columns of a screenshot: 1000 m over 446 columns, 2 m or 3 m each
                p.Abstand = Meter((j + 1) * 1000 / 446 - j * 1000 / 446);
                break;
            case 3: // standing still
                p.Abstand = 0.0f;
                break;
            case 4: // any whole step, now and then one that is not
                p.Abstand = Zahl(0, 40) == 0 ? kKrummeSchritte[Zahl(0, 6)] : Meter(Zahl(0, 3000));
                break;
            default: // whole metres with rare odd ones in between
                p.Abstand = Zahl(0, 300) == 0 ? kKrummeSchritte[Zahl(0, 6)] : Meter(Zahl(1, 30));
                break;
            }
        }
        return a;
    }

    std::mt19937 zufall_;
};

// Compares every point; reports the first difference with where it lies.
void ErwarteGleich(const Profile& schnell, const Profile& referenz, const std::string& fall) {
    int64_t index = 0;
    for (size_t s = 0; s < schnell.Abschnitte.size(); ++s) {
        for (int32_t j = 0; j < schnell.Abschnitte[s].Punktanzahl; ++j, ++index) {
            const ProfilePoint& a = schnell.Abschnitte[s].Punkte[j];
            const ProfilePoint& b = referenz.Abschnitte[s].Punkte[j];
            ASSERT_EQ(a.HoeheGeglaettet, b.HoeheGeglaettet) << fall << ", point " << index;
            ASSERT_EQ(std::bit_cast<uint32_t>(a.Steigung), std::bit_cast<uint32_t>(b.Steigung))
                << fall << ", point " << index << ": " << a.Steigung << " % against " << b.Steigung
                << " %";
        }
    }
}

void Vergleichen(const Profile& profil, int32_t L, int32_t G, const std::string& fall) {
    Profile schnell = profil;
    Profile referenz = profil;
    Nachrechnung{}.Rechnen(schnell, L, G);
    HoehenGlaetten(referenz, L);
    SteigungenBerechnen(referenz, G);
    ErwarteGleich(schnell, referenz,
                  fall + ", L " + std::to_string(L) + ", G " + std::to_string(G));
}

} // namespace

TEST(SmoothingAgainstWalk, RandomRoutesOfManySections) {
    const int32_t laengen[] = {-50, 0, 1, 2, 3, 5, 99, 100, 450, 451, 999, 1000, 3277};
    const int32_t steigungen[] = {-10, 0, 1, 10, 30, 100, 101, 999};
    for (uint32_t saat = 1; saat <= 24; ++saat) {
        Zufallsprofil erzeuger(saat);
        const Profile profil = erzeuger.Erzeugen(static_cast<int>(3 + saat % 17));
        for (int k = 0; k < 4; ++k) {
            const int32_t L = laengen[(saat * 7 + k * 5) % std::size(laengen)];
            const int32_t G = steigungen[(saat * 3 + k * 3) % std::size(steigungen)];
            Vergleichen(profil, L, G, "seed " + std::to_string(saat));
            if (HasFatalFailure()) return;
        }
    }
}

// A route long enough to be walked in two halves on two threads; the chain after an edit, which
// sets the positions from its table, leaves the very route that the smoothing pass and the
// statistics pass leave one after the other.
TEST(SmoothingAgainstWalk, LongRouteInTwoHalvesAndTheChainAfterAnEdit) {
    Zufallsprofil erzeuger(4711);
    const Profile profil = erzeuger.Erzeugen(520);
    ASSERT_GT(profil.Abschnitte.size() * 100, static_cast<size_t>(ParallelAb));
    Vergleichen(profil, 450, 100, "long route");

    Profile kette = profil;
    Profile einzeln = profil;
    Nachrechnung{}.Rechnen(kette, 451, 99);
    Glaettungslauf(einzeln, 451, 99);
    Statistik(einzeln);
    ASSERT_EQ(kette.Strecke, einzeln.Strecke);
    ASSERT_EQ(kette.Punktanzahl, einzeln.Punktanzahl);
    ASSERT_EQ(kette.HoeheMin, einzeln.HoeheMin);
    ASSERT_EQ(kette.HoehenmeterPlus, einzeln.HoehenmeterPlus);
    ASSERT_EQ(kette.HoehenmeterPlusGeglaettet, einzeln.HoehenmeterPlusGeglaettet);
    ASSERT_EQ(kette.HoeheMinGeglaettet, einzeln.HoeheMinGeglaettet);
    for (size_t s = 0; s < kette.Abschnitte.size(); ++s) {
        const ProfileSection& a = kette.Abschnitte[s];
        const ProfileSection& b = einzeln.Abschnitte[s];
        ASSERT_EQ(std::bit_cast<uint32_t>(a.Strecke), std::bit_cast<uint32_t>(b.Strecke));
        ASSERT_EQ(a.HoeheMax, b.HoeheMax) << "section " << s;
        ASSERT_EQ(a.HoehenmeterMinus, b.HoehenmeterMinus) << "section " << s;
        ASSERT_EQ(a.HoeheMaxGeglaettet, b.HoeheMaxGeglaettet) << "section " << s;
        ASSERT_EQ(a.HoehenmeterMinusGeglaettet, b.HoehenmeterMinusGeglaettet) << "section " << s;
        for (int32_t j = 0; j < a.Punktanzahl; ++j) {
            ASSERT_EQ(std::bit_cast<uint32_t>(a.Punkte[j].Strecke),
                      std::bit_cast<uint32_t>(b.Punkte[j].Strecke));
            ASSERT_EQ(a.Punkte[j].HoeheGeglaettet, b.Punkte[j].HoeheGeglaettet);
            ASSERT_EQ(std::bit_cast<uint32_t>(a.Punkte[j].Steigung),
                      std::bit_cast<uint32_t>(b.Punkte[j].Steigung));
        }
    }
}

TEST(SmoothingAgainstWalk, LongestWindowsOverScreenshotColumns) {
    // 1000 m screenshots of 446 columns: steps of 2 m and 3 m, windows of thousands of points.
    Profile profil;
    Zufallsprofil erzeuger(99);
    for (int s = 0; s < 6; ++s) {
        ProfileSection a;
        a.Punktanzahl = MaxPunkte;
        for (int32_t j = 0; j < MaxPunkte; ++j) {
            a.Punkte[j].Hoehe = 400 + (s * MaxPunkte + j) % 97;
            a.Punkte[j].Abstand = Meter((j + 1) * 1000 / 446 - j * 1000 / 446);
        }
        profil.Abschnitte.push_back(a);
    }
    Vergleichen(profil, 3277, 999, "screenshot columns");
}

TEST(SmoothingAgainstWalk, SinglePointsAndEmptySections) {
    ProfileSection leer;
    ProfileSection einzeln;
    einzeln.Punktanzahl = 1;
    einzeln.Punkte[0].Hoehe = 512;
    einzeln.Punkte[0].Abstand = Meter(20);
    ProfileSection zweiter = einzeln;
    zweiter.Punkte[0].Hoehe = 530;
    zweiter.Punkte[0].Abstand = kKrummeSchritte[0];

    const Profile profile[] = {
        ProfilAus({einzeln}),
        ProfilAus({leer, einzeln, leer}),
        ProfilAus({einzeln, leer, zweiter}),
        ProfilAus({leer, zweiter}),
    };
    for (const Profile& profil : profile) {
        for (int32_t L : {-1, 0, 1, 20, 450, 3277}) {
            for (int32_t G : {-1, 0, 20, 100})
                Vergleichen(profil, L, G, "single points");
        }
    }
}

TEST(SmoothingAgainstWalk, WindowsBeyondWhatFloat32CountsInMetres) {
    // Steps of about 1000 km: past 2^24 m float32 holds only every second metre, so the
    // accumulator rounds and ends a window earlier than the exact sum would.
    std::vector<int32_t> hoehen;
    for (int j = 0; j < 40; ++j)
        hoehen.push_back(100 * (j % 7));
    const Profile profil = ProfilAus({Abschnitt(hoehen, Meter(999983))});
    std::vector<int32_t> laengen = {std::numeric_limits<int32_t>::min(),
                                    std::numeric_limits<int32_t>::max()};
    for (int32_t k = 17; k <= 24; ++k) {
        for (int32_t d = -2; d <= 2; ++d)
            laengen.push_back(k * 999983 + d);
    }
    for (int32_t L : laengen)
        Vergleichen(profil, L, L, "steps of 1000 km");
}

TEST(SmoothingAgainstWalk, LongFlatRouteAveragesBeyondTwoToThe31) {
    // 535,200 points at 8000 m with steps of 0: every window takes in the whole route, whose
    // heights add up to 4.3e9. The walk would need hours; the mean alone is known.
    Profile profil;
    ProfileSection a;
    a.Punktanzahl = MaxPunkte;
    for (ProfilePoint& p : a.Punkte)
        p.Hoehe = 8000;
    profil.Abschnitte.assign(1200, a);
    Nachrechnung{}.Rechnen(profil, 3277, 999);
    for (const ProfileSection& s : profil.Abschnitte) {
        for (const ProfilePoint& p : s.Punkte) {
            ASSERT_EQ(p.HoeheGeglaettet, 8000);
            ASSERT_EQ(p.Steigung, 0.0f);
        }
    }
}

TEST(GanzeMeter, WholeStepsAddUpExactly) {
    // The window's own addition, rounded to float32 after each step.
    const auto plus = [](float d, float abstand) {
        return static_cast<float>(static_cast<long double>(d) +
                                  static_cast<long double>(abstand) * 1000.0L);
    };
    int64_t ganze = 0;
    for (int64_t k = 0; k <= 20000; k += (k < 2100 ? 1 : 7)) {
        const int64_t m = GanzeMeter(Meter(k));
        if (m < 0) continue;
        ++ganze;
        ASSERT_EQ(m, k);
        for (int64_t d : {int64_t{0}, int64_t{1}, int64_t{1023} - k, int64_t{4093}, int64_t{65535},
                          int64_t{1} << 23, GanzeMeterGrenze - k - 1, GanzeMeterGrenze - k}) {
            if (d < 0 || d + k > GanzeMeterGrenze) continue;
            ASSERT_EQ(plus(static_cast<float>(d), Meter(k)), static_cast<float>(d + k))
                << k << " m onto " << d << " m";
        }
    }
    EXPECT_GT(ganze, 4000); // nearly all steps a screenshot can give
}

TEST(GanzeMeter, StepsWhoseSumsRoundAreNotWhole) {
    for (float schritt : kKrummeSchritte)
        EXPECT_EQ(GanzeMeter(schritt), -1) << schritt;
    EXPECT_EQ(GanzeMeter(std::numeric_limits<float>::quiet_NaN()), -1);
    EXPECT_EQ(GanzeMeter(std::numeric_limits<float>::infinity()), -1);
    EXPECT_EQ(GanzeMeter(0.0f), 0);
    EXPECT_EQ(GanzeMeter(-0.0f), 0);
    // Why 127 m must be walked: the very first sum is not whole.
    EXPECT_NE(static_cast<float>(static_cast<long double>(Meter(127)) * 1000.0L), 127.0f);
}
