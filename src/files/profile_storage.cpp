#include "files/profile_storage.h"

#include "files/file_io.h"
#include "files/format_streams.h"
#include "files/profile_file.h"
#include "files/route_formats.h"
#include "model/c_format.h"

namespace {

// Reads the bytes of the file `pfad` into a new profile built on `vorbild`, in the format its
// name says. Shows the message of a read fault and returns false; `ziel` is then untouched.
bool ProfilAusInhalt(const std::string& inhalt, const std::string& pfad, const Profile& vorbild,
                     uint8_t markiert, Profile& ziel, Meldungen& meldungen) {
    Profile neu = LeeresProfilWie(vorbild);
    int32_t zeile = 0;
    if (!RouteLesen(LeseformatFuer(pfad), inhalt, neu, zeile)) {
        meldungen.Meldung("Fehler", Formatieren("Fehler beim Lesen der Datei\nZeile %d", zeile));
        return false;
    }
    for (ProfileSection& a : neu.Abschnitte)
        a.Markiert = markiert;
    ziel = std::move(neu);
    return true;
}

// The bytes of the profile file at `pfad`; false with the message of an open fault.
bool ProfilDateiOeffnen(const std::string& pfad, std::string& inhalt, Meldungen& meldungen) {
    if (DateiLesen(pfad, inhalt, MaxProfilDatei)) return true;
    meldungen.Meldung("Fehler", "Fehler beim Öffnen der Datei");
    return false;
}

// The route read from the bytes of the profile file `pfad` ("" for standard input, which names
// no folder or file); VerzeichnisLaden becomes the file's folder. None after a message.
std::optional<Routendaten> RouteAusInhalt(HoprexDaten& daten, const std::string& inhalt,
                                          const std::string& pfad, Meldungen& meldungen) {
    Routendaten route;
    if (!ProfilAusInhalt(inhalt, pfad, daten.Gesamt, 0, route.Gesamt, meldungen))
        return std::nullopt;
    if (pfad.empty()) return route;
    daten.VerzeichnisLaden = VerzeichnisVon(pfad);
    route.GesamtDatei = pfad;
    route.Dateiname = ProfilDateiname(pfad);
    return route;
}

} // namespace

std::string ProfilDateiname(std::string_view pfad) {
    std::string name = DateinameVon(pfad);
    constexpr std::string_view endung = ".hpx";
    if (name.ends_with(endung)) name.resize(name.size() - endung.size());
    return name;
}

std::string RoutenName(const HoprexDaten& daten) {
    return daten.GesamtDatei.empty() ? std::string() : ProfilDateiname(daten.GesamtDatei);
}

bool GesamtAusInhalt(HoprexDaten& daten, const std::string& inhalt, const std::string& pfad,
                     Meldungen& meldungen) {
    std::optional<Routendaten> route = RouteAusInhalt(daten, inhalt, pfad, meldungen);
    if (!route) return false;
    RouteTauschen(daten, *route);
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
    const Formatoptionen keine;
    const SchreibErgebnis ergebnis =
        DateiSchreiben(*pfad, RoutenSchreiber(Profilformat(), daten.Gesamt, keine), meldungen);
    if (ergebnis != SchreibErgebnis::OeffnenFehler)
        daten.VerzeichnisSchreiben = VerzeichnisVon(*pfad);
    if (ergebnis != SchreibErgebnis::Ok) return false;
    daten.GesamtDatei = *pfad;
    daten.GesamtGeaendert = false;
    return true;
}

std::optional<Routendaten> GesamtLesen(HoprexDaten& daten, const std::string& pfad,
                                       Meldungen& meldungen) {
    std::string inhalt;
    if (!ProfilDateiOeffnen(pfad, inhalt, meldungen)) return std::nullopt;
    return RouteAusInhalt(daten, inhalt, pfad, meldungen);
}

bool GesamtLaden(HoprexDaten& daten, const std::optional<std::string>& pfad, Meldungen& meldungen) {
    if (!pfad) return true;
    std::optional<Routendaten> route = GesamtLesen(daten, *pfad, meldungen);
    if (!route) return false;
    RouteTauschen(daten, *route);
    return true;
}

Profile AktuellLaden(const Profile& aktuell, const std::optional<std::string>& pfad,
                     Meldungen& meldungen) {
    Profile neu = LeeresProfilWie(aktuell);
    std::string inhalt;
    if (pfad && ProfilDateiOeffnen(*pfad, inhalt, meldungen))
        ProfilAusInhalt(inhalt, *pfad, aktuell, 1, neu, meldungen);
    StatistikUngeglaettet(neu);
    return neu;
}
