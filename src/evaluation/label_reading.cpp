#include "evaluation/label_reading.h"

#include <algorithm>
#include <cstdint>
#include <limits>

const std::array<TGlyphmuster, 10> Ziffernmuster = {{
    {7, 2, 2, 2, 7}, // 0
    {1, 1, 9, 0, 0}, // 1
    {3, 3, 3, 3, 4}, // 2
    {2, 2, 3, 3, 6}, // 3
    {2, 3, 3, 9, 1}, // 4
    {6, 3, 3, 3, 5}, // 5
    {7, 3, 3, 3, 4}, // 6
    {1, 4, 3, 3, 2}, // 7
    {6, 3, 3, 3, 6}, // 8
    {4, 3, 3, 3, 7}, // 9
}};

const TGlyphmuster KmMuster = {9, 1, 2, 2, 1};

namespace {

constexpr int64_t Int32Max = std::numeric_limits<int32_t>::max();

// Black pixels per bitmap column within the field's rows; every other column stays 0. Five
// spare entries let a glyph that starts at the scan limit read zeros beyond it.
using TSpaltenzahlen = std::array<int32_t, AuswertungSpalten + 5>;

void SpaltenZaehlen(const TBitmap& bitmap, const TFeld& feld, int32_t scangrenze,
                    TSpaltenzahlen& zahlen) {
    zahlen.fill(0);
    const int32_t bis = std::min({feld.SpalteBis, scangrenze - 1, bitmap.Breite() - 1});
    for (int32_t y = std::max(feld.ZeileVon, 0); y <= feld.ZeileBis && y < bitmap.Hoehe(); ++y) {
        const Farbe* zeile = bitmap.Zeile(y);
        for (int32_t x = std::max(feld.SpalteVon, 0); x <= bis; ++x)
            zahlen[static_cast<std::size_t>(x)] += IstSchwarz(zeile[x]) ? 1 : 0;
    }
}

bool Passt(const TSpaltenzahlen& zahlen, int32_t p, const TGlyphmuster& muster) {
    for (std::size_t i = 0; i < muster.size(); ++i)
        if (zahlen[static_cast<std::size_t>(p) + i] != muster[i]) return false;
    return true;
}

// The digit whose pattern starts at column p, or -1; the lowest digit wins a tie.
int32_t ZifferBei(const TSpaltenzahlen& zahlen, int32_t p) {
    for (int32_t z = 0; z < 10; ++z)
        if (Passt(zahlen, p, Ziffernmuster[static_cast<std::size_t>(z)])) return z;
    return -1;
}

int32_t NaechsteBelegte(const TSpaltenzahlen& zahlen, int32_t p, int32_t scangrenze) {
    while (p < scangrenze && zahlen[static_cast<std::size_t>(p)] == 0)
        ++p;
    return p;
}

// Reads the digits of the counted field: returns the number they spell (at most ten digits,
// so it fits 64 bits) and the start column of the last matched digit.
int64_t Lesen(const TSpaltenzahlen& zahlen, int32_t scangrenze, int32_t& letzteZiffer) {
    int64_t wert = 0;
    int32_t ziffern = 0;
    letzteZiffer = 0;
    int32_t p = NaechsteBelegte(zahlen, 0, scangrenze);
    while (p < scangrenze) {
        const int32_t z = ZifferBei(zahlen, p);
        if (z >= 0) {
            // A number holds at most ten digits; further ones are passed over as glyphs, so the
            // scan stays in step, but they do not make the number longer.
            if (ziffern < MaxZiffern) {
                wert = wert * 10 + z;
                ++ziffern;
            }
            letzteZiffer = p;
            p += 5;
        }
        // The column right after a matched glyph is never examined.
        p = NaechsteBelegte(zahlen, p + 1, scangrenze);
    }
    return wert;
}

// Label values are stored as 32-bit integers; a longer number is held at the maximum rather
// than wrapped into a negative height or route length.
int32_t Begrenzt(int64_t wert) {
    return static_cast<int32_t>(std::min(wert, Int32Max));
}

// Whether the letter k of "km" stands somewhere from column `ab` to the scan limit.
bool KmGefunden(const TSpaltenzahlen& zahlen, int32_t ab, int32_t scangrenze) {
    for (int32_t p = ab; p < scangrenze; ++p)
        if (Passt(zahlen, p, KmMuster)) return true;
    return false;
}

// One label field, counted and read. The scan limit is clamped to the counted columns, so a
// layout's limit can never index past them.
struct TFeldLesung {
    TSpaltenzahlen zahlen;
    int32_t scangrenze = 0;
    int32_t letzteZiffer = 0;
    int64_t wert = 0;
};

TFeldLesung FeldLesen(const TBitmap& bitmap, const TFeld& feld, int32_t scangrenze) {
    TFeldLesung l;
    l.scangrenze = std::clamp(scangrenze, 0, AuswertungSpalten);
    SpaltenZaehlen(bitmap, feld, l.scangrenze, l.zahlen);
    l.wert = Lesen(l.zahlen, l.scangrenze, l.letzteZiffer);
    return l;
}

} // namespace

int32_t ZahlLesen(const TBitmap& bitmap, const TFeld& feld, int32_t scangrenze) {
    return Begrenzt(FeldLesen(bitmap, feld, scangrenze).wert);
}

void BeschriftungenLesen(TAuswertung& a, const TLayout& layout) {
    const TBitmap& bitmap = a.Bitmap;
    a.HoeheMaxSkala = ZahlLesen(bitmap, layout.FeldHoeheMax, layout.Scangrenze);
    a.HoeheMinSkala = ZahlLesen(bitmap, layout.FeldHoeheMin, layout.Scangrenze);

    const TFeldLesung strecke = FeldLesen(bitmap, layout.FeldStrecke, layout.Scangrenze);
    int64_t meter = strecke.wert;
    // The older viewer writes long routes in km ("12 km"), short ones in m ("850 m").
    if (layout.KmErkennen && KmGefunden(strecke.zahlen, strecke.letzteZiffer, strecke.scangrenze))
        meter *= 1000;
    a.StreckeMeter = Begrenzt(meter);
}
