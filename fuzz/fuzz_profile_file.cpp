// The profile file reader on any bytes, then what the program does with a file it accepted:
// the refresh chain of a load into the overall profile, the statistics of a load into the
// current profile, saving and reading back, and the text export.

#include "files/profile_file.h"
#include "files/text_export.h"
#include "fuzz_check.h"
#include "refresh/recalculation.h"

#include <algorithm>
#include <string_view>

namespace {

int32_t Zeichen(const std::string& utf8) {
    return static_cast<int32_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Export options from the last input byte, so that every option is tried.
TExportOptions Optionen(const uint8_t* daten, size_t groesse) {
    const uint8_t b = groesse > 0 ? daten[groesse - 1] : 0;
    TExportOptions o;
    o.Header = b & 1;
    o.Abschnitte = b & 2;
    o.Stuetzpunkte = b & 4;
    o.PunkteReduzieren = b & 8;
    o.StreckeInKm = b & 16;
    o.StreckeRelativ = b & 32;
    o.Glaettung = b & 64;
    o.TrennzeichenPunkt = b & 128;
    o.MeterProPunkt = 1 + (groesse > 1 ? daten[groesse - 2] : 0) * 7;
    return o;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    Profile gelesen;
    gelesen.GlaettungMittelungUeber = 450;
    gelesen.SteigungMittelungUeber = 100;
    int32_t zeile = 0;
    if (!ProfilDateiLesen(text, 1, gelesen, zeile)) {
        FUZZ_PRUEFEN(zeile > 0);
        return 0;
    }
    FUZZ_PRUEFEN(zeile == 0);
    FUZZ_PRUEFEN(gelesen.AnzahlAbschnitte() <= MaxAbschnitte);
    for (const ProfileSection& a : gelesen.Abschnitte) {
        FUZZ_PRUEFEN(a.Punktanzahl >= 0 && a.Punktanzahl <= MaxPunkte);
        FUZZ_PRUEFEN(Zeichen(a.Beschreibung) <= MaxBeschreibung);
        FUZZ_PRUEFEN(a.Markiert == 1);
    }

    Profile aktuell = gelesen;
    StatistikUngeglaettet(aktuell);

    Profile& gesamt = gelesen;
    Nachrechnung{}.Rechnen(gesamt, gesamt.GlaettungMittelungUeber, gesamt.SteigungMittelungUeber);

    // What was accepted is saved in full: the saved file reads back and saves the same again.
    const std::string gespeichert = ProfilDateiInhalt(gesamt);
    Profile wieder;
    FUZZ_PRUEFEN(ProfilDateiLesen(gespeichert, 0, wieder, zeile));
    FUZZ_PRUEFEN(ProfilDateiInhalt(wieder) == gespeichert);

    const TExportOptions o = Optionen(daten, groesse);
    const std::string export_ = ExportInhalt(gesamt, o);
    const auto zeilen = std::count(export_.begin(), export_.end(), '\n');
    FUZZ_PRUEFEN(zeilen == ExportPunktanzahl(gesamt, o) + (o.Header ? 6 : 0));
    return 0;
}
