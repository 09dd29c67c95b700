#include "display/bitmap_image.h"

#include <cstring>

TBitmap BitmapAusQImage(const QImage& bild) {
    if (bild.isNull()) return {};
    const QImage rgb = bild.convertToFormat(QImage::Format_RGB32);
    TBitmap bitmap(rgb.width(), rgb.height());
    for (int32_t y = 0; y < bitmap.Hoehe(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        Farbe* ziel = bitmap.Zeile(y);
        // RGB32 leaves the alpha byte undefined for some sources; the core expects 0xFF.
        for (int32_t x = 0; x < bitmap.Breite(); ++x)
            ziel[x] = zeile[x] | 0xFF000000u;
    }
    return bitmap;
}

QImage QImageAusBitmap(const TBitmap& bitmap) {
    if (bitmap.Leer()) return {};
    QImage bild(bitmap.Breite(), bitmap.Hoehe(), QImage::Format_RGB32);
    for (int32_t y = 0; y < bitmap.Hoehe(); ++y)
        std::memcpy(bild.scanLine(y), bitmap.Zeile(y),
                    static_cast<size_t>(bitmap.Breite()) * sizeof(Farbe));
    return bild;
}
