#pragma once

#include "model/profile.h"

#include <QSize>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

// Pixel sizes of the window's drawing surfaces.
inline constexpr int32_t GraphBreite = 409;           // both graphs and the gradient strip
inline constexpr int32_t GraphAktuellHoehe = 129;     // Image_HoehenverlaufAktuell
inline constexpr int32_t GraphGesamtHoehe = 141;      // Image_Gesamt
inline constexpr int32_t SteigungsStreifenHoehe = 60; // Image_Hoehenverlauf

// A screen with `Faktor` device pixels per window pixel (1.5 or 2 on a scaled desktop): the
// graphs are drawn in its device pixels, so that the height line shows the route's detail
// instead of doubled window pixels. Widths of lines and frames, the margins and the insertion
// mark grow with the factor, rounded to whole device pixels, so the graph keeps its look; at
// Faktor 1 every pixel is the window pixel as drawn without scaling.
struct Geraetepixel {
    double Faktor = 1.0;
    // `fensterPixel` window pixels in device pixels.
    int32_t Pixel(int32_t fensterPixel) const {
        return static_cast<int32_t>(std::lround(fensterPixel * Faktor));
    }
    // Width of every line and frame, at least one device pixel.
    int32_t Strich() const { return std::max(Pixel(1), 1); }
    // A surface of `fenster` window pixels in device pixels.
    QSize Groesse(QSize fenster) const { return {Pixel(fenster.width()), Pixel(fenster.height())}; }
};

// Mapped coordinates are saturated to +-KoordinatenGrenze pixels: far outside every surface,
// yet small enough that the line rasteriser's products stay within 64 bits.
inline constexpr int64_t KoordinatenGrenze = int64_t{1} << 24;

// The height range a graph spans, in metres: Oben lands on row 5, Unten on row height - 5 (the
// margin grows with the device pixels of a scaled screen).
struct Hoehenskala {
    int32_t Oben = 0;
    int32_t Unten = 0;
};

// The scale of one graph: the fixed scale of the window when skalFixEin is set, otherwise the
// profile's own unsmoothed HoeheMax and HoeheMin (also when the smoothed line is drawn).
Hoehenskala HoehenskalaFuer(const Profile& profil, bool skalFixEin, int32_t skalFixMax,
                            int32_t skalFixMin);

// The fixed scale's top (m) kept above its bottom: std::nullopt while skalFixMax > skalFixMin,
// else the corrected top skalFixMin + 1. A bottom at INT32_MAX leaves no room above it: the top
// is then the bottom itself (a flat scale, which HoeheZuY handles) rather than wrapping round.
std::optional<int32_t> SkalFixMaxKorrektur(int32_t skalFixMax, int32_t skalFixMin);

// Pixel row of height `hoehe` (m) on a graph `bildHoehe` rows high with a margin of `rand` rows
// above and below: (hoehe - Unten) times (bildHoehe - 2 rand) as a 32-bit product, divided by
// the scale's span in floating point, truncated toward zero, counted up from row
// bildHoehe - rand. Heights outside the scale fall outside the band and are clipped by the
// surface. A scale whose top is not above its bottom puts every height on the middle row,
// bildHoehe / 2.
int32_t HoeheZuY(int32_t hoehe, const Hoehenskala& skala, int32_t bildHoehe, int32_t rand = 5);

// Pixel column of position `position` (km) on a graph `bildBreite` columns wide showing a
// profile of `strecke` km: position times bildBreite divided by strecke, truncated toward zero.
// A profile length of 0 puts every position on column 0.
int32_t StreckeZuX(float position, float strecke, int32_t bildBreite);

// Index of the section under pixel column x of a graph `bildBreite` columns wide, or -1 when no
// section lies there (left of column 0, or beyond the end of the last section, which can happen
// at the right edge because the float32 running position falls just short of the length).
// A column on a boundary belongs to the section on its left. The current graph and the overall
// graph with its gradient strip have the same width, so a column means the same position.
int32_t AbschnittBeiSpalte(const Profile& profil, int32_t x, int32_t bildBreite = GraphBreite);

// Length in pixel rows of the gradient bar of `steigung` percent on a strip `streifenHoehe`
// rows high whose full height stands for `steigungMax` percent: truncated toward zero, negative
// for a descent. 0 when steigungMax is 0 or less (the strip then shows no bars).
int32_t SteigungsBalken(float steigung, int32_t steigungMax, int32_t streifenHoehe);

// Rows of the strip grid between its bottom and its top, one per 10 % step below steigungMax
// (row streifenHoehe - k * streifenHoehe / steigungMax, integer arithmetic truncated toward
// zero), each row once, from the bottom up; none when steigungMax is 0 or less. The line at row
// streifenHoehe, just below the strip, which is drawn with them, is not listed unless a step
// lands on it (steigungMax above 10 * streifenHoehe). With 30 % on 60 rows: 40 and 20.
std::vector<int32_t> GitterZeilen(int32_t steigungMax, int32_t streifenHoehe);
