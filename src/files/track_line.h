#pragma once

#include "files/route_format.h"
#include "model/c_format.h"
#include "model/profile.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

// What the track formats share: the route laid along a geodesic, the times of a set pace, and
// the escaping of XML text.

// A profile point as the track formats write it.
struct Trackpunkt {
    double Breite = 0.0;   // degrees north on WGS84
    double Laenge = 0.0;   // degrees east, -180 .. 180
    double Meter = 0.0;    // route position, m
    double Sekunden = 0.0; // time since the start at the set Tempo, s
    int32_t Hoehe = 0;     // m; the smoothed height when the text export smooths
    int32_t Abschnitt = 0;
    int32_t Punkt = 0;             // index in its section
    bool Abschnittsanfang = false; // the first point of its section
};

// Calls `punkt` for every point of `route` in route order (with `nur`, for the points k of
// sections `a` for which nur(a, k) holds), each at the geodesic distance from the start point
// (optionen.Strecke) that equals its route position, along the start bearing, so that a
// reader's own distances between the points give the profile's steps back. The positions are
// summed from the steps in double: the points' float32 positions drift by several kilometres
// over a route of a thousand sections. A step that is no finite number counts as 0.
using Punktauswahl = std::function<bool(const ProfileSection& a, int32_t k)>;
void SpurAbgehen(const Profile& route, const Formatoptionen& optionen,
                 const std::function<void(const Trackpunkt&)>& punkt, const Punktauswahl& nur = {});

// The first and the last point of the route as SpurAbgehen gives them; none without points.
std::optional<std::pair<Trackpunkt, Trackpunkt>> Spurenden(const Profile& route,
                                                           const Formatoptionen& optionen);

// The height a track writes for `p`: HoeheGeglaettet when the text export smooths, else Hoehe.
int32_t Spurhoehe(const ProfilePoint& p, const TExportOptions& text);

// The moment the exported ride starts, in seconds since 1970 (UTC): course files need times,
// but only their differences (the pace) matter to a device, so every file of the same route is
// the same: 2024-01-01 08:00:00.
inline constexpr int64_t Startzeit = 1704096000;

// "2024-01-01T08:00:00.000Z": the time `sekunden` after Startzeit, to the millisecond.
void Zeitpunkt(CText& text, double sekunden);

// Hands what `c` gathered into `text` on to `aus` once it holds a few hundred kilobytes, and
// with `alles` whatever it holds.
void Weitergeben(CText& c, std::string& text, std::ostream& aus, bool alles);

// `wert` rounded to `stellen` decimals (at most 9), "." as decimal point: coordinates and
// distances of the tracks, a million numbers per route, for which the exact decimal rounding of
// printf buys nothing. A value beyond +-9e9 or no number is written as 0.
void Dezimal(CText& text, double wert, int stellen);

// `wert` as XML character data or attribute value: "&", "<", ">", '"' and "'" as entities;
// control characters, which XML 1.0 cannot hold, are left out (tab and line ends stay).
void XmlText(CText& text, std::string_view wert);
