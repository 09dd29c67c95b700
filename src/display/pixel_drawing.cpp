#include "display/pixel_drawing.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <utility>

namespace {

// The image a painter draws on when its pixels can be written directly: an image of 32-bit
// pixels at 1x, no transformation, clipping or blending beyond plain painting over.
QImage* DirektesBild(QPainter& maler) {
    QPaintDevice* geraet = maler.device();
    if (geraet == nullptr || geraet->devType() != QInternal::Image) return nullptr;
    auto* bild = static_cast<QImage*>(geraet);
    const QImage::Format format = bild->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return nullptr;
    if (bild->devicePixelRatio() != 1.0 || !maler.transform().isIdentity() || maler.hasClipping() ||
        maler.opacity() != 1.0 || maler.compositionMode() != QPainter::CompositionMode_SourceOver)
        return nullptr;
    return bild;
}

// QPainter::fillRect with an opaque colour, which the graphs draw some thousands of times per
// refresh (a separator per section, a run per line step): on a plain image the pixels are set
// directly, the very pixels fillRect sets, without its per-call setup.
void Fuellen(QPainter& maler, const QRect& rechteck, const QColor& farbe) {
    QImage* bild = farbe.alpha() == 255 && rechteck.isValid() ? DirektesBild(maler) : nullptr;
    if (bild == nullptr) {
        maler.fillRect(rechteck, farbe);
        return;
    }
    const QRect r = rechteck & bild->rect();
    if (r.isEmpty()) return;
    const QRgb pixel = farbe.rgba();
    const qsizetype zeilenLaenge = bild->bytesPerLine();
    uchar* zeile = bild->bits() + r.top() * zeilenLaenge;
    for (int y = r.top(); y <= r.bottom(); ++y, zeile += zeilenLaenge)
        std::fill_n(reinterpret_cast<QRgb*>(zeile) + r.left(), r.width(), pixel);
}

// Visits the pixels of the line from `von` to `bis` inside `flaeche`, start included, end
// excluded: one pixel per step along the longer axis, the other coordinate rounded half up.
// Mapped coordinates are saturated to 2^24, so the products below fit in 64 bits.
template <class Pixel>
void LinienPixel(QPoint von, QPoint bis, const QRect& flaeche, Pixel&& pixel) {
    const int64_t dx = int64_t{bis.x()} - von.x();
    const int64_t dy = int64_t{bis.y()} - von.y();
    const bool xLaeuft = std::llabs(dx) >= std::llabs(dy);
    const int64_t n = xLaeuft ? std::llabs(dx) : std::llabs(dy);
    if (n == 0) return;
    const int64_t haupt0 = xLaeuft ? von.x() : von.y();
    const int64_t neben0 = xLaeuft ? von.y() : von.x();
    const int64_t hauptSchritt = (xLaeuft ? dx : dy) > 0 ? 1 : -1;
    const int64_t nebenWeg = xLaeuft ? dy : dx;
    const int64_t nebenSchritt = nebenWeg >= 0 ? 1 : -1;
    const int64_t nebenBetrag = std::llabs(nebenWeg);
    const int64_t hauptMin = xLaeuft ? flaeche.left() : flaeche.top();
    const int64_t hauptMax = xLaeuft ? flaeche.right() : flaeche.bottom();
    const int64_t nebenMin = xLaeuft ? flaeche.top() : flaeche.left();
    const int64_t nebenMax = xLaeuft ? flaeche.bottom() : flaeche.right();

    // Only the steps whose main coordinate lies inside the surface.
    int64_t von_i = hauptSchritt > 0 ? hauptMin - haupt0 : haupt0 - hauptMax;
    int64_t bis_i = hauptSchritt > 0 ? hauptMax - haupt0 : haupt0 - hauptMin;
    von_i = std::max<int64_t>(von_i, 0);
    bis_i = std::min<int64_t>(bis_i, n - 1);
    for (int64_t i = von_i; i <= bis_i; ++i) {
        const int64_t haupt = haupt0 + hauptSchritt * i;
        const int64_t neben = neben0 + nebenSchritt * ((2 * i * nebenBetrag + n) / (2 * n));
        if (neben < nebenMin || neben > nebenMax) continue;
        if (xLaeuft)
            pixel(static_cast<int>(haupt), static_cast<int>(neben));
        else
            pixel(static_cast<int>(neben), static_cast<int>(haupt));
    }
}

// Gathers neighbouring pixels of one row or one column into a single fillRect, each pixel
// grown to `strich` x `strich`.
class Laeufe {
public:
    Laeufe(QPainter& maler, const QColor& farbe, int strich)
        : maler_(maler), farbe_(farbe), strich_(strich) {}
    ~Laeufe() { Ausgeben(); }
    Laeufe(const Laeufe&) = delete;
    Laeufe& operator=(const Laeufe&) = delete;

