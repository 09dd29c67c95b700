#include "files/profile_storage.h"

#include "files/file_io.h"
#include "files/profile_file.h"
#include "model/c_format.h"

namespace {

// A profile without sections that keeps the settings of `vorbild`: the header of a file
// leaves a window value as it was when the file does not hold it.
Profile LeeresProfilWie(const Profile& vorbild) {
    Profile p;
    p.GlaettungEinAus = vorbild.GlaettungEinAus;
    p.GlaettungMittelungUeber = vorbild.GlaettungMittelungUeber;
    p.SteigungMax = vorbild.SteigungMax;
    p.SteigungMittelungUeber = vorbild.SteigungMittelungUeber;
    p.Anker = vorbild.Anker;
    return p;
}

// Reads the bytes of a profile file into a new profile built on `vorbild`. Shows the message
// of a read fault and returns false; `ziel` is then untouched.
bool ProfilAusInhalt(const std::string& inhalt, const Profile& vorbild, uint8_t markiert,
                     Profile& ziel, Meldungen& meldungen) {
    Profile neu = LeeresProfilWie(vorbild);
    int32_t zeile = 0;
    if (!ProfilDateiLesen(inhalt, markiert, neu, zeile)) {
        meldungen.Meldung("Fehler", Formatieren("Fehler beim Lesen der Datei\nZeile %d", zeile));
        return false;
    }
    ziel = std::move(neu);
    return true;
}

// The bytes of the profile file at `pfad`; false with the message of an open fault.
bool ProfilDateiOeffnen(const std::string& pfad, std::string& inhalt, Meldungen& meldungen) {
    if (DateiLesen(pfad, inhalt, MaxProfilDatei)) return true;
    meldungen.Meldung("Fehler", "Fehler beim Öffnen der Datei");
    return false;
}

} // namespace

bool GesamtAusInhalt(HoprexDaten& daten, const std::string& inhalt, const std::string& pfad,
                     Meldungen& meldungen) {
    if (!ProfilAusInhalt(inhalt, daten.Gesamt, 0, daten.Gesamt, meldungen)) return false;
    daten.Einfuegemarke = 0;
    daten.VerzeichnisLaden = VerzeichnisVon(pfad);
    daten.Dateiname = DateinameVon(pfad);
    constexpr std::string_view endung = ".hpx";
    if (daten.Dateiname.size() >= endung.size() && daten.Dateiname.ends_with(endung))
        daten.Dateiname.resize(daten.Dateiname.size() - endung.size());
    return true;
}

bool DatenVorhanden(const Profile& gesamt, Meldungen& meldungen) {
    if (!gesamt.Abschnitte.empty()) return true;
    meldungen.Meldung("Fehler", "Keine Daten zum Speichern vorhanden");
    return false;
}

bool GesamtSpeichern(HoprexDaten& daten, const std::optional<std::string>& pfad,
                     Meldungen& meldungen) {
    if (!DatenVorhanden(daten.Gesamt, meldungen) || !pfad) return false;
    const SchreibErgebnis ergebnis =
        DateiSchreiben(*pfad, ProfilDateiInhalt(daten.Gesamt), meldungen);
    if (ergebnis != SchreibErgebnis::OeffnenFehler)
        daten.VerzeichnisSchreiben = VerzeichnisVon(*pfad);
    return ergebnis == SchreibErgebnis::Ok;
}

bool GesamtLaden(HoprexDaten& daten, const std::optional<std::string>& pfad, Meldungen& meldungen) {
    if (!pfad) return true;
    std::string inhalt;
    return ProfilDateiOeffnen(*pfad, inhalt, meldungen) &&
           GesamtAusInhalt(daten, inhalt, *pfad, meldungen);
}

void AktuellLaden(HoprexDaten& daten, const std::optional<std::string>& pfad,
                  Meldungen& meldungen) {
    ProfilLeeren(daten.Aktuell);
    daten.Einfuegemarke = 0;
    std::string inhalt;
    if (pfad && ProfilDateiOeffnen(*pfad, inhalt, meldungen))
        ProfilAusInhalt(inhalt, daten.Aktuell, 1, daten.Aktuell, meldungen);
    StatistikUngeglaettet(daten.Aktuell);
}
