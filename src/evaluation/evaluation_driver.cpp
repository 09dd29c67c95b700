#include "evaluation/evaluation_driver.h"

#include "evaluation/bitmap_check.h"
#include "evaluation/cross_and_vertices.h"
#include "evaluation/curve_tracing.h"
#include "evaluation/label_reading.h"
#include "evaluation/layouts.h"
#include "evaluation/profile_building.h"

#include <utility>

AuswertungsErgebnis BitmapAuswerten(std::optional<TBitmap> zwischenablage, TAuswertung& a,
                                    Profile& aktuell, Meldungen& meldungen,
                                    const Fortschritt& fortschritt) {
    if (!zwischenablage) return AuswertungsErgebnis::KeineBitmap;
    const auto melden = [&](int32_t position) {
        if (fortschritt) fortschritt(position);
    };
    // The previous bitmap goes in any case; one that could not be taken over leaves none.
    a.Bitmap = std::move(*zwischenablage);
    if (a.Bitmap.Leer()) {
        meldungen.Meldung("Fehler", "Bitmap kann nicht ausgewertet werden\n"
                                    "Die Zwischenablage konnte nicht gelesen werden");
        return AuswertungsErgebnis::Abgelehnt;
    }
    const TLayout* layout = LayoutZuKennung(BitmapPruefen(a.Bitmap, meldungen));
    if (layout == nullptr) return AuswertungsErgebnis::Abgelehnt;

    melden(30);
    BeschriftungenLesen(a, *layout);
    melden(40);
    if (KreuzEntfernen(a, *layout, meldungen) == -1) return AuswertungsErgebnis::Abgebrochen;
    melden(50);
    // Without a vertex line the user is told, but the profile is still worth having.
    StuetzpunkteSuchen(a, *layout, meldungen);
    melden(60);
    KurveVerduennen(a, *layout);
    melden(70);
    if (KurveVerfolgen(a, *layout, meldungen) == -1) return AuswertungsErgebnis::Abgebrochen;
    melden(80);
    HoehenBerechnen(a, *layout);
    melden(90);
    ProfilAufbauen(a, *layout, aktuell);
    melden(100);
    return AuswertungsErgebnis::Ausgewertet;
}
