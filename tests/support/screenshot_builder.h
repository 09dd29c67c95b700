#pragma once

#include "evaluation/bitmap.h"

#include <cstdint>
#include <string>
#include <vector>

// Paints window captures of the viewer's cross-section window ("Geländeschnitt") as the two
// viewer generations lay it out, for tests that run the evaluation end to end. The builder
// keeps its own copy of the viewer's geometry, so a wrong position in the program's tables
// shows up as a failed test rather than as two matching mistakes.

enum class Kreuzposition {
    Ausgangslage, // older viewer: middle of the graph
    GanzLinks,    // older viewer: first graph column
    GanzRechts,   // newer viewer: last graph column
};

inline constexpr int32_t KeinPixel = -1;

struct TScreenshot {
    int32_t Layout = 2; // 1: viewer versions below 2 (545 x 319); 2: from version 2 (596 x 448)

    // Label texts as the viewer prints them; digits, 'k', 'm' and blanks are painted.
    std::string HoeheMax = "1200";
    std::string HoeheMin = "800";
    std::string Strecke = "4100 m";

    // Centre row of the curve per graph column, from the first graph column on; KeinPixel
    // leaves the column empty, missing entries too. Dicke rows are painted around the centre
    // (rows centre - (Dicke-1)/2 .. centre + Dicke/2), so thinning finds the centre again.
    std::vector<int32_t> Kurve;
    int32_t Dicke = 1;
    // Paint the rows just above and below the curve in a grey that binarises to white, as the
    // viewer's anti-aliasing does.
    bool Kantenglaettung = false;

    std::vector<int32_t> Stuetzpunkte;     // bitmap columns of vertex lines through the graph
    std::vector<int32_t> Horizontallinien; // bitmap rows of lines across the graph
    // Where the cross stands; its centre is the curve's centre row in the cross column.
    std::vector<Kreuzposition> Kreuze;

    // Newer viewer: "Stützpunkte darstellen" and "Diskrete Werte anzeigen".
    bool CheckboxStuetzpunkte = false;
    bool CheckboxDiskret = false;
    bool Kontrollpixel = true; // the black rows above the height label fields

    Farbe Fensterfarbe = Rgb(212, 208, 200); // window background, binarises to white
    Farbe Grafikfarbe = Rgb(255, 255, 225);  // plot background, binarises to white
    Farbe Kurvenfarbe = Rgb(0, 0, 99);       // binarises to black
    Farbe Kantenfarbe = Rgb(100, 100, 100);  // lightest grey that still binarises to white
};

// The graph of a layout as the viewer draws it (bitmap pixels, inclusive).
struct TGrafikbereich {
    int32_t SpalteErste, SpalteLetzte, ZeileOben, ZeileUnten;
};
TGrafikbereich Grafikbereich(int32_t layout);

// A screenshot of `layout` (1 or 2) with these label texts, everything else as TScreenshot has it.
TScreenshot ScreenshotMit(int32_t layout, std::string hoeheMax, std::string hoeheMin,
                          std::string strecke);

// The painted screenshot.
TBitmap ScreenshotBauen(const TScreenshot& s);

// Paints `text` in the viewer's label font in black, its top left glyph pixel at (x, y).
void TextMalen(TBitmap& bitmap, const std::string& text, int32_t x, int32_t y);

// A curve for TScreenshot::Kurve: from `start` (row of the first graph column), each entry of
// `steigungen` is a stretch of {columns, rows per column}; the last row continues to the end
// of the graph. Rows grow downwards, so a positive slope falls on screen.
std::vector<int32_t> KurveAusStrecken(int32_t layout, int32_t start,
                                      const std::vector<std::pair<int32_t, int32_t>>& steigungen);
