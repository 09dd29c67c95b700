#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// What the track readers share: the checks of the numbers a track file holds and the words of
// their refusals.

enum class ZahlArt { Breite, Laenge, Hoehe, Strecke };

// The number `text` (blanks around it allowed) as a value of kind `art`: a latitude within
// ±90°, a longitude within ±180°, a height within ±100 km, a distance from 0 to 100,000 km.
// False, `ziel` untouched, for anything else.
bool ZahlLesen(std::string_view text, ZahlArt art, std::optional<double>& ziel);
// Whether `wert` is a sound value of kind `art`.
bool ZahlGueltig(double wert, ZahlArt art);

// The refusal of the value `text` of kind `art`.
std::string ZahlFehler(std::string_view text, ZahlArt art);
std::string ZuVielePunkte(size_t hoechstens);

// An XML name without its namespace prefix ("gpxtpx:hr" gives "hr").
std::string_view LokalerName(std::string_view name);

// `text` without the white space around it.
std::string Getrimmt(std::string_view text);
