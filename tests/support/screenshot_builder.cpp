#include "support/screenshot_builder.h"

#include "support/viewer_font.h"

#include <algorithm>
#include <stdexcept>

namespace {

struct TRechteck {
    int32_t SpalteVon, SpalteBis, ZeileVon, ZeileBis;
};

struct TKreuzbild {
    Kreuzposition Position;
    int32_t Spalte;                            // column of the vertical bar
    int32_t BalkenVon, BalkenBis;              // horizontal bar, relative to Spalte
    int32_t SignalVon, SignalBis, SignalZeile; // marker below the graph
};

// The viewer's window in one generation, measured on its screenshots.
struct TViewer {
    int32_t Breite, Hoehe;
    TGrafikbereich Grafik;
    TRechteck FeldMax, FeldMin, FeldStrecke;
    int32_t LinieMax, LinieMin; // black rows along the top edge of the height label fields
    std::vector<TKreuzbild> Kreuze;
    std::vector<std::pair<int32_t, int32_t>> Checkboxen; // centre pixels
};

const TViewer& Viewer(int32_t layout) {
    static const TViewer alt = {545,
                                319,
                                {67, 513, 47, 190},
                                {31, 59, 44, 60},
                                {31, 59, 180, 196},
                                {310, 439, 217, 233},
                                43,
                                179,
                                {{Kreuzposition::Ausgangslage, 290, -11, 9, 292, 298, 250},
                                 {Kreuzposition::GanzLinks, 67, 0, 9, 72, 80, 250}},
                                {}};
    static const TViewer neu = {596,
                                448,
                                {116, 526, 85, 219},
                                {26, 55, 47, 66},
                                {26, 55, 239, 258},
                                {192, 315, 263, 278},
                                46,
                                238,
                                {{Kreuzposition::GanzRechts, 526, -10, 9, 526, 531, 284}},
                                {{29, 336}, {29, 357}}};
    if (layout == 1) return alt;
    if (layout == 2) return neu;
    throw std::invalid_argument("layout must be 1 or 2");
}

class Maler {
public:
    explicit Maler(TBitmap& b) : b_(b) {}

    void Pixel(int32_t x, int32_t y, Farbe f) {
        if (x >= 0 && x < b_.Breite() && y >= 0 && y < b_.Hoehe()) b_.PixelSetzen(x, y, f);
    }
    void Rechteck(const TRechteck& r, Farbe f) {
        for (int32_t y = r.ZeileVon; y <= r.ZeileBis; ++y)
            for (int32_t x = r.SpalteVon; x <= r.SpalteBis; ++x)
                Pixel(x, y, f);
    }
    void Rahmen(const TRechteck& r, Farbe f) {
        Rechteck({r.SpalteVon, r.SpalteBis, r.ZeileVon, r.ZeileVon}, f);
        Rechteck({r.SpalteVon, r.SpalteBis, r.ZeileBis, r.ZeileBis}, f);
        Rechteck({r.SpalteVon, r.SpalteVon, r.ZeileVon, r.ZeileBis}, f);
        Rechteck({r.SpalteBis, r.SpalteBis, r.ZeileVon, r.ZeileBis}, f);
    }

