#pragma once

#include <QString>
#include <optional>
#include <string>

class QMimeData;

// Files that reach the window from outside: named on the command line (the desktop opens a
// profile file with "hoprex FILE"), dropped on the window, or copied in a file manager and
// offered on the clipboard.

enum class DateiZiel {
    Keines,       // neither a profile file nor an image
    Gesamtprofil, // a profile file: loaded into the overall profile as "Öffnen" does
    Auswertung,   // an image: evaluated as a screenshot
    Spur,         // a GPX, TCX or FIT track: read as the new current profile
};

// What the window does with the local file at `pfad`. An image that Qt reads (known by its
// content, or by its name when it cannot be read) is evaluated; a profile file (".hpx" in any
// case, or a file that begins as Hoprex writes one) is loaded; a track (".gpx", ".tcx", ".fit",
// or a file that begins as one) is read into the upper half. Only regular files are looked
// into, so that a FIFO cannot hold up the window. `pfad` holds the name's bytes as the file
// system has them, valid UTF-8 or not.
DateiZiel ZielFuerDatei(const std::string& pfad);
DateiZiel ZielFuerDatei(const QString& pfad);

// The one local file that `daten` offers: a file manager's drag or copy (text/uri-list, or the
// list of x-special/gnome-copied-files), by its name's bytes. None when it offers no file, more
// than one, or a file that is not local.
std::optional<std::string> EinzelneDatei(const QMimeData* daten);

// Whether the clipboard offers a screenshot to "Aus Ablage": a bitmap, or one image or track
// file.
bool AblageBietetBild();
