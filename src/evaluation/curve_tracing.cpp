#include "evaluation/curve_tracing.h"

#include <algorithm>

namespace {

constexpr int32_t KeineZeile = -1;

// First black row of each graph column within the graph rows, KeineZeile for an empty column.
using TErsteZeilen = std::array<int32_t, AuswertungSpalten>;

// Walks the graph row by row rather than column by column: the pixels of a row lie side by side
// in memory.
void ErsteZeilenSuchen(const TBitmap& b, const TLayout& layout, TErsteZeilen& erste) {
    erste.fill(KeineZeile);
    for (int32_t y = layout.ZeileOben; y <= layout.ZeileUnten; ++y) {
        const Farbe* zeile = b.Zeile(y);
        for (int32_t x = layout.SpalteErste; x <= layout.SpalteLetzte; ++x)
            if (erste[static_cast<std::size_t>(x)] == KeineZeile && IstSchwarz(zeile[x]))
                erste[static_cast<std::size_t>(x)] = y;
    }
}

// The first column right of g, up to the last graph column, that holds a curve pixel, or -1.
int32_t NaechsteKurvenspalte(const TErsteZeilen& erste, const TLayout& layout, int32_t g) {
    for (int32_t c = g + 1; c <= layout.SpalteLetzte; ++c)
        if (erste[static_cast<std::size_t>(c)] != KeineZeile) return c;
    return -1;
}

void Setzen(TBitmap& b, TErsteZeilen& erste, int32_t x, int32_t y) {
    b.PixelSetzen(x, y, Schwarz);
    int32_t& e = erste[static_cast<std::size_t>(x)];
    e = (e == KeineZeile) ? y : std::min(e, y);
}

// Fills column g one column's share of the way from its left neighbour's row towards the next
// curve pixel to the right. Without a left neighbour row (the first graph column, or a
// neighbour that is itself empty) it takes the row of the next curve pixel to the right; with
// nothing to the right it continues the left row flat.
void SpalteFuellen(TBitmap& b, const TLayout& layout, TErsteZeilen& erste, int32_t g) {
    const int32_t c = NaechsteKurvenspalte(erste, layout, g);
    const int32_t yL = g > layout.SpalteErste ? erste[static_cast<std::size_t>(g - 1)] : KeineZeile;
    if (yL == KeineZeile) {
        if (c >= 0) Setzen(b, erste, g, erste[static_cast<std::size_t>(c)]);
        return;
    }
    if (c < 0) {
        Setzen(b, erste, g, yL);
        return;
    }
    const int32_t yR = erste[static_cast<std::size_t>(c)];
    // c - g + 1 columns lie between the left neighbour g-1 and c; the division truncates
    // toward zero, also for a curve that falls on screen.
    Setzen(b, erste, g, yL + (yR - yL) / (c - g + 1));
}

} // namespace

void KurveVerduennen(TAuswertung& a, const TLayout& layout) {
    TBitmap& b = a.Bitmap;
    std::array<int32_t, AuswertungSpalten> anzahl{}, oben{}, unten{};
    for (int32_t y = layout.ZeileOben; y <= layout.ZeileUnten; ++y) {
        const Farbe* zeile = b.Zeile(y);
        for (int32_t x = layout.SpalteErste; x <= layout.SpalteLetzte; ++x) {
            if (!IstSchwarz(zeile[x])) continue;
            const auto i = static_cast<std::size_t>(x);
            if (anzahl[i]++ == 0) oben[i] = y;
            unten[i] = y;
        }
    }
    a.Lueckenspalten.Leeren();
    for (int32_t x = layout.SpalteErste; x <= layout.SpalteLetzte; ++x) {
        const auto i = static_cast<std::size_t>(x);
        if (anzahl[i] == 0) {
            // Vertex columns after erasing, and any other column the curve does not reach.
            a.Lueckenspalten.Anhaengen(x);
        } else if (anzahl[i] > 1) {
            for (int32_t y = oben[i]; y <= unten[i]; ++y)
                b.PixelSetzen(x, y, a.Hintergrundfarbe);
            b.PixelSetzen(x, oben[i] + (unten[i] - oben[i]) / 2, Schwarz);
        }
    }
}

int32_t KurveVerfolgen(TAuswertung& a, const TLayout& layout, Meldungen& meldungen) {
    TBitmap& b = a.Bitmap;
    TErsteZeilen erste;
    ErsteZeilenSuchen(b, layout, erste);
    for (int32_t g : a.Lueckenspalten)
        if (g >= layout.SpalteErste && g <= layout.SpalteLetzte) SpalteFuellen(b, layout, erste, g);

    a.KurveYOben = layout.ZeileUnten;
    a.KurveYUnten = layout.ZeileOben;
    bool kurve = false;
    for (int32_t x = layout.SpalteErste; x <= layout.SpalteLetzte; ++x) {
        const int32_t y = erste[static_cast<std::size_t>(x)];
        if (y == KeineZeile) continue;
        kurve = true;
        a.KurveY[static_cast<std::size_t>(x)] = y;
        a.KurveYUnten = std::max(a.KurveYUnten, y);
        a.KurveYOben = std::min(a.KurveYOben, y);
    }
    if (!kurve) {
        meldungen.Meldung("Fehler",
                          "Bitmap kann nicht ausgewertet werden\nKein Höhenverlauf gefunden");
        return -1;
    }
    return 0;
}
