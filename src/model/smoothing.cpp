#include "model/smoothing.h"

#include "model/smoothing_quotients.h"
#include "model/smoothing_reference.h"
#include "model/smoothing_window.h"

namespace {

// The mean over a window comes from the running height sums: one step per point however long
// the window. A window that cannot be found exactly from whole metres is walked.
void Glaetten(Profile& profil, const Wegtabelle& tabelle, int32_t L) {
    FuerJedesFenster(profil, tabelle, L,
                     [&](ProfilePoint& p, int32_t s, int32_t j, const Fenster& f) {
                         p.HoeheGeglaettet = f.genau ? Mittelwert(f.hoehenSumme, f.punkte)
                                                     : GeglaetteteHoeheReferenz(profil, s, j, L);
                     });
}

void Steigungen(Profile& profil, const Wegtabelle& tabelle, int32_t G) {
    FuerJedesFenster(profil, tabelle, G,
                     [&](ProfilePoint& p, int32_t s, int32_t j, const Fenster& f) {
                         p.Steigung = f.genau ? SteigungSchnell(f.anfang, f.ende)
                                              : SteigungReferenz(profil, s, j, G);
                     });
}

} // namespace

void HoehenGlaetten(Profile& profil, int32_t L) {
    if (profil.Abschnitte.empty()) return;
    profil.GlaettungMittelungUeber = L;
    Statistik(profil);
    Glaetten(profil, WegtabelleFuer(profil, false), L);
}

void SteigungenBerechnen(Profile& profil, int32_t G) {
    profil.SteigungMittelungUeber = G;
    if (profil.Abschnitte.empty()) return;
    Steigungen(profil, WegtabelleFuer(profil, false), G);
}

void Glaettungslauf(Profile& profil, int32_t L, int32_t G) {
    if (profil.Abschnitte.empty()) return;
    profil.GlaettungMittelungUeber = L;
    profil.SteigungMittelungUeber = G;
    Statistik(profil);
    // Both passes share one table: the heights and steps do not change between them.
    const Wegtabelle& tabelle = WegtabelleFuer(profil, false);
    Glaetten(profil, tabelle, L);
    Steigungen(profil, tabelle, G);
}

void GesamtNeuBerechnen(Profile& profil, int32_t L, int32_t G) {
    if (!profil.Abschnitte.empty()) {
        profil.GlaettungMittelungUeber = L;
        profil.SteigungMittelungUeber = G;
        // The smoothing pass's own statistics pass would only give the gradient its point
        // positions before the statistics pass below redoes all of it: the table sets them.
        const Wegtabelle& tabelle = WegtabelleFuer(profil, true);
        Glaetten(profil, tabelle, L);
        Steigungen(profil, tabelle, G);
    }
    Statistik(profil);
}
