#pragma once

#include "files/file_io.h"
#include "files/file_replace.h"
#include "model/messages.h"

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

// The files of a hoprex-cli call: "-" is standard input as an input file and standard output
// as -o. A file that cannot be read or written is named in the message, with the system's
// reason, as "hoprex-cli: FILE: REASON".

// How messages name the input `pfad`: "Standardeingabe" for "-".
std::string EingabeName(const std::string& pfad);

// Reads the whole file `pfad` (or standard input for "-") into `inhalt`. False with the message
// when it cannot be opened or read, is no regular file (a FIFO or device is refused at once,
// standard input excepted) or holds more than `hoechstens` bytes.
bool EingabeLesen(const std::string& pfad, std::string& inhalt, size_t hoechstens,
                  Meldungen& meldungen);

// Writes `inhalt` to the file `pfad`, replacing it only once complete. Returns the exit status:
// 0, or 1 after the message.
int DateiAusgeben(const std::string& pfad, std::string_view inhalt, Meldungen& meldungen);

// Writes `inhalt` to the file `ausgabe`, replacing it only once complete, or without one to
// `aus` (standard output). Returns the exit status: 0, or 1 after the message.
int AusgabeSchreiben(const std::optional<std::string>& ausgabe, std::string_view inhalt,
                     std::ostream& aus, Meldungen& meldungen);
// The same for bytes made while they are written.
int AusgabeSchreiben(const std::optional<std::string>& ausgabe, const Schreiber& inhalt,
                     std::ostream& aus, Meldungen& meldungen);
