// The track readers on any bytes (GPX, TCX, FIT, known by their first bytes), then the
// sections of what they accepted.

#include "files/track_reading.h"
#include "fuzz_check.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const std::string_view inhalt(reinterpret_cast<const char*>(daten), groesse);
    std::vector<Spur> spuren;
    std::string fehler;
    if (!SpurenLesen(inhalt, spuren, fehler, 100'000)) {
        FUZZ_PRUEFEN(!fehler.empty());
        return 0;
    }
    Profile p;
    if (!SpurenAlsProfil(spuren, 25, "Spur", p, fehler)) {
        FUZZ_PRUEFEN(!fehler.empty());
        return 0;
    }
    FUZZ_PRUEFEN(p.AnzahlAbschnitte() >= 1 && p.AnzahlAbschnitte() <= MaxAbschnitte);
    for (const ProfileSection& a : p.Abschnitte)
        FUZZ_PRUEFEN(a.Markiert == 1 && a.Punktanzahl >= 1 && a.Punktanzahl <= MaxPunkte);
    FUZZ_PRUEFEN(p.Strecke > 0.0f);
    return 0;
}
