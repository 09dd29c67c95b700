#pragma once

#include "model/messages.h"

#include <string>
#include <string_view>

enum class SchreibErgebnis {
    Ok,
    OeffnenFehler, // the file could not be created in the target folder
    SchreibFehler, // writing, flushing or renaming failed
};

// Replaces the file at `pfad` by `inhalt` (bytes as they go to disk) without ever leaving a
// half-written file: the bytes go to a temporary file in the same folder, which is flushed to
// disk and renamed over the target only when all was written. On failure the old file (if any)
// is left as it was and the temporary file removed. An existing target keeps its permissions.
SchreibErgebnis DateiErsetzen(const std::string& pfad, std::string_view inhalt);

// DateiErsetzen for a file the user chose: shows "Fehler beim Öffnen der Datei" or
// "Fehler beim Schreiben der Datei" (caption "Fehler") on failure.
SchreibErgebnis DateiSchreiben(const std::string& pfad, std::string_view inhalt,
                               Meldungen& meldungen);

// Reads the whole file into `inhalt` (bytes as on disk). False when it cannot be opened or read.
bool DateiLesen(const std::string& pfad, std::string& inhalt);

// The folder of a chosen file: the path before its last "/", without it ("" for a bare name).
std::string VerzeichnisVon(std::string_view pfad);

// The file name of a chosen file: the path after its last "/".
std::string DateinameVon(std::string_view pfad);
