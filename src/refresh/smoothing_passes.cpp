#include "refresh/smoothing_passes.h"

#include "model/smoothing_reference.h"
#include "refresh/smoothing_quotients.h"
#include "refresh/smoothing_window.h"

void GlaettenIn(Profile& profil, const Wegtabelle& tabelle, int32_t L,
                const Abschnittsbereich& bereich) {
    // The mean over a window comes from the running height sums: one step per point however
    // long the window. A window that cannot be found exactly from whole metres is walked.
    FuerJedesFenster(profil, tabelle, L, bereich,
                     [&profil, L, mittelwert = Mittelwerte()](ProfilePoint& p, int32_t s, int32_t j,
                                                              const Fenster& f) mutable {
                         p.HoeheGeglaettet = f.genau ? mittelwert(f.hoehenSumme, f.punkte)
                                                     : GeglaetteteHoeheReferenz(profil, s, j, L);
                     });
}

void SteigungenIn(Profile& profil, const Wegtabelle& tabelle, int32_t G,
                  const Abschnittsbereich& bereich, int32_t statistikVon, int32_t statistikBis,
                  PunktAufzeichnung* aufzeichnung) {
    FuerJedesFenster(profil, tabelle, G, bereich,
                     [&](ProfilePoint& p, int32_t s, int32_t j, const Fenster& f) {
                         const float steigung = f.genau ? SteigungSchnell(f.anfang, f.ende)
                                                        : SteigungReferenz(profil, s, j, G);
                         p.Steigung = steigung;
                         ProfileSection& a = profil.Abschnitte[s];
                         if (j + 1 == a.Punktanzahl && statistikVon <= s && s < statistikBis)
                             AbschnittStatistikGeglaettet(a);
                         // The gradient from the register: read back from the point, it came
                         // with the bytes before it in one load that waits for the store.
                         if (aufzeichnung != nullptr)
                             aufzeichnung[f.index] = {p.Hoehe, p.Abstand, p.HoeheGeglaettet,
                                                      steigung, p.Strecke};
                     });
}

void GanzNeuBerechnen(Profile& profil, const Wegtabelle& tabelle, int32_t L, int32_t G,
                      PunktAufzeichnung* aufzeichnung) {
    profil.GlaettungMittelungUeber = L;
    profil.SteigungMittelungUeber = G;
    // The statistics pass is done by parts of the others: the table sets the point positions the
    // gradients need (the smoothing pass's own statistics pass is left out, as the chain's
    // statistics pass redid it in full), and the gradient pass ends each section with its
    // statistics, while its points are at hand. One walk over the points fewer than the passes
    // one after the other.
    const Abschnittsbereich ganz{0, profil.AnzahlAbschnitte(), 0};
    GlaettenIn(profil, tabelle, L, ganz);
    SteigungenIn(profil, tabelle, G, ganz, 0, profil.AnzahlAbschnitte(), aufzeichnung);
    for (ProfileSection& a : profil.Abschnitte)
        if (a.Punktanzahl == 0) AbschnittStatistikGeglaettet(a);
    StatistikSummen(profil);
}
