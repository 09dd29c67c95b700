#include "model/smoothing.h"

#include "model/smoothing_quotients.h"
#include "model/smoothing_reference.h"
#include "model/smoothing_window.h"

namespace {

// The mean over a window comes from the window's running height sum: one step per point
// however long the window. A window that cannot be found exactly from whole metres is walked.
void Glaetten(Profile& profil, int32_t L) {
    FuerJedesFenster(profil, L, [&](ProfilePoint& p, int32_t s, int32_t j, const Fenster& f) {
        p.HoeheGeglaettet = f.genau ? Mittelwert(f.hoehenSumme, f.punkte)
                                    : GeglaetteteHoeheReferenz(profil, s, j, L);
    });
}

void Steigungen(Profile& profil, int32_t G) {
    FuerJedesFenster(profil, G, [&](ProfilePoint& p, int32_t s, int32_t j, const Fenster& f) {
        p.Steigung =
            f.genau ? SteigungSchnell(f.anfang, f.ende) : SteigungReferenz(profil, s, j, G);
    });
}

} // namespace

void HoehenGlaetten(Profile& profil, int32_t L) {
    if (profil.Abschnitte.empty()) return;
    profil.GlaettungMittelungUeber = L;
    Statistik(profil);
    Glaetten(profil, L);
}

void SteigungenBerechnen(Profile& profil, int32_t G) {
    profil.SteigungMittelungUeber = G;
    if (profil.Abschnitte.empty()) return;
    Steigungen(profil, G);
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