    static int32_t Textbreite(const std::string& text) {
        int32_t breite = 0;
        for (char z : text)
            breite += Glyph(z) != nullptr ? GlyphAbstand : LeerzeichenBreite;
        return std::max(0, breite - 1);
    }
    void Text(const std::string& text, int32_t x, int32_t y) {
        for (char z : text) {
            const auto* glyph = Glyph(z);
            if (glyph == nullptr) {
                x += LeerzeichenBreite;
                continue;
            }
            for (int32_t r = 0; r < GlyphHoehe; ++r)
                for (int32_t s = 0; s < GlyphBreite; ++s)
                    if ((*glyph)[static_cast<size_t>(r)][static_cast<size_t>(s)] == '#')
                        Pixel(x + s, y + r, Schwarz);
            x += GlyphAbstand;
        }
    }

private:
    TBitmap& b_;
};

int32_t Kurvenzeile(const TScreenshot& s, const TGrafikbereich& g, int32_t x) {
    const auto i = static_cast<size_t>(x - g.SpalteErste);
    return i < s.Kurve.size() ? s.Kurve[i] : KeinPixel;
}

void KurveMalen(Maler& m, const TScreenshot& s, const TGrafikbereich& g) {
    const int32_t oben = (s.Dicke - 1) / 2;
    const int32_t unten = s.Dicke / 2;
    for (int32_t x = g.SpalteErste; x <= g.SpalteLetzte; ++x) {
        const int32_t y = Kurvenzeile(s, g, x);
        if (y == KeinPixel) continue;
        if (s.Kantenglaettung) {
            m.Pixel(x, y - oben - 1, s.Kantenfarbe);
            m.Pixel(x, y + unten + 1, s.Kantenfarbe);
        }
        for (int32_t r = y - oben; r <= y + unten; ++r)
            m.Pixel(x, r, s.Kurvenfarbe);
    }
}

void KreuzMalen(Maler& m, const TScreenshot& s, const TViewer& v, const TKreuzbild& k) {
    const int32_t r = Kurvenzeile(s, v.Grafik, k.Spalte);
    if (r == KeinPixel) throw std::invalid_argument("the cross stands on the curve");
    m.Rechteck({k.Spalte, k.Spalte, r - 10, r + 9}, Schwarz);
    m.Rechteck({k.Spalte + k.BalkenVon, k.Spalte + k.BalkenBis, r, r}, Schwarz);
    m.Rechteck({k.SignalVon, k.SignalBis, k.SignalZeile - 2, k.SignalZeile + 2}, Schwarz);
}

void Beschriftungen(Maler& m, const TScreenshot& s, const TViewer& v) {
    for (const TRechteck* feld : {&v.FeldMax, &v.FeldMin, &v.FeldStrecke})
        m.Rechteck(*feld, Weiss);
    if (s.Kontrollpixel) {
        m.Rechteck({v.FeldMax.SpalteVon - 1, v.FeldMax.SpalteBis + 1, v.LinieMax, v.LinieMax},
                   Schwarz);
        m.Rechteck({v.FeldMin.SpalteVon - 1, v.FeldMin.SpalteBis + 1, v.LinieMin, v.LinieMin},
                   Schwarz);
    }
    // The heights stand right-aligned against the axis, the route length further in.
    const auto rechtsbuendig = [&](const std::string& text, const TRechteck& feld) {
        m.Text(text, feld.SpalteBis - Maler::Textbreite(text) + 1, feld.ZeileVon + 4);
    };
    rechtsbuendig(s.HoeheMax, v.FeldMax);
    rechtsbuendig(s.HoeheMin, v.FeldMin);
    m.Text(s.Strecke, v.FeldStrecke.SpalteVon + 8, v.FeldStrecke.ZeileVon + 4);
}

void Checkboxen(Maler& m, const TScreenshot& s, const TViewer& v) {
    const bool an[2] = {s.CheckboxStuetzpunkte, s.CheckboxDiskret};
    for (size_t i = 0; i < v.Checkboxen.size(); ++i) {
        const auto [x, y] = v.Checkboxen[i];
        m.Rechteck({x - 5, x + 5, y - 5, y + 5}, Weiss);
        m.Rahmen({x - 5, x + 5, y - 5, y + 5}, Schwarz);
        if (an[i]) m.Rechteck({x - 3, x + 3, y - 3, y + 3}, Schwarz);
    }
}

} // namespace

TGrafikbereich Grafikbereich(int32_t layout) {
    return Viewer(layout).Grafik;
}

void TextMalen(TBitmap& bitmap, const std::string& text, int32_t x, int32_t y) {
    Maler(bitmap).Text(text, x, y);
}

TScreenshot ScreenshotMit(int32_t layout, std::string hoeheMax, std::string hoeheMin,
                          std::string strecke) {
    TScreenshot s;
    s.Layout = layout;
    s.HoeheMax = std::move(hoeheMax);
    s.HoeheMin = std::move(hoeheMin);
    s.Strecke = std::move(strecke);
    return s;
}

TBitmap ScreenshotBauen(const TScreenshot& s) {
    const TViewer& v = Viewer(s.Layout);
    const TGrafikbereich& g = v.Grafik;
    TBitmap b(v.Breite, v.Hoehe, s.Fensterfarbe);
    Maler m(b);
    m.Rechteck({g.SpalteErste, g.SpalteLetzte, g.ZeileOben, g.ZeileUnten}, s.Grafikfarbe);
    m.Rahmen({g.SpalteErste - 1, g.SpalteLetzte + 1, g.ZeileOben - 1, g.ZeileUnten + 1}, Schwarz);
    for (int32_t y : s.Horizontallinien)
        m.Rechteck({g.SpalteErste, g.SpalteLetzte, y, y}, Rgb(64, 64, 64));
    for (int32_t x : s.Stuetzpunkte)
        m.Rechteck({x, x, g.ZeileOben, g.ZeileUnten}, Schwarz);
    KurveMalen(m, s, g);
    for (Kreuzposition p : s.Kreuze) {
        const auto k = std::find_if(v.Kreuze.begin(), v.Kreuze.end(),
                                    [p](const TKreuzbild& k) { return k.Position == p; });
        if (k == v.Kreuze.end()) throw std::invalid_argument("no such cross position here");
        KreuzMalen(m, s, v, *k);
    }
    Beschriftungen(m, s, v);
    Checkboxen(m, s, v);
    return b;
}

std::vector<int32_t> KurveAusStrecken(int32_t layout, int32_t start,
                                      const std::vector<std::pair<int32_t, int32_t>>& steigungen) {
    const TGrafikbereich g = Grafikbereich(layout);
    std::vector<int32_t> kurve;
    int32_t y = start;
    kurve.push_back(y);
    for (const auto& [spalten, steigung] : steigungen)
        for (int32_t i = 0; i < spalten; ++i)
            kurve.push_back(y += steigung);
    const auto anzahl = static_cast<size_t>(g.SpalteLetzte - g.SpalteErste + 1);
    if (kurve.size() > anzahl) throw std::invalid_argument("curve longer than the graph");
    kurve.resize(anzahl, y);
    return kurve;
}
