#pragma once

#include "evaluation/bitmap.h"
#include "model/messages.h"

#include <cstdint>

// Acceptance of a clipboard bitmap: the size must be one of the two viewer layouts; the bitmap
// is then binarised in place (see Binarisieren) and its control pixels (and, in layout 2, its
// check-box pixels) are checked. Returns 1 (layout 1), 4 (layout 2) or -1 after showing the
// reason through `meldungen`. A bitmap of the wrong size is left unaltered.
int32_t BitmapPruefen(TBitmap& bitmap, Meldungen& meldungen);

// Replaces every pixel by Schwarz when red, green and blue are each below 100, else by Weiss.
void Binarisieren(TBitmap& bitmap);
