#pragma once

#include "files/file_replace.h"
#include "model/messages.h"

#include <cstddef>
#include <string>
#include <string_view>

// DateiErsetzen for a file the user chose: shows "Fehler beim Öffnen der Datei" or
// "Fehler beim Schreiben der Datei" (caption "Fehler") on failure.
SchreibErgebnis DateiSchreiben(const std::string& pfad, std::string_view inhalt,
                               Meldungen& meldungen);
SchreibErgebnis DateiSchreiben(const std::string& pfad, const Schreiber& inhalt,
                               Meldungen& meldungen);

// The largest image file that is read: the viewer's window as an uncompressed bitmap takes less
// than 1 MB.
inline constexpr size_t MaxBildDatei = size_t{64} << 20;

// Reads the whole regular file at `pfad` into `inhalt` (bytes as on disk). False when it cannot
// be opened or read, is larger than `hoechstens` bytes, or is no regular file: a FIFO, a device
// or a folder is refused at once, without waiting for a writer or reading without end.
bool DateiLesen(const std::string& pfad, std::string& inhalt, size_t hoechstens);

// Whether two paths name the same file (after links, whatever their spelling); false when
// either does not exist.
bool DieselbeDatei(const std::string& a, const std::string& b);

// The folder of a chosen file: the path before its last "/", without it ("" for a bare name).
std::string VerzeichnisVon(std::string_view pfad);

// The file name of a chosen file: the path after its last "/".
std::string DateinameVon(std::string_view pfad);
