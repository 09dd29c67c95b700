#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <vector>

// A 32-bit colour laid out as 0xAARRGGBB, the layout of a QImage in Format_RGB32; the alpha
// byte is always 0xFF and never compared.
using Farbe = uint32_t;

inline constexpr Farbe Schwarz = 0xFF000000u;
inline constexpr Farbe Weiss = 0xFFFFFFFFu;

inline constexpr Farbe Rgb(uint8_t rot, uint8_t gruen, uint8_t blau) {
    return 0xFF000000u | (uint32_t{rot} << 16) | (uint32_t{gruen} << 8) | uint32_t{blau};
}
inline constexpr uint8_t Rot(Farbe f) {
    return static_cast<uint8_t>(f >> 16);
}
inline constexpr uint8_t Gruen(Farbe f) {
    return static_cast<uint8_t>(f >> 8);
}
inline constexpr uint8_t Blau(Farbe f) {
    return static_cast<uint8_t>(f);
}

// Black in the sense of a binarised screenshot: red, green and blue all 0.
inline constexpr bool IstSchwarz(Farbe f) {
    return (f & 0x00FFFFFFu) == 0;
}

// The core's bitmap: a screenshot as plain pixels, row by row from the top, each row from the
// left. Column x and row y are absolute bitmap positions counted from 0. Pixel access is not
// range-checked in release builds: callers stay inside 0 <= x < Breite(), 0 <= y < Hoehe().
// A bitmap of 0 x 0 pixels is empty ("no bitmap").
class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int32_t breite, int32_t hoehe, Farbe fuellung = Weiss)
        : breite_(breite > 0 && hoehe > 0 ? breite : 0),
          hoehe_(breite > 0 && hoehe > 0 ? hoehe : 0),
          pixel_(static_cast<std::size_t>(breite_) * static_cast<std::size_t>(hoehe_), fuellung) {}

    int32_t Breite() const { return breite_; }
    int32_t Hoehe() const { return hoehe_; }
    bool Leer() const { return pixel_.empty(); }

    Farbe Pixel(int32_t x, int32_t y) const { return pixel_[Index(x, y)]; }
    void PixelSetzen(int32_t x, int32_t y, Farbe f) { pixel_[Index(x, y)] = f; }

    // The pixels of row y, Breite() of them.
    Farbe* Zeile(int32_t y) { return pixel_.data() + Index(0, y); }
    const Farbe* Zeile(int32_t y) const { return pixel_.data() + Index(0, y); }

    // All pixels, Breite() * Hoehe() of them, row after row.
    std::vector<Farbe>& Pixeldaten() { return pixel_; }
    const std::vector<Farbe>& Pixeldaten() const { return pixel_; }

    friend bool operator==(const TBitmap&, const TBitmap&) = default;

private:
    std::size_t Index(int32_t x, int32_t y) const {
        assert(x >= 0 && x < breite_ && y >= 0 && y < hoehe_);
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(breite_) +
               static_cast<std::size_t>(x);
    }

    int32_t breite_ = 0;
    int32_t hoehe_ = 0;
    std::vector<Farbe> pixel_;
};
