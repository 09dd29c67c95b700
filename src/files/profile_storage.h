#pragma once

#include "model/hoprex_data.h"
#include "model/messages.h"

#include <optional>
#include <string>
#include <string_view>

// Saving and the two loads of the profile file, as the window runs them. `pfad` is the path the
// file dialog returned, or none when the user cancelled it.

// The name the save dialog proposes for a route read from `pfad`: its file name without a
// trailing ".hpx".
std::string ProfilDateiname(std::string_view pfad);

// The route's name as the route view and its pictures show it: the name of the route's file
// (GesamtDatei, the one last saved or loaded) without a trailing ".hpx"; empty while the route
// has no file.
std::string RoutenName(const HoprexDaten& daten);

// Before the save and export dialogs: false, after showing "Keine Daten zum Speichern
// vorhanden" (caption "Fehler"), when the overall profile has no sections; the caller then
// shows no dialog.
bool DatenVorhanden(const Profile& gesamt, Meldungen& meldungen);

// "Speichern": writes the overall profile to `pfad` (replacing the file only once it was fully
// written) and sets VerzeichnisSchreiben to its folder once the file could be created. Returns
// true when the file was written: it is then the route's file (GesamtDatei) and the route is
// saved (GesamtGeaendert false). Nothing is redrawn in any case.
bool GesamtSpeichern(HoprexDaten& daten, const std::optional<std::string>& pfad,
                     Meldungen& meldungen);

// "Öffnen" in the lower half, up to the new route: reads `pfad` (in LeseformatFuer(pfad), the
// profile file unless another reading format has its extension) into a route of its own (all
// sections unmarked, the file's smoothing and gradient windows in GlaettungMittelungUeber and
// SteigungMittelungUeber, Einfuegemarke 0, Dateiname the file's name without a trailing ".hpx",
// GesamtDatei the path, not changed) and sets VerzeichnisLaden to its folder. None when the file
// cannot be opened ("Fehler beim Öffnen der Datei", also for anything but a regular file and for
// a file larger than MaxProfilDatei) or is not a sound profile file ("Fehler beim Lesen der
// Datei\nZeile %d"); `daten` is then as it was.
std::optional<Routendaten> GesamtLesen(HoprexDaten& daten, const std::string& pfad,
                                       Meldungen& meldungen);

// "Öffnen" in the lower half in one: GesamtLesen, then the route read replaces the overall
// profile. Returns true on success and on a cancelled dialog (`pfad` none): the caller then
// shows the two window lengths in its smoothing and gradient controls and runs the refresh
// chain. Returns false after a message; everything is then as it was and the caller does
// nothing more.
bool GesamtLaden(HoprexDaten& daten, const std::optional<std::string>& pfad, Meldungen& meldungen);

// GesamtLaden of the bytes `inhalt` that the caller read from the file `pfad` (hoprex-cli; ""
// for standard input, which names no folder or file): false with "Fehler beim Lesen der
// Datei\nZeile %d" for an unsound file, everything then as it was.
bool GesamtAusInhalt(HoprexDaten& daten, const std::string& inhalt, const std::string& pfad,
                     Meldungen& meldungen);

// "Öffnen" in the upper half: the new current profile, read from `pfad` with every section
// marked and StatistikUngeglaettet run; empty on a cancelled dialog or a failure (with the same
// messages as GesamtLesen). Settings and Anker are those of `aktuell`; the file's window values
// are not used. The caller makes it the current profile, sets Einfuegemarke to 0 and refreshes
// the current display (value fields, list, graph).
Profile AktuellLaden(const Profile& aktuell, const std::optional<std::string>& pfad,
                     Meldungen& meldungen);
