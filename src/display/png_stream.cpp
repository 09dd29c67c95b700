#include "display/png_stream.h"

#include <QSysInfo>
#include <csetjmp>
#include <png.h>

struct PngStreifen::Zustand {
    png_structp png = nullptr;
    png_infop info = nullptr;
    QByteArray datei;
    int breite = 0;
    int hoehe = 0;
    int zeilen = 0; // rows written so far
    bool gut = false;
};

namespace {

void Schreiben(png_structp png, png_bytep daten, png_size_t laenge) {
    static_cast<QByteArray*>(png_get_io_ptr(png))
        ->append(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(laenge));
}

void Leeren(png_structp) {}

// libpng reports its errors by a long jump back to the setjmp of the call that failed; the
// functions below hold nothing with a destructor, so nothing is skipped by the jump.

bool KopfSchreiben(png_structp png, png_infop info, int breite, int hoehe) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(breite), static_cast<png_uint_32>(hoehe), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    // Charts are mostly runs of equal pixels above each other: the row above predicts a row
    // well, and trying each filter on every row would take most of the time of a large picture.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    // 96 pixels per inch.
    png_set_pHYs(png, info, 3780, 3780, PNG_RESOLUTION_METER);
    png_write_info(png, info);
    // An RGB32 pixel is one 32-bit word 0xffRRGGBB: in memory, on a little-endian machine, blue
    // first and the unused byte last; on a big-endian one the unused byte first.
    if (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        png_set_bgr(png);
        png_set_filler(png, 0, PNG_FILLER_AFTER);
    } else {
        png_set_filler(png, 0, PNG_FILLER_BEFORE);
    }
    return true;
}

bool ZeileSchreiben(png_structp png, const uchar* zeile) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_write_row(png, zeile);
    return true;
}

bool EndeSchreiben(png_structp png, png_infop info) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_write_end(png, info);
    return true;
}

} // namespace

PngStreifen::PngStreifen(QSize groesse) : z_(std::make_unique<Zustand>()) {
    z_->breite = groesse.width();
    z_->hoehe = groesse.height();
    z_->png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (z_->png != nullptr) z_->info = png_create_info_struct(z_->png);
    if (z_->info == nullptr || z_->breite < 1 || z_->hoehe < 1) return;
    png_set_write_fn(z_->png, &z_->datei, Schreiben, Leeren);
    z_->gut = KopfSchreiben(z_->png, z_->info, z_->breite, z_->hoehe);
}

PngStreifen::~PngStreifen() {
    png_destroy_write_struct(&z_->png, &z_->info);
}

bool PngStreifen::Anhaengen(const QImage& band) {
    if (band.format() != QImage::Format_RGB32 || band.width() != z_->breite ||
        z_->zeilen + band.height() > z_->hoehe)
        z_->gut = false;
    for (int y = 0; z_->gut && y < band.height(); ++y, ++z_->zeilen)
        z_->gut = ZeileSchreiben(z_->png, band.constScanLine(y));
    return z_->gut;
}

QByteArray PngStreifen::Abschliessen() {
    if (!z_->gut || z_->zeilen != z_->hoehe || !EndeSchreiben(z_->png, z_->info)) return {};
    z_->gut = false;
    return std::move(z_->datei);
}
