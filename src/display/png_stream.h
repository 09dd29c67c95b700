#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <memory>

// A PNG picture written band by band: the caller draws one horizontal band of rows after the
// other, so that no more than one band of pixels is held in memory besides the compressed file.
// 8-bit RGB without alpha, 96 pixels per inch, as Qt writes an RGB32 image.
class PngStreifen {
public:
    // Starts a picture of `groesse` pixels (both sides at least 1).
    explicit PngStreifen(QSize groesse);
    ~PngStreifen();
    PngStreifen(const PngStreifen&) = delete;
    PngStreifen& operator=(const PngStreifen&) = delete;

    // Adds the rows of `band` (Format_RGB32, the picture's width) below those added before.
    // False once anything failed; the picture is then lost.
    bool Anhaengen(const QImage& band);
    // The whole file once every row was added; empty after a failure or with rows missing.
    QByteArray Abschliessen();

private:
    struct Zustand;
    std::unique_ptr<Zustand> z_;
};
