#include "display/current_graph.h"

#include "display/graph_steps.h"
#include "display/pixel_drawing.h"

#include <QPainter>

namespace {

const QColor Hintergrund(204, 255, 204);
const QColor Band(102, 204, 51);

} // namespace

void GraphAktuellZeichnen(QPainter& maler, const Profile& aktuell, const Hoehenskala& skala,
                          QSize groesse, Geraetepixel geraet) {
    const int32_t W = groesse.width();
    const int32_t Hi = groesse.height();
    const int32_t strich = geraet.Strich();
    const int32_t rand = geraet.Pixel(5);
    const QRect flaeche(0, 0, W, Hi);
    Rechteck(maler, 0, 0, W, Hi, Hintergrund, strich);
    if (aktuell.Abschnitte.empty()) return;

    BaenderZeichnen(maler, aktuell, W, Hi, Band, strich);
    QPoint stift(0, HoeheZuY(ErsterPunkt(aktuell).Hoehe, skala, Hi, rand));
    SpaltenDurchlaufen(
        aktuell, W,
        [&](const ProfilePoint& p, int32_t x) {
            const QPoint ziel(x, HoeheZuY(p.Hoehe, skala, Hi, rand));
            Linie(maler, stift, ziel, Qt::black, flaeche, strich);
            stift = ziel;
        },
        [&](int32_t x) {
            Linie(maler, QPoint(x, 0), QPoint(x, Hi), Qt::black, flaeche, strich);
            // The next section's line goes on from the separator at the last drawn height.
            stift = QPoint(x, stift.y());
        });
}

QImage GraphAktuellBild(const HoprexDaten& daten, Geraetepixel geraet) {
    const QSize groesse = geraet.Groesse(QSize(GraphBreite, GraphAktuellHoehe));
    QImage bild(groesse, QImage::Format_RGB32);
    {
        QPainter maler(&bild);
        GraphAktuellZeichnen(
            maler, daten.Aktuell,
            HoehenskalaFuer(daten.Aktuell, daten.SkalFixEin, daten.SkalFixMax, daten.SkalFixMin),
            groesse, geraet);
    }
    // Set after drawing: the drawing works in device pixels.
    bild.setDevicePixelRatio(geraet.Faktor);
    return bild;
}
