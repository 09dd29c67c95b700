#include "evaluation/cross_and_vertices.h"

namespace {

int32_t SchwarzInSpalte(const TBitmap& b, int32_t x, int32_t von, int32_t bis, int32_t schritt) {
    int32_t n = 0;
    for (int32_t y = von; y <= bis; y += schritt)
        n += IstSchwarz(b.Pixel(x, y)) ? 1 : 0;
    return n;
}

int32_t SchwarzInZeile(const TBitmap& b, int32_t y, int32_t von, int32_t bis) {
    const Farbe* zeile = b.Zeile(y);
    int32_t n = 0;
    for (int32_t x = von; x <= bis; ++x)
        n += IstSchwarz(zeile[x]) ? 1 : 0;
    return n;
}

bool KreuzSichtbar(const TBitmap& b, const TKreuzlage& lage) {
    return IstSchwarz(b.Pixel(lage.Signal[0].x, lage.Signal[0].y)) ||
           IstSchwarz(b.Pixel(lage.Signal[1].x, lage.Signal[1].y));
}

// The row of the horizontal bar: the first row with the most black pixels around column c.
int32_t Kreuzzeile(const TBitmap& b, const TLayout& layout, const TKreuzlage& lage) {
    int32_t zeile = layout.ZeileOben;
    int32_t meiste = -1;
    for (int32_t y = layout.ZeileOben; y <= layout.ZeileUnten; ++y) {
        const int32_t n =
            SchwarzInZeile(b, y, lage.Spalte + lage.ZaehlVon, lage.Spalte + lage.ZaehlBis);
        if (n > meiste) {
            meiste = n;
            zeile = y;
        }
    }
    return zeile;
}

void KreuzLoeschen(TAuswertung& a, const TLayout& layout, const TKreuzlage& lage) {
    TBitmap& b = a.Bitmap;
    const int32_t c = lage.Spalte;
    const int32_t r = Kreuzzeile(b, layout, lage);
    // The centre (c, r) is where the cross meets the curve; it stays as a curve pixel.
    for (int32_t y = r - 10; y <= r + 9; ++y)
        if (y != r) b.PixelSetzen(c, y, a.Hintergrundfarbe);
    // A bar pixel is the curve's own pixel when nothing else in its column is black.
    for (int32_t j = lage.TestVon; j <= lage.TestBis; ++j) {
        if (j == 0) continue;
        if (SchwarzInSpalte(b, c + j, layout.ZeileOben, layout.ZeileUnten, 1) > 1)
            b.PixelSetzen(c + j, r, a.Hintergrundfarbe);
    }
}

bool IstStuetzpunktlinie(const TBitmap& b, int32_t x, const TStuetzpunkttest& t) {
    if (SchwarzInSpalte(b, x, t.VortestVon, t.VortestBis, 1) == 0) return false;
    return SchwarzInSpalte(b, x, t.ZaehlVon, t.ZaehlBis, t.ZaehlSchritt) >= t.Schwelle;
}

bool IstHorizontallinie(const TBitmap& b, int32_t y, const THorizontaltest& t) {
    if (SchwarzInZeile(b, y, t.VortestVon, t.VortestBis) == 0) return false;
    return SchwarzInZeile(b, y, t.ZaehlVon, t.ZaehlBis) >= t.Schwelle;
}

} // namespace

int32_t KreuzEntfernen(TAuswertung& a, const TLayout& layout, Meldungen& meldungen) {
    TBitmap& b = a.Bitmap;
    a.Hintergrundfarbe = b.Pixel(layout.Hintergrundpixel.x, layout.Hintergrundpixel.y);
    bool gefunden = false;
    // Both positions of the older viewer may show at once; each is erased on the bitmap as
    // the previous one left it.
    for (int32_t i = 0; i < layout.KreuzlagenAnzahl; ++i) {
        if (!KreuzSichtbar(b, layout.Kreuzlagen[i])) continue;
        gefunden = true;
        KreuzLoeschen(a, layout, layout.Kreuzlagen[i]);
    }
    if (!gefunden) {
        meldungen.Meldung("Kreuz an falscher Stelle", layout.KreuzMeldung);
        return -1;
    }
    return 2;
}

int32_t StuetzpunkteSuchen(TAuswertung& a, const TLayout& layout, Meldungen& meldungen) {
    TBitmap& b = a.Bitmap;
    a.Stuetzpunktspalten.Leeren();
    for (int32_t x = layout.SpalteErste; x <= layout.SpalteLetzte; ++x) {
        if (!IstStuetzpunktlinie(b, x, layout.Stuetzpunkt)) continue;
        a.Stuetzpunktspalten.Anhaengen(x);
        // Erased before the next column is tested, taking the curve's pixel with it; the
        // curve tracing fills the column again.
        for (int32_t y = layout.ZeileOben; y <= layout.ZeileUnten; ++y)
            b.PixelSetzen(x, y, a.Hintergrundfarbe);
    }
    if (layout.Horizontal.Aktiv) {
        for (int32_t y = layout.ZeileOben; y <= layout.ZeileUnten; ++y) {
            if (!IstHorizontallinie(b, y, layout.Horizontal)) continue;
            Farbe* zeile = b.Zeile(y);
            for (int32_t x = layout.SpalteErste; x <= layout.SpalteLetzte; ++x)
                zeile[x] = a.Hintergrundfarbe;
        }
    }
    if (a.Stuetzpunktspalten.Anzahl == 0) {
        meldungen.Meldung("ORVAN Auswahl nicht korrekt",
                          "Es muss mindestens ein Stützpunkt vorhanden sein");
        return -1;
    }
    return a.Stuetzpunktspalten.Anzahl;
}
