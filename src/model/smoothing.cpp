#include "model/smoothing.h"

#include "model/integer_text.h"

namespace {

// A position in the overall profile that can step to the neighbouring point across section
// borders; sections without points are passed over.
struct Cursor {
    Profile& profil;
    int32_t abschnitt;
    int32_t punkt;

    ProfilePoint& Punkt() const { return profil.Abschnitte[abschnitt].Punkte[punkt]; }

    bool Zurueck() {
        if (punkt > 0) {
            --punkt;
            return true;
        }
        for (int32_t s = abschnitt - 1; s >= 0; --s) {
            if (profil.Abschnitte[s].Punktanzahl > 0) {
                abschnitt = s;
                punkt = profil.Abschnitte[s].Punktanzahl - 1;
                return true;
            }
        }
        return false;
    }

    bool Vor() {
        if (punkt + 1 < profil.Abschnitte[abschnitt].Punktanzahl) {
            ++punkt;
            return true;
        }
        for (int32_t s = abschnitt + 1; s < profil.AnzahlAbschnitte(); ++s) {
            if (profil.Abschnitte[s].Punktanzahl > 0) {
                abschnitt = s;
                punkt = 0;
                return true;
            }
        }
        return false;
    }
};

// Adds the step of the point the window has just stepped onto, in metres. The product is taken
// in extended precision and the sum rounded to float32 after each addition, so the window ends
// fall where they always have for a given profile.
float Schritt(float distanz, const ProfilePoint& q) {
    return static_cast<float>(static_cast<long double>(distanz) +
                              static_cast<long double>(q.Abstand) * 1000.0L);
}

} // namespace

void HoehenGlaetten(Profile& profil, int32_t L) {
    if (profil.Abschnitte.empty()) return;
    profil.GlaettungMittelungUeber = L;
    Statistik(profil);

    const double halb = L * 0.5;
    for (int32_t s = 0; s < profil.AnzahlAbschnitte(); ++s) {
        ProfileSection& a = profil.Abschnitte[s];
        for (int32_t j = 0; j < a.Punktanzahl; ++j) {
            // 64 bits: a window over many points of a long flat route must not overflow.
            int64_t summe = a.Punkte[j].Hoehe;
            int64_t anzahl = 1;
            float distanz = 0.0f;
            Cursor q{profil, s, j};
            while (halb > distanz && q.Zurueck()) {
                ++anzahl;
                summe += q.Punkt().Hoehe;
                distanz = Schritt(distanz, q.Punkt());
            }
            Cursor v{profil, s, j};
            while (static_cast<double>(L) > distanz && v.Vor()) {
                ++anzahl;
                summe += v.Punkt().Hoehe;
                distanz = Schritt(distanz, v.Punkt());
            }
            a.Punkte[j].HoeheGeglaettet = static_cast<int32_t>(summe / anzahl);
        }
    }
}

void SteigungenBerechnen(Profile& profil, int32_t G) {
    profil.SteigungMittelungUeber = G;
    if (profil.Abschnitte.empty()) return;

    const double halb = G * 0.5;
    for (int32_t s = 0; s < profil.AnzahlAbschnitte(); ++s) {
        ProfileSection& a = profil.Abschnitte[s];
        for (int32_t j = 0; j < a.Punktanzahl; ++j) {
            float distanz = 0.0f;
            Cursor anfang{profil, s, j};
            while (halb > distanz && anfang.Zurueck()) distanz = Schritt(distanz, anfang.Punkt());
            Cursor ende{profil, s, j};
            while (static_cast<double>(G) > distanz && ende.Vor())
                distanz = Schritt(distanz, ende.Punkt());

            const ProfilePoint& pa = anfang.Punkt();
            const ProfilePoint& pb = ende.Punkt();
            const long double meter =
                (static_cast<long double>(pb.Strecke) - static_cast<long double>(pa.Strecke)) *
                1000.0L;
            // A window of zero length (a single point, G <= 0, steps of 0) has no slope.
            const long double steigung =
                meter == 0.0L ? 0.0L
                              : static_cast<long double>(pb.HoeheGeglaettet - pa.HoeheGeglaettet) /
                                    meter * 100.0L;
            a.Punkte[j].Steigung = static_cast<float>(steigung);
        }
    }
}

void Glaettungslauf(Profile& profil, int32_t L, int32_t G) {
    if (profil.Abschnitte.empty()) return;
    HoehenGlaetten(profil, L);
    SteigungenBerechnen(profil, G);
}

void Glaettungslauf(Profile& profil, std::string_view schwelleText,
                    std::string_view steigungGlaettungText) {
    if (profil.Abschnitte.empty()) return;
    HoehenGlaetten(profil, StrToInt(schwelleText));
    SteigungenBerechnen(profil, StrToInt(steigungGlaettungText));
}

void GesamtNeuBerechnen(Profile& profil, std::string_view schwelleText,
                        std::string_view steigungGlaettungText) {
    Glaettungslauf(profil, schwelleText, steigungGlaettungText);
    Statistik(profil);
}
