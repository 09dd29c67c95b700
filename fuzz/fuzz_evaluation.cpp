// The whole screenshot evaluation on bitmaps painted from fuzz bytes (see fuzz_bitmap.h), then
// the refresh chain that a transfer of the new profile into the overall profile runs.

#include "evaluation/evaluation_driver.h"
#include "fuzz_bitmap.h"
#include "fuzz_check.h"
#include "refresh/recalculation.h"

#include <utility>

namespace {

class Zaehler : public Meldungen {
public:
    void Meldung(const std::string&, const std::string&) override { ++Anzahl; }
    int Anzahl = 0;
};

// The current profile before the evaluation; an evaluation that stops must leave it whole.
Profile Vorher() {
    Profile p;
    ProfileSection& a = p.Abschnitte.emplace_back();
    a.Beschreibung = "vorher";
    a.Punktanzahl = 3;
    for (int32_t j = 0; j < 3; ++j) {
        a.Punkte[j].Hoehe = 500 + j;
        a.Punkte[j].Abstand = 0.01f;
    }
    StatistikUngeglaettet(p);
    return p;
}

bool GleicheDaten(const Profile& p, const Profile& q) {
    if (p.AnzahlAbschnitte() != q.AnzahlAbschnitte()) return false;
    for (int32_t i = 0; i < p.AnzahlAbschnitte(); ++i) {
        const ProfileSection& a = p.Abschnitte[i];
        const ProfileSection& b = q.Abschnitte[i];
        if (a.Beschreibung != b.Beschreibung || a.Punktanzahl != b.Punktanzahl ||
            a.Markiert != b.Markiert || a.HoeheMax != b.HoeheMax)
            return false;
        for (int32_t j = 0; j < a.Punktanzahl; ++j)
            if (a.Punkte[j].Hoehe != b.Punkte[j].Hoehe) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    // The work record is new for every input, so that each input replays on its own; only the
    // pixel memory of the last bitmap is painted over again.
    static TBitmap puffer;
    TFuzzBitmap f = FuzzBitmap(daten, groesse, std::move(puffer));
    const TLayout& layout = *f.Layout;
    TAuswertung auswertung;
    struct Zurueck {
        TAuswertung& a;
        ~Zurueck() { puffer = std::move(a.Bitmap); }
    } zurueck{auswertung};
    const Profile vorher = Vorher();
    Profile aktuell = vorher;
    Zaehler meldungen;
    int32_t fortschritt = 0;
    const AuswertungsErgebnis e =
        BitmapAuswerten(std::move(f.Bitmap), auswertung, aktuell, meldungen, [&](int32_t p) {
            FUZZ_PRUEFEN(p > fortschritt && p <= 100);
            fortschritt = p;
        });

    // The painted control pixels always pass the acceptance.
    FUZZ_PRUEFEN(e == AuswertungsErgebnis::Abgebrochen || e == AuswertungsErgebnis::Ausgewertet);
    if (e == AuswertungsErgebnis::Abgebrochen) {
        FUZZ_PRUEFEN(meldungen.Anzahl > 0);
        FUZZ_PRUEFEN(GleicheDaten(aktuell, vorher));
        return 0;
    }
    FUZZ_PRUEFEN(fortschritt == 100);
    FUZZ_PRUEFEN(aktuell.AnzahlAbschnitte() == 1);
    const ProfileSection& a = aktuell.Abschnitte[0];
    FUZZ_PRUEFEN(a.Punktanzahl == layout.Spaltenanzahl() - 1 && a.Punktanzahl <= MaxPunkte);
    FUZZ_PRUEFEN(a.Markiert == 1);
    const int32_t unten = std::min(auswertung.HoeheMinSkala, auswertung.HoeheMaxSkala);
    const int32_t oben = std::max(auswertung.HoeheMinSkala, auswertung.HoeheMaxSkala);
    for (int32_t j = 0; j < a.Punktanzahl; ++j) {
        FUZZ_PRUEFEN(a.Punkte[j].Hoehe >= unten && a.Punkte[j].Hoehe <= oben);
        FUZZ_PRUEFEN(a.Punkte[j].Abstand >= 0.0f);
    }

    // "Übertragen" copies the section into the overall profile, which then runs the refresh
    // chain with the default windows.
    Profile gesamt;
    gesamt.Abschnitte = aktuell.Abschnitte;
    Nachrechnung{}.Rechnen(gesamt, 450, 100);
    return 0;
}
