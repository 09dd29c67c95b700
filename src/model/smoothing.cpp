#include "model/smoothing.h"

#include "model/smoothing_reference.h"

void HoehenGlaetten(Profile& profil, int32_t L) {
    if (profil.Abschnitte.empty()) return;
    profil.GlaettungMittelungUeber = L;
    Statistik(profil);
    for (int32_t s = 0; s < profil.AnzahlAbschnitte(); ++s) {
        ProfileSection& a = profil.Abschnitte[s];
        for (int32_t j = 0; j < a.Punktanzahl; ++j)
            a.Punkte[j].HoeheGeglaettet = GeglaetteteHoeheReferenz(profil, s, j, L);
    }
}

void SteigungenBerechnen(Profile& profil, int32_t G) {
    profil.SteigungMittelungUeber = G;
    for (int32_t s = 0; s < profil.AnzahlAbschnitte(); ++s) {
        ProfileSection& a = profil.Abschnitte[s];
        for (int32_t j = 0; j < a.Punktanzahl; ++j)
            a.Punkte[j].Steigung = SteigungReferenz(profil, s, j, G);
    }
}

void Glaettungslauf(Profile& profil, int32_t L, int32_t G) {
    if (profil.Abschnitte.empty()) return;
    HoehenGlaetten(profil, L);
    SteigungenBerechnen(profil, G);
}

void GesamtNeuBerechnen(Profile& profil, int32_t L, int32_t G) {
    Glaettungslauf(profil, L, G);
    Statistik(profil);
}
