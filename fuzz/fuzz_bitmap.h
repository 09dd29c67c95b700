#pragma once

#include "evaluation/bitmap.h"
#include "evaluation/layouts.h"

#include <cstddef>
#include <cstdint>

// A clipboard bitmap of one of the viewer's two window sizes, painted from fuzz bytes so that
// the evaluation gets past its acceptance and reaches the label reading, the cross and vertex
// removal and the curve tracing.
//
// Byte 0 chooses:
//   bit 0     the layout: 0 is 545 x 319, 1 is 596 x 448
//   bit 1     the painting: 0 draws strokes, 1 tiles the remaining bytes' bits over the bitmap
//   bits 2-3  the cross: 0 leaves its signal pixels as painted; otherwise bit 2 and bit 3 make
//             the first and the second signal pixel black (in the older viewer, bit 2 the home
//             position and bit 3 the far-left one), so that the steps after the cross run
//   bit 4     paint with the darkest grey and the lightest colour that still binarise to black
//             and white, rather than pure black and white
// Strokes take six bytes each: kind, parameter p, column (two bytes), row (two bytes), both
// taken modulo the bitmap size. Kinds (low three bits): 0 a black pixel; 1 a black row of
// p + 1 pixels; 2 a black column of p + 1 pixels (a vertex line); 3 a white column of p + 1
// pixels; 4 a line of 16 * (p / 16 + 1) columns falling (p % 16 - 8) / 4 rows per column (a
// curve); 5 the digit p % 10 (or the letter k for p % 11 == 10) of the viewer's label font;
// 6 a black rectangle of (p % 16 + 1) x (p / 16 + 1); 7 a run of p % 12 + 1 digits, glyph i
// being (column + i) % 10, six columns apart.
// Afterwards the control pixels are set as the layout wants them and, in the newer layout,
// the check-box pixels white.
struct TFuzzBitmap {
    TBitmap Bitmap;
    const TLayout* Layout = nullptr;
};

// `puffer`: a bitmap of an earlier run whose pixel memory is painted over when it has the size
// of the chosen layout, which spares the allocation of a megabyte per input.
TFuzzBitmap FuzzBitmap(const uint8_t* daten, std::size_t groesse, TBitmap puffer = {});
