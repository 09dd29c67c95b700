#pragma once

#include "files/route_format.h"
#include "model/profile.h"

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

// The profile file (".hpx"): ten header lines with the smoothing and gradient windows (m), the
// section count, then per section its description, its point count and one line per point
// (index, Abstand in km to the metre, Hoehe in m, Stuetzpunkt). Marks and derived values are
// not stored.

// The text of the profile file for `profil`, as Windows-1252 bytes with lines ending in "\n".
// A description that is empty or holds only white space is written as "BESCHREIBUNG_LEER";
// line breaks inside a description are written as blanks so they cannot split the section.
std::string ProfilDateiInhalt(const Profile& profil);
// The same text in UTF-8 into `aus`, a few hundred kilobytes at a time (the writer of
// ProfilDateiFormat).
void ProfilDateiSchreiben(const Profile& profil, std::ostream& aus);

// The profile file as an entry of the format table: reads and writes, Windows-1252.
const Routenformat& ProfilDateiFormat();

// The longest point line, "%4d \t %3.3f \t %4d \t %1d\n" with the widest numbers a point holds:
// index 445, Abstand -FLT_MAX (44 characters), Hoehe INT32_MIN, Stuetzpunkt 0 or 1.
inline constexpr size_t MaxPunktZeile = 4 + 3 + 44 + 3 + 11 + 3 + 1 + 1;
// The largest profile file that is read: the longest text the program writes for a route
// (MaxAbschnitte full sections, each with a description of MaxBeschreibung bytes and its point
// count line, the header well within 512 bytes), so that every route saved opens again. Routes
// with the numbers of real routes take about a third of it; the bound keeps a disk image picked
// by mistake from being read into memory.
inline constexpr size_t MaxProfilDatei =
    512 + size_t{MaxAbschnitte} * (MaxBeschreibung + 1 + 6 + size_t{MaxPunkte} * MaxPunktZeile);

// Reads the profile file text `inhalt` (Windows-1252 bytes; "\n" or "\r\n" line ends) into
// `ziel`, which must hold no sections. Every section read gets Markiert = `markiert`. The header
// sets ziel's GlaettungMittelungUeber and SteigungMittelungUeber where it holds them and leaves
// them as they were otherwise. Numbers of any width are read; descriptions are cut to
// MaxBeschreibung characters and lose their leading white space; a description line that is
// exactly "BESCHREIBUNG_LEER" (trailing blanks allowed) reads as the empty description.
// Returns false when the text is no profile file, declares more than MaxAbschnitte sections
// (before any of them is read), breaks off, holds a number that does not parse or a section of
// more than MaxPunkte points; `fehlerZeile` is then the 1-based line of the fault and `ziel` is
// half-read, to be dropped by the caller.
bool ProfilDateiLesen(std::string_view inhalt, uint8_t markiert, Profile& ziel,
                      int32_t& fehlerZeile);

// Whether `anfang`, the first bytes of a file, begin as Hoprex writes a profile file: "Version"
// and a blank or tab. Files are known by this whatever their name (the desktop's MIME type for
// profile files looks at this start, too).
bool BeginntWieProfilDatei(std::string_view anfang);
