#pragma once

#include "model/hoprex_data.h"
#include "model/messages.h"

#include <optional>
#include <string>

// Saving and the two loads of the profile file, as the window runs them. `pfad` is the path the
// file dialog returned, or none when the user cancelled it.

// Before the save and export dialogs: false, after showing "Keine Daten zum Speichern
// vorhanden" (caption "Fehler"), when the overall profile has no sections; the caller then
// shows no dialog.
bool DatenVorhanden(const Profile& gesamt, Meldungen& meldungen);

// "Speichern": writes the overall profile to `pfad` (replacing the file only once it was fully
// written) and sets VerzeichnisSchreiben to its folder once the file could be created. Returns
// true when the file was written. Nothing is redrawn in any case.
bool GesamtSpeichern(HoprexDaten& daten, const std::optional<std::string>& pfad,
                     Meldungen& meldungen);

// "Öffnen" in the lower half: reads `pfad` into a new profile and, only when that succeeded,
// makes it the overall profile (all sections unmarked, Einfuegemarke 0, the file's smoothing and
// gradient windows in GlaettungMittelungUeber and SteigungMittelungUeber), with VerzeichnisLaden
// its folder and Dateiname its name without a trailing ".hpx".
// Returns true on success and on a cancelled dialog: the caller then shows the two window
// lengths in its smoothing and gradient controls and runs the refresh chain. Returns false when
// the file cannot be opened ("Fehler beim Öffnen der Datei", also for anything but a regular
// file and for a file larger than MaxProfilDatei) or is not a sound profile file ("Fehler beim
// Lesen der Datei\nZeile %d"); everything is then as it was and the caller does nothing more.
bool GesamtLaden(HoprexDaten& daten, const std::optional<std::string>& pfad, Meldungen& meldungen);

// GesamtLaden of the bytes `inhalt` that the caller read from the file `pfad` (hoprex-cli; ""
// for standard input, which names no folder or file): false with "Fehler beim Lesen der
// Datei\nZeile %d" for an unsound file, everything then as it was.
bool GesamtAusInhalt(HoprexDaten& daten, const std::string& inhalt, const std::string& pfad,
                     Meldungen& meldungen);

// "Öffnen" in the upper half: empties the current profile and sets Einfuegemarke to 0 (also on a
// cancelled dialog or a failure, with the same messages as GesamtLaden), then reads `pfad` into
// it with every section marked. The file's window values, VerzeichnisLaden and Dateiname are
// not used. Ends with StatistikUngeglaettet of the current profile; the caller
// always refreshes the current display (value fields, list, graph).
void AktuellLaden(HoprexDaten& daten, const std::optional<std::string>& pfad, Meldungen& meldungen);
