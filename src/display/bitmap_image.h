#pragma once

#include "evaluation/bitmap.h"

#include <QImage>

// Takes a clipboard image over into the core's bitmap, whatever its format (converted to
// RGB32, so transparency is dropped). A null image is one that cannot be taken over: the
// result is then the empty bitmap.
TBitmap BitmapAusQImage(const QImage& bild);

// The core's bitmap as an RGB32 image of the same size (a null image for the empty bitmap).
QImage QImageAusBitmap(const TBitmap& bitmap);
