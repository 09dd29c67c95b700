#pragma once

#include "evaluation/layouts.h"
#include "evaluation/work_record.h"

#include <array>
#include <cstdint>

// A glyph of the viewer's label font is five columns wide; its pattern is the number of black
// pixels in each of the five columns, left to right.
using TGlyphmuster = std::array<int32_t, 5>;

// The digits 0..9 of the viewer's label font.
extern const std::array<TGlyphmuster, 10> Ziffernmuster;
// The letter k of the unit km.
extern const TGlyphmuster KmMuster;

// Most digits a label field contributes to its value; further digits are passed over.
inline constexpr int32_t MaxZiffern = 10;

// The number printed in one label field of a binarised bitmap: the digits recognised left to
// right, read as a decimal number (0 when none). Columns from `scangrenze` on count as empty.
// Parts of the field outside the bitmap or from column AuswertungSpalten on are ignored. Values
// beyond the 32-bit range are held at its maximum.
int32_t ZahlLesen(const TBitmap& bitmap, const TFeld& feld, int32_t scangrenze);

// Reads the maximum-height, minimum-height and route-length labels into HoeheMaxSkala,
// HoeheMinSkala and StreckeMeter (metres; a route label with the unit km is multiplied by
// 1000 in the layouts that show the unit). Cannot fail.
void BeschriftungenLesen(TAuswertung& auswertung, const TLayout& layout);
