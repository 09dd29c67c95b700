#include "display/bitmap_image.h"

#include <QImage>
#include <gtest/gtest.h>

TEST(BitmapAusQImage, ANullImageCannotBeTakenOver) {
    EXPECT_TRUE(BitmapAusQImage(QImage()).Leer());
    EXPECT_TRUE(QImageAusBitmap(TBitmap()).isNull());
}

TEST(BitmapAusQImage, AnyFormatArrivesAsOpaqueRgbPixels) {
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32,
                                  QImage::Format_RGB888, QImage::Format_RGB16}) {
        QImage bild(5, 3, format);
        bild.fill(QColor(212, 208, 200));
        bild.setPixelColor(4, 2, QColor(0, 0, 0));
        bild.setPixelColor(1, 0, QColor(255, 0, 0));
        const TBitmap b = BitmapAusQImage(bild);
        ASSERT_EQ(b.Breite(), 5) << format;
        ASSERT_EQ(b.Hoehe(), 3);
        EXPECT_EQ(b.Pixel(4, 2), Schwarz) << format;
        EXPECT_EQ(b.Pixel(1, 0), Rgb(255, 0, 0)) << format;
        // 16-bit pixels cannot hold the window grey exactly.
        if (format != QImage::Format_RGB16) {
            EXPECT_EQ(b.Pixel(0, 1), Rgb(212, 208, 200));
        }
    }
}

TEST(QImageAusBitmap, RoundTripKeepsEveryPixel) {
    TBitmap b(7, 4, Weiss);
    b.PixelSetzen(6, 3, Rgb(1, 2, 3));
    b.PixelSetzen(0, 0, Schwarz);
    const QImage bild = QImageAusBitmap(b);
    EXPECT_EQ(bild.format(), QImage::Format_RGB32);
    EXPECT_EQ(bild.pixel(6, 3), qRgb(1, 2, 3));
    EXPECT_EQ(BitmapAusQImage(bild), b);
}
