// The chain after an edit against the whole chain of a fresh refresh: whatever the edit, every
// result must agree bit for bit, also when sections copied into the route carry results of their
// own.
#include "refresh/recalculation.h"
#include "refresh/smoothing_window.h"

#include <algorithm>
#include <bit>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

uint32_t Bits(float x) {
    return std::bit_cast<uint32_t>(x);
}

void ErwarteGleich(const Profile& teil, const Profile& ganz, const std::string& fall) {
    ASSERT_EQ(teil.Abschnitte.size(), ganz.Abschnitte.size()) << fall;
    for (size_t s = 0; s < teil.Abschnitte.size(); ++s) {
        const ProfileSection& a = teil.Abschnitte[s];
        const ProfileSection& b = ganz.Abschnitte[s];
        const std::string wo = fall + ", section " + std::to_string(s);
        ASSERT_EQ(Bits(a.Strecke), Bits(b.Strecke)) << wo;
        ASSERT_EQ(a.HoeheMax, b.HoeheMax) << wo;
        ASSERT_EQ(a.HoeheMin, b.HoeheMin) << wo;
        ASSERT_EQ(a.HoeheMaxGeglaettet, b.HoeheMaxGeglaettet) << wo;
        ASSERT_EQ(a.HoeheMinGeglaettet, b.HoeheMinGeglaettet) << wo;
        ASSERT_EQ(a.HoehenmeterPlus, b.HoehenmeterPlus) << wo;
        ASSERT_EQ(a.HoehenmeterMinus, b.HoehenmeterMinus) << wo;
        ASSERT_EQ(a.HoehenmeterPlusGeglaettet, b.HoehenmeterPlusGeglaettet) << wo;
        ASSERT_EQ(a.HoehenmeterMinusGeglaettet, b.HoehenmeterMinusGeglaettet) << wo;
        for (int32_t j = 0; j < a.Punktanzahl; ++j) {
            ASSERT_EQ(a.Punkte[j].HoeheGeglaettet, b.Punkte[j].HoeheGeglaettet) << wo << ":" << j;
            ASSERT_EQ(Bits(a.Punkte[j].Steigung), Bits(b.Punkte[j].Steigung)) << wo << ":" << j;
            ASSERT_EQ(Bits(a.Punkte[j].Strecke), Bits(b.Punkte[j].Strecke)) << wo << ":" << j;
        }
    }
    ASSERT_EQ(teil.Punktanzahl, ganz.Punktanzahl) << fall;
    ASSERT_EQ(Bits(teil.Strecke), Bits(ganz.Strecke)) << fall;
    ASSERT_EQ(teil.HoeheMax, ganz.HoeheMax) << fall;
    ASSERT_EQ(teil.HoeheMinGeglaettet, ganz.HoeheMinGeglaettet) << fall;
    ASSERT_EQ(teil.HoehenmeterPlus, ganz.HoehenmeterPlus) << fall;
    ASSERT_EQ(teil.HoehenmeterMinusGeglaettet, ganz.HoehenmeterMinusGeglaettet) << fall;
    ASSERT_EQ(teil.GlaettungMittelungUeber, ganz.GlaettungMittelungUeber) << fall;
    ASSERT_EQ(teil.SteigungMittelungUeber, ganz.SteigungMittelungUeber) << fall;
}

class Bearbeiter {
public:
    explicit Bearbeiter(uint32_t saat) : zufall_(saat) {}

