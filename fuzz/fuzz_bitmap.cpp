#include "fuzz_bitmap.h"

#include "evaluation/label_reading.h"

#include <algorithm>
#include <utility>

namespace {

class Maler {
public:
    Maler(TBitmap& b, Farbe schwarz, Farbe weiss) : b_(b), schwarz_(schwarz), weiss_(weiss) {}

    // Pixels outside the bitmap are left out: strokes may run over its edges.
    void Punkt(int32_t x, int32_t y, bool schwarz) {
        if (x >= 0 && y >= 0 && x < b_.Breite() && y < b_.Hoehe())
            b_.PixelSetzen(x, y, schwarz ? schwarz_ : weiss_);
    }
    void Zeile(int32_t x, int32_t y, int32_t laenge) {
        for (int32_t i = 0; i < laenge; ++i)
            Punkt(x + i, y, true);
    }
    void Spalte(int32_t x, int32_t y, int32_t laenge, bool schwarz) {
        for (int32_t i = 0; i < laenge; ++i)
            Punkt(x, y + i, schwarz);
    }
    // A glyph of the label font: its columns hold the pattern's numbers of black pixels.
    void Glyphe(int32_t x, int32_t y, const TGlyphmuster& muster) {
        for (std::size_t i = 0; i < muster.size(); ++i)
            Spalte(x + static_cast<int32_t>(i), y, muster[i], true);
    }

private:
    TBitmap& b_;
    Farbe schwarz_, weiss_;
};

const TGlyphmuster& Muster(int32_t p) {
    return p % 11 == 10 ? KmMuster : Ziffernmuster[static_cast<std::size_t>(p % 10)];
}

void Strich(Maler& m, const uint8_t* s, const TBitmap& b) {
    const int32_t art = s[0] & 7;
    const int32_t p = s[1];
    const int32_t x = ((s[2] << 8) | s[3]) % b.Breite();
    const int32_t y = ((s[4] << 8) | s[5]) % b.Hoehe();
    switch (art) {
    case 0:
        m.Punkt(x, y, true);
        break;
    case 1:
        m.Zeile(x, y, p + 1);
        break;
    case 2:
        m.Spalte(x, y, p + 1, true);
        break;
    case 3:
        m.Spalte(x, y, p + 1, false);
        break;
    case 4: {
        const int32_t steigung = p % 16 - 8; // quarter rows per column
        for (int32_t i = 0; i < 16 * (p / 16 + 1); ++i)
            m.Punkt(x + i, y + steigung * i / 4, true);
        break;
    }
    case 5:
        m.Glyphe(x, y, Muster(p));
        break;
    case 6:
        for (int32_t j = 0; j <= p / 16; ++j)
            m.Zeile(x, y + j, p % 16 + 1);
        break;
    default:
        for (int32_t i = 0; i <= p % 12; ++i)
            m.Glyphe(x + 6 * i, y, Muster((x + i) % 10));
        break;
    }
}

void Kacheln(TBitmap& b, const uint8_t* bits, std::size_t anzahl, Farbe schwarz) {
    if (anzahl == 0) return;
    const std::size_t bitAnzahl = anzahl * 8;
    std::vector<Farbe>& pixel = b.Pixeldaten();
    for (std::size_t k = 0; k < pixel.size(); ++k) {
        const std::size_t i = k % bitAnzahl;
        if (bits[i / 8] & (1u << (i % 8))) pixel[k] = schwarz;
    }
}

} // namespace

TFuzzBitmap FuzzBitmap(const uint8_t* daten, std::size_t groesse, TBitmap puffer) {
    const uint8_t kopf = groesse > 0 ? daten[0] : 0;
    const TLayout& layout = (kopf & 1) ? Layout2 : Layout1;
    const bool grau = (kopf & 16) != 0;
    const Farbe schwarz = grau ? Rgb(99, 99, 99) : Schwarz;
    const Farbe weiss = grau ? Rgb(100, 0, 0) : Weiss;

    TFuzzBitmap f{std::move(puffer), &layout};
    TBitmap& b = f.Bitmap;
    if (b.Breite() == layout.Breite && b.Hoehe() == layout.Hoehe)
        std::fill(b.Pixeldaten().begin(), b.Pixeldaten().end(), weiss);
    else
        b = TBitmap(layout.Breite, layout.Hoehe, weiss);
    Maler m(b, schwarz, weiss);
    const uint8_t* rest = groesse > 0 ? daten + 1 : daten;
    const std::size_t restGroesse = groesse > 0 ? groesse - 1 : 0;
    if (kopf & 2) {
        Kacheln(b, rest, restGroesse, schwarz);
    } else {
        for (std::size_t i = 0; i + 6 <= restGroesse; i += 6)
            Strich(m, rest + i, b);
    }

    m.Punkt(layout.Kontrollspalte, layout.MaxZeileSchwarz, true);
    m.Punkt(layout.Kontrollspalte, layout.MaxZeileWeiss, false);
    m.Punkt(layout.Kontrollspalte, layout.MinZeileSchwarz, true);
    m.Punkt(layout.Kontrollspalte, layout.MinZeileWeiss, false);
    for (int32_t i = 0; i < layout.CheckboxAnzahl; ++i)
        m.Punkt(layout.Checkbox[i].x, layout.Checkbox[i].y, false);

    const bool kreuz[2] = {(kopf & 4) != 0, (kopf & 8) != 0};
    for (int32_t i = 0; i < 2; ++i) {
        if (!kreuz[i]) continue;
        // The older viewer has two cross positions, the newer one two signal pixels of one.
        const TKreuzlage& lage = layout.Kreuzlagen[std::min(i, layout.KreuzlagenAnzahl - 1)];
        const TPixel& signal = lage.Signal[layout.KreuzlagenAnzahl > 1 ? 0 : i];
        m.Punkt(signal.x, signal.y, true);
    }
    return f;
}
