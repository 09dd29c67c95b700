#pragma once

#include "evaluation/bitmap.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The per-column arrays cover bitmap columns 0..526: the last graph column of the larger
// layout is 526. Only the entries of the layout's graph columns carry meaning.
inline constexpr int32_t AuswertungSpalten = 527;

// A list of bitmap columns in ascending order, at most AuswertungSpalten of them.
struct TSpaltenliste {
    std::array<int32_t, AuswertungSpalten> Spalten{};
    int32_t Anzahl = 0; // 0 is the empty list

    void Leeren() { Anzahl = 0; }
    // Appends a column; a full list stays as it is (a graph has fewer columns than the
    // capacity, so this never happens for a screenshot).
    void Anhaengen(int32_t spalte) {
        if (Anzahl < AuswertungSpalten) Spalten[static_cast<std::size_t>(Anzahl++)] = spalte;
    }
    const int32_t* begin() const { return Spalten.data(); }
    const int32_t* end() const { return Spalten.data() + Anzahl; }
};

// The work data of the screenshot evaluation. The window holds one instance and every
// evaluation reuses it; the arrays keep their values until the next evaluation.
struct TAuswertung {
    Farbe Hintergrundfarbe = Weiss; // erases markings; taken from the window's background
    TBitmap Bitmap; // the last clipboard bitmap, binarised and edited by the steps; may be empty
    int32_t SpaltenAnzahl = 0;                       // graph columns evaluated: 447 or 411
    int32_t StreckeMeter = 0;                        // m, route length read from the distance label
    int32_t HoeheMaxSkala = 0;                       // m, maximum-height label
    int32_t HoeheMinSkala = 0;                       // m, minimum-height label
    std::array<int32_t, AuswertungSpalten> KurveY{}; // bitmap row of the curve per column
    int32_t KurveYOben = 0;  // smallest curve row: the highest point on screen
    int32_t KurveYUnten = 0; // largest curve row: the lowest point on screen
    std::array<int32_t, AuswertungSpalten> SpaltenHoehe{};       // m per column
    std::array<int32_t, AuswertungSpalten> SpaltenStrecke{};     // m from the first graph column
    std::array<uint8_t, AuswertungSpalten> SpaltenStuetzpunkt{}; // 1 at a vertex column
    TSpaltenliste Stuetzpunktspalten; // columns where a vertex line was found
    TSpaltenliste Lueckenspalten;     // columns the curve tracing fills in
};