    int Zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall_); }

    // Screenshot columns (2 m and 3 m), now and then a section of 0 m or 20 m steps.
    ProfileSection Abschnitt() {
        ProfileSection a;
        a.Punktanzahl = Zahl(0, 6) == 0 ? Zahl(0, 2) : Zahl(3, MaxPunkte);
        const int art = Zahl(0, 5);
        int32_t hoehe = Zahl(0, 3000);
        for (int32_t j = 0; j < a.Punktanzahl; ++j) {
            ProfilePoint& p = a.Punkte[j];
            p.Hoehe = hoehe += Zahl(-30, 30);
            const int64_t meter = art == 0   ? 0
                                  : art == 1 ? 20
                                             : (j + 1) * 1000 / 446 - j * 1000 / 446;
            p.Abstand = static_cast<float>(meter * 0.001L);
            // What a section copied from elsewhere may carry.
            p.HoeheGeglaettet = Zahl(-5, 5);
            p.Steigung = static_cast<float>(Zahl(-9, 9));
            p.Strecke = 1.5f;
        }
        a.HoeheMaxGeglaettet = 12345;
        return a;
    }

    // One edit of the kinds the window makes, or a few that it could.
    std::string Bearbeiten(Profile& p) {
        auto& v = p.Abschnitte;
        const int n = static_cast<int>(v.size());
        const auto Stelle = [&](int bis) { return Zahl(0, std::max(0, bis)); };
        switch (Zahl(0, 8)) {
        case 0: { // move a block
            const int von = Stelle(n - 1), bis = std::min(n, von + Zahl(1, 4)), ziel = Stelle(n);
            if (ziel <= von)
                std::rotate(v.begin() + ziel, v.begin() + von, v.begin() + bis);
            else if (ziel >= bis)
                std::rotate(v.begin() + von, v.begin() + bis, v.begin() + ziel);
            return "move";
        }
        case 1: { // mirror a section
            ProfileSection& a = v[Stelle(n - 1)];
            std::reverse(a.Punkte.begin(), a.Punkte.begin() + a.Punktanzahl);
            return "mirror";
        }
        case 2: // delete
            if (n > 1) v.erase(v.begin() + Stelle(n - 1));
            return "delete";
        case 3: // transfer a new one
            v.insert(v.begin() + Stelle(n), Abschnitt());
            return "transfer";
        case 4: { // transfer a copy of a neighbour: the same points twice in a row
            const int s = Stelle(n - 1);
            v.insert(v.begin() + s, v[s]);
            return "copy";
        }
        case 5: { // one height
            ProfileSection& a = v[Stelle(n - 1)];
            if (a.Punktanzahl > 0) a.Punkte[Stelle(a.Punktanzahl - 1)].Hoehe += Zahl(1, 50);
            return "height";
        }
        case 6: // split a section in two with the same points
        {
            const int s = Stelle(n - 1);
            ProfileSection zweiter = v[s];
            const int32_t teil = Stelle(v[s].Punktanzahl);
            std::copy(zweiter.Punkte.begin() + teil, zweiter.Punkte.begin() + v[s].Punktanzahl,
                      zweiter.Punkte.begin());
            zweiter.Punktanzahl = v[s].Punktanzahl - teil;
            v[s].Punktanzahl = teil;
            v.insert(v.begin() + s + 1, zweiter);
            return "split";
        }
        case 7: // results spoilt by something else
            for (ProfileSection& a : v)
                if (a.Punktanzahl > 0) a.Punkte[0].HoeheGeglaettet += 7;
            return "spoilt";
        default:
            return "nothing";
        }
    }

private:
    std::mt19937 zufall_;
};

} // namespace

TEST(Nachrechnung, EveryEditGivesTheResultsOfTheWholeChain) {
    for (uint32_t saat = 1; saat <= 6; ++saat) {
        Bearbeiter b(saat);
        Profile route;
        for (int s = 0; s < 25; ++s)
            route.Abschnitte.push_back(b.Abschnitt());
        Nachrechnung nachrechnung;
        for (int k = 0; k < 150; ++k) {
            std::string fall = "seed " + std::to_string(saat) + ", edit " + std::to_string(k);
            fall += " " + b.Bearbeiten(route);
            // Now and then new windows, the window lengths of the edits.
            const int32_t L = k % 40 < 30 ? 450 : (k % 40 < 35 ? 0 : 3277);
            const int32_t G = k % 50 < 45 ? 100 : 999;
            Profile ganz = route;
            Nachrechnung{}.Rechnen(ganz, L, G);
            nachrechnung.Rechnen(route, L, G);
            ErwarteGleich(route, ganz, fall);
            if (HasFatalFailure()) return;
        }
    }
}

// A long route on two threads, and a route with a step that is not whole, which takes the
// whole chain every time.
TEST(Nachrechnung, LongRoutesAndStepsThatAreNotWhole) {
    Bearbeiter b(99);
    Profile route;
    while (route.Abschnitte.size() * MaxPunkte < 3 * ParallelAb)
        route.Abschnitte.push_back(b.Abschnitt());
    Nachrechnung nachrechnung;
    for (int k = 0; k < 12; ++k) {
        std::string fall = "edit " + std::to_string(k) + " " + b.Bearbeiten(route);
        if (k == 8) {
            route.Abschnitte[1].Punkte[0].Abstand = 0.0001234f;
            fall += ", a step not whole";
        }
        Profile ganz = route;
        Nachrechnung{}.Rechnen(ganz, 451, 99);
        nachrechnung.Rechnen(route, 451, 99);
        ErwarteGleich(route, ganz, fall);
        if (HasFatalFailure()) return;
    }
}