    void Pixel(int x, int y) {
        if (!lauf_.isNull()) {
            const bool spalte = lauf_.width() == 1 && x == lauf_.left();
            const bool zeile = lauf_.height() == 1 && y == lauf_.top();
            if (spalte && y == lauf_.bottom() + 1) {
                lauf_.setBottom(y);
            } else if (spalte && y == lauf_.top() - 1) {
                lauf_.setTop(y);
            } else if (zeile && x == lauf_.right() + 1) {
                lauf_.setRight(x);
            } else if (zeile && x == lauf_.left() - 1) {
                lauf_.setLeft(x);
            } else {
                Ausgeben();
                lauf_ = QRect(x, y, 1, 1);
            }
            return;
        }
        lauf_ = QRect(x, y, 1, 1);
    }

private:
    void Ausgeben() {
        if (!lauf_.isNull())
            Fuellen(maler_, lauf_.adjusted(0, 0, strich_ - 1, strich_ - 1), farbe_);
        lauf_ = QRect();
    }

    QPainter& maler_;
    QColor farbe_;
    int strich_;
    QRect lauf_;
};

} // namespace

void Linie(QPainter& maler, QPoint von, QPoint bis, const QColor& farbe, const QRect& flaeche,
           int strich) {
    // An upright or level line is one run: its pixels inside the surface, the end excluded.
    if (von != bis && (von.x() == bis.x() || von.y() == bis.y())) {
        const QPoint letzter = bis - QPoint((bis.x() > von.x()) - (bis.x() < von.x()),
                                            (bis.y() > von.y()) - (bis.y() < von.y()));
        const QRect lauf =
            QRect(QPoint(std::min(von.x(), letzter.x()), std::min(von.y(), letzter.y())),
                  QPoint(std::max(von.x(), letzter.x()), std::max(von.y(), letzter.y()))) &
            flaeche;
        if (!lauf.isEmpty()) Fuellen(maler, lauf.adjusted(0, 0, strich - 1, strich - 1), farbe);
        return;
    }
    Laeufe laeufe(maler, farbe, strich);
    LinienPixel(von, bis, flaeche, [&](int x, int y) { laeufe.Pixel(x, y); });
}

void Rechteck(QPainter& maler, int links, int oben, int rechts, int unten, const QColor& fuellung,
              int strich) {
    if (rechts <= links || unten <= oben) return;
    const int breite = rechts - links;
    const int hoehe = unten - oben;
    const int rand = std::min({strich, breite, hoehe});
    Fuellen(maler, QRect(links, oben, breite, hoehe), fuellung);
    Fuellen(maler, QRect(links, oben, breite, rand), Qt::black);
    Fuellen(maler, QRect(links, unten - rand, breite, rand), Qt::black);
    Fuellen(maler, QRect(links, oben, rand, hoehe), Qt::black);
    Fuellen(maler, QRect(rechts - rand, oben, rand, hoehe), Qt::black);
}

void Dreieck(QPainter& maler, QPoint a, QPoint b, QPoint c, const QColor& fuellung, int strich) {
    // The outline is traced over the triangle's whole bounding box, also where it lies outside
    // the surface, so that a half-visible mark is still filled up to its visible edge.
    const QRect rahmen(QPoint(std::min({a.x(), b.x(), c.x()}), std::min({a.y(), b.y(), c.y()})),
                       QPoint(std::max({a.x(), b.x(), c.x()}), std::max({a.y(), b.y(), c.y()})));
    std::map<int, std::pair<int, int>> zeilen; // row -> leftmost and rightmost outline pixel
    const auto umriss = [&](int x, int y) {
        const auto [it, neu] = zeilen.try_emplace(y, x, x);
        if (neu) return;
        it->second.first = std::min(it->second.first, x);
        it->second.second = std::max(it->second.second, x);
    };
    const std::pair<QPoint, QPoint> kanten[] = {{a, b}, {b, c}, {c, a}};
    for (const auto& [von, bis] : kanten)
        LinienPixel(von, bis, rahmen, umriss);
    for (const auto& [y, spanne] : zeilen)
        Fuellen(maler, QRect(spanne.first, y, spanne.second - spanne.first + 1, 1), fuellung);
    for (const auto& [von, bis] : kanten)
        Linie(maler, von, bis, Qt::black, rahmen, strich);
}
