#pragma once

#include <cstdint>

// The pixel geometry of the viewer's cross-section window ("Geländeschnitt") in its two
// layouts. A screenshot is a window capture, so every position is an absolute bitmap position:
// column x from the left edge, row y from the top edge. All ranges are inclusive.

struct TPixel {
    int32_t x = 0;
    int32_t y = 0;
};

// A label field: the rectangle in which the viewer prints one number.
struct TFeld {
    int32_t SpalteVon = 0, SpalteBis = 0;
    int32_t ZeileVon = 0, ZeileBis = 0;
};

// One place where the viewer's cross may stand. Its two signal pixels lie below the graph; the
// cross counts as standing there when at least one of them is black.
struct TKreuzlage {
    TPixel Signal[2];
    int32_t Spalte = 0; // column c of the vertical bar
    // Columns c+ZaehlVon .. c+ZaehlBis are counted when searching the cross row.
    int32_t ZaehlVon = 0, ZaehlBis = 0;
    // Columns c+j, j = TestVon..TestBis without j = 0, are tested for the horizontal bar.
    int32_t TestVon = 0, TestBis = 0;
};

// The test that tells a vertex line from the curve in one graph column: some pixel of the
// pre-test rows is black, and enough of the counted rows are black.
struct TStuetzpunkttest {
    int32_t VortestVon = 0, VortestBis = 0;
    int32_t ZaehlVon = 0, ZaehlBis = 0, ZaehlSchritt = 1;
    int32_t Schwelle = 0; // black pixels among the counted rows that make a vertex line
};

// The same test turned by 90 degrees, for the horizontal lines of the newer viewer.
struct THorizontaltest {
    bool Aktiv = false;
    int32_t VortestVon = 0, VortestBis = 0; // columns
    int32_t ZaehlVon = 0, ZaehlBis = 0;     // columns
    int32_t Schwelle = 0;
};

struct TLayout {
    int32_t Kennung = 0;           // result of BitmapPruefen for this layout: 1 or 4
    int32_t Breite = 0, Hoehe = 0; // bitmap size in pixels

    // Plot area of the cross-section: the curve lies inside it.
    int32_t SpalteErste = 0, SpalteLetzte = 0;
    int32_t ZeileOben = 0, ZeileUnten = 0;

    // Control pixels: at the top edge of each height label field a black row lies directly
    // above a white row.
    int32_t Kontrollspalte = 0;
    int32_t MaxZeileSchwarz = 0, MaxZeileWeiss = 0;
    int32_t MinZeileSchwarz = 0, MinZeileWeiss = 0;
    // Pixels of check boxes that must be off (not black).
    int32_t CheckboxAnzahl = 0;
    TPixel Checkbox[2];

    TFeld FeldHoeheMax, FeldHoeheMin, FeldStrecke;
    int32_t Scangrenze = 0;  // label reading treats columns from here on as empty
    bool KmErkennen = false; // the route label may carry the unit km

    TPixel Hintergrundpixel; // a pixel of the window background, for erasing

    int32_t KreuzlagenAnzahl = 0;
    TKreuzlage Kreuzlagen[2];      // treated in this order
    const char* KreuzMeldung = ""; // message when the cross stands at none of them

    TStuetzpunkttest Stuetzpunkt;
    THorizontaltest Horizontal;

    int32_t Spaltenanzahl() const { return SpalteLetzte - SpalteErste + 1; }
};

extern const TLayout Layout1; // viewer versions below 2: 545 x 319
extern const TLayout Layout2; // viewer versions 2 and later: 596 x 448

// The layout whose Kennung is `kennung` (1 or 4), or nullptr.
const TLayout* LayoutZuKennung(int32_t kennung);
