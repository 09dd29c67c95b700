#include "evaluation/bitmap_check.h"

#include "evaluation/layouts.h"

#include <cstdio>
#include <string>

namespace {

const char* const TitelFehler = "Fehler";

void GroesseMelden(const TBitmap& bitmap, Meldungen& meldungen) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "Bitmap kann nicht ausgewertet werden\nDie Größe ist nicht korrekt\n\n"
                  "Viewer Version  < 2  Soll: \t%4d x %4d\n"
                  "Viewer Version >= 2  Soll: \t%4d x %4d\n\n"
                  "Ist:  \t%4d x %4d",
                  Layout1.Breite, Layout1.Hoehe, Layout2.Breite, Layout2.Hoehe, bitmap.Breite(),
                  bitmap.Hoehe());
    meldungen.Meldung(TitelFehler, text);
}

bool KontrollpixelInOrdnung(const TBitmap& bitmap, const TLayout& layout) {
    const int32_t x = layout.Kontrollspalte;
    return !IstSchwarz(bitmap.Pixel(x, layout.MaxZeileWeiss)) &&
           IstSchwarz(bitmap.Pixel(x, layout.MaxZeileSchwarz)) &&
           !IstSchwarz(bitmap.Pixel(x, layout.MinZeileWeiss)) &&
           IstSchwarz(bitmap.Pixel(x, layout.MinZeileSchwarz));
}

bool CheckboxenAus(const TBitmap& bitmap, const TLayout& layout) {
    for (int32_t i = 0; i < layout.CheckboxAnzahl; ++i)
        if (IstSchwarz(bitmap.Pixel(layout.Checkbox[i].x, layout.Checkbox[i].y))) return false;
    return true;
}

const TLayout* LayoutZuGroesse(const TBitmap& bitmap) {
    for (const TLayout* layout : {&Layout1, &Layout2})
        if (bitmap.Breite() == layout->Breite && bitmap.Hoehe() == layout->Hoehe) return layout;
    return nullptr;
}

} // namespace

void Binarisieren(TBitmap& bitmap) {
    for (Farbe& p : bitmap.Pixeldaten())
        p = (Rot(p) < 100 && Gruen(p) < 100 && Blau(p) < 100) ? Schwarz : Weiss;
}

int32_t BitmapPruefen(TBitmap& bitmap, Meldungen& meldungen) {
    const TLayout* layout = LayoutZuGroesse(bitmap);
    if (layout == nullptr) {
        GroesseMelden(bitmap, meldungen);
        return -1;
    }
    Binarisieren(bitmap);
    // With a check box on, the user is told about the check box, not about the control pixels.
    if (!CheckboxenAus(bitmap, *layout)) {
        meldungen.Meldung(TitelFehler, "Im Geländeschnitt müssen die beiden Checkboxen\n"
                                       "Stützpunkte darstellen + Diskrete Werte anzeigen\n"
                                       "deaktiviert sein!");
        return -1;
    }
    if (!KontrollpixelInOrdnung(bitmap, *layout)) {
        meldungen.Meldung(TitelFehler, "Bitmap kann nicht ausgewertet werden\n"
                                       "Kontrollpixel max/min Höhe nicht in Ordnung");
        return -1;
    }
    return layout->Kennung;
}
