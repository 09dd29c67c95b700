#pragma once

#include "model/hoprex_data.h"
#include "model/messages.h"

#include <string>

// The settings file: an INI file (Windows-1252) with the sections Verzeichnisse, Glaettung,
// Steigung, Skalierung, ExportOptionen, Spuren (the step of a track read in), Strecke (the
// exported tracks' start point, pace and slope segments) and Routenprofil (the route view's
// window and options).
// Section and key names match in any letter case; sections, keys and comments of others are kept
// when the file is written. A NUL byte, which no text file should hold, is dropped; the lines
// after it are read and kept.

// Where the settings live for the program at `programmPfad`. A program in a folder of its own
// (a build or portable folder) keeps them beside itself, under the same path with ".INI" in
// place of the extension ("hoprex" gives "hoprex.INI"), while it can write that file (or, when
// there is none, create it in its folder). An installed program (below /usr or /opt, or in the
// bin folder of a prefix that `cmake --install` filled, known by the desktop entry in its
// share folder), whoever runs it, and one that cannot write beside itself use
// $XDG_CONFIG_HOME/hoprex/hoprex.INI (by default ~/.config/hoprex/...), which, when it does not
// exist yet, is first seeded with a copy of the file beside the program, if there is one.
std::string EinstellungenPfad(const std::string& programmPfad);

// The window's data as a missing settings file leaves it: every setting at its default, both
// profiles empty. The command-line tool starts from it.
HoprexDaten Voreinstellungen();

// Reads the settings from the file at `pfad` into `daten` (the folders, the smoothing and
// gradient fields of the overall profile, the fixed scale, ExportOptions, the route view's). A
// missing file (or one that is no regular file or larger than 16 MB), section or key, or a value
// that is no number, gives the key's default (see Voreinstellungen); integers may be decimal or
// "0x"/"$" hexadecimal, a flag is true for any value but 0. A folder longer than 999 characters
// is taken as empty, a MeterProPunkt below 1 as 1, a track step outside SpurAbstandMin ..
// SpurAbstandMax as the nearest bound, a picture side outside BildSeiteMin .. BildSeiteMax as
// the nearest bound, a negative size of the route view's window as 0, a start latitude or
// longitude as the nearest of +-90 or +-180 degrees, a bearing within 0 .. 360, a Tempo outside
// 0.1 .. 1000 km/h as the default and SegmentMeter within 1 .. 1,000,000. Numbers of the
// Strecke section take "." as decimal point. No other bounds are applied.
void EinstellungenLesen(HoprexDaten& daten, const std::string& pfad);

// Writes every setting into the file at `pfad`, creating it (and its folder) when
// needed: each key replaces its old value in place or is added at the end of its section, a
// missing section is added at the end of the file. The old file is replaced only once the new
// one was written in full (DateiErsetzen: links, owner and mode are kept). A file that is there
// but cannot be read whole is not written over. On failure shows "nach <pfad> kann nicht
// geschrieben werden" (caption "Fehler") and returns false; the old file stays as it was.
bool EinstellungenSchreiben(const HoprexDaten& daten, const std::string& pfad,
                            Meldungen& meldungen);
