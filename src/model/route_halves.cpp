#include "model/route_halves.h"

Teilung Teilen(const Profile& profil, int32_t von, int32_t bis) {
    int64_t punkte = 0;
    for (int32_t s = von; s < bis; ++s)
        punkte += profil.Abschnitte[s].Punktanzahl;
    if (punkte < ParallelAb || !ZweiterKernDa()) return {bis, punkte};
    Teilung t{von, 0};
    while (t.abschnitt < bis && 2 * t.punkteDavor < punkte)
        t.punkteDavor += profil.Abschnitte[t.abschnitt++].Punktanzahl;
    return t;
}
