#include "model/smoothing_reference.h"

namespace {

// A position in the overall profile that can step to the neighbouring point across section
// borders; sections without points are passed over.
struct Cursor {
    const Profile& profil;
    int32_t abschnitt;
    int32_t punkt;

    const ProfilePoint& Punkt() const { return profil.Abschnitte[abschnitt].Punkte[punkt]; }

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

int32_t GeglaetteteHoeheReferenz(const Profile& profil, int32_t abschnitt, int32_t punkt,
                                 int32_t L) {
    const double halb = L * 0.5;
    // 64 bits: a window over many points of a long flat route must not overflow.
    int64_t summe = profil.Abschnitte[abschnitt].Punkte[punkt].Hoehe;
    int64_t anzahl = 1;
    float distanz = 0.0f;
    Cursor q{profil, abschnitt, punkt};
    while (halb > distanz && q.Zurueck()) {
        ++anzahl;
        summe += q.Punkt().Hoehe;
        distanz = Schritt(distanz, q.Punkt());
    }
    Cursor v{profil, abschnitt, punkt};
    while (static_cast<double>(L) > distanz && v.Vor()) {
        ++anzahl;
        summe += v.Punkt().Hoehe;
        distanz = Schritt(distanz, v.Punkt());
    }
    return static_cast<int32_t>(summe / anzahl);
}

float SteigungZwischen(const ProfilePoint& anfang, const ProfilePoint& ende) {
    const long double meter =
        (static_cast<long double>(ende.Strecke) - static_cast<long double>(anfang.Strecke)) *
        1000.0L;
    // A window of zero length (a single point, G <= 0, steps of 0) has no slope.
    if (meter == 0.0L) return 0.0f;
    // 64 bits: a profile file may hold any 32-bit heights, whose difference overflows 32 bits.
    const int64_t hoehe = int64_t{ende.HoeheGeglaettet} - anfang.HoeheGeglaettet;
    return static_cast<float>(static_cast<long double>(hoehe) / meter * 100.0L);
}

float SteigungReferenz(const Profile& profil, int32_t abschnitt, int32_t punkt, int32_t G) {
    const double halb = G * 0.5;
    float distanz = 0.0f;
    Cursor anfang{profil, abschnitt, punkt};
    while (halb > distanz && anfang.Zurueck())
        distanz = Schritt(distanz, anfang.Punkt());
    Cursor ende{profil, abschnitt, punkt};
    while (static_cast<double>(G) > distanz && ende.Vor())
        distanz = Schritt(distanz, ende.Punkt());
    return SteigungZwischen(anfang.Punkt(), ende.Punkt());
}
