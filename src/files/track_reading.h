#pragma once

#include "model/hoprex_data.h"
#include "model/messages.h"
#include "model/profile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Tracks recorded or planned elsewhere (GPX tracks and routes, TCX courses and activities, FIT
// activity and course files), read as a new current profile: each track is resampled along its
// length and cut into marked sections, as a screenshot gives one.

// One point of a track as the file holds it; what the file leaves out is empty.
struct Spurpunkt {
    std::optional<double> Breite, Laenge; // degrees, WGS84
    std::optional<double> Hoehe;          // m above sea level
    std::optional<double> Strecke;        // m from the track's start, as the file counts it
};

struct Spur {
    std::string Name; // the file's name for it; may be empty
    std::vector<Spurpunkt> Punkte;
};

// The largest track file read, and the most points all its tracks may hold together: a day's
// ride at one point a second has under 100,000; the bounds keep a foreign file from making the
// program hold gigabytes.
inline constexpr size_t MaxSpurDatei = size_t{128} << 20;
inline constexpr size_t MaxSpurpunkte = 1'000'000;

// Whether the bytes `anfang` (the first kilobyte or so of a file) begin a track file: the FIT
// header's ".FIT", or XML whose first element is <gpx> or <TrainingCenterDatabase>.
bool BeginntWieSpurDatei(std::string_view anfang);

// Whether `pfad` names a track file by its extension (.gpx, .tcx, .fit in any case).
bool SpurEndung(std::string_view pfad);

// The file dialog's entry for the track files.
std::string SpurFilter();

// Reads the tracks of a GPX or TCX file (`inhalt`, UTF-8 or what its declaration says) in file
// order. False with the reason in German in `fehler` when it is not well-formed XML, not GPX or
// TCX, holds an unreadable coordinate, height or distance, or more than `hoechstens` points.
bool XmlSpurenLesen(std::string_view inhalt, std::vector<Spur>& spuren, std::string& fehler,
                    size_t hoechstens = MaxSpurpunkte);

// Reads the record messages of a FIT file as one track (a course file's name is its name). False
// with the reason when the header or a CRC is wrong, the file ends inside a message, or it holds
// more than `hoechstens` records.
bool FitSpurLesen(std::string_view inhalt, std::vector<Spur>& spuren, std::string& fehler,
                  size_t hoechstens = MaxSpurpunkte);

// Reads a track file of any of the three kinds, known by its content.
bool SpurenLesen(std::string_view inhalt, std::vector<Spur>& spuren, std::string& fehler,
                 size_t hoechstens = MaxSpurpunkte);

// The tracks as sections of `ziel` (which keeps the settings of the profile it replaces): each
// track resampled every `abstand` m along its length (the file's own distances where every point
// has them, else geodesic distances on the WGS84 ellipsoid), at whole metres, heights linear
// between the track's points and rounded to whole metres, the track's end as the last point.
// Cut into marked sections of at most MaxPunkte points, described "NAME TEIL" (`ersatzname`
// for a track without a name). The first point of a track lies at its start (Abstand 0).
// Followed by StatistikUngeglaettet. False with the reason when a track has fewer than two
// points with a place, no height, or no length, or the whole would exceed MaxAbschnitte; tracks
// without any point are left out.
bool SpurenAlsProfil(const std::vector<Spur>& spuren, int32_t abstand, std::string_view ersatzname,
                     Profile& ziel, std::string& fehler);

// The new current profile from the track file at `pfad`, built on the settings of `vorbild`;
// none after the message (caption "Fehler", naming the file and the reason) when the file cannot
// be read or is refused.
std::optional<Profile> SpurDateiLaden(const Profile& vorbild, const std::string& pfad,
                                      int32_t abstand, Meldungen& meldungen);

// The same for the bytes `inhalt` of the file `name` that the caller read.
std::optional<Profile> SpurAusInhalt(const Profile& vorbild, std::string_view inhalt,
                                     const std::string& name, int32_t abstand,
                                     Meldungen& meldungen);
