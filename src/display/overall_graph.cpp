#include "display/overall_graph.h"

#include "display/graph_steps.h"
#include "display/pixel_drawing.h"

#include <QPainter>
#include <cstdlib>

namespace {

const QColor Hintergrund(255, 255, 204);
const QColor Band(255, 255, 0);
const QColor LinieGeglaettet(0, 0, 255);
const QColor Anstieg(255, 0, 0);
const QColor Gefaelle(0, 0, 255);
const QColor Einfuegemarke(255, 0, 0);

// Half the width and the height of the insertion mark, in pixels.
constexpr int MarkeHalbeBreite = 8;
constexpr int MarkeHoehe = 15;

} // namespace

bool GraphGesamtZeichnen(QPainter& graph, QPainter& streifen, const Profile& gesamt,
                         const Hoehenskala& skala, int32_t einfuegemarke, QSize graphGroesse,
                         QSize streifenGroesse, Geraetepixel geraet) {
    const int32_t W = graphGroesse.width();
    const int32_t Hi = graphGroesse.height();
    const int32_t Ws = streifenGroesse.width();
    const int32_t Hs = streifenGroesse.height();
    const int32_t strich = geraet.Strich();
    const int32_t rand = geraet.Pixel(5);
    const QRect graphFlaeche(0, 0, W, Hi);
    const QRect streifenFlaeche(0, 0, Ws, Hs);
    const bool glatt = gesamt.GlaettungEinAus;

    Rechteck(graph, 0, 0, W, Hi, Hintergrund, strich);
    // The strip's background reaches 10 rows below the strip, so its frame has no bottom edge.
    Rechteck(streifen, 0, 0, Ws, Hs + geraet.Pixel(10), Hintergrund, strich);
    if (gesamt.Abschnitte.empty()) return !glatt;

    // The strip has the graph's width; columns are mapped with the graph's width in both.
    BaenderZeichnen(graph, gesamt, W, Hi, Band, strich);
    BaenderZeichnen(streifen, gesamt, W, Hs, Band, strich);
    const bool balken = glatt && gesamt.SteigungMax > 0;
    if (balken) {
        Linie(streifen, QPoint(0, Hs), QPoint(Ws, Hs), Qt::black, streifenFlaeche, strich);
        for (int32_t y : GitterZeilen(gesamt.SteigungMax, Hs))
            Linie(streifen, QPoint(0, y), QPoint(Ws, y), Qt::black, streifenFlaeche, strich);
    }

    const ProfilePoint& erster = ErsterPunkt(gesamt);
    QPoint stift(0, HoeheZuY(glatt ? erster.HoeheGeglaettet : erster.Hoehe, skala, Hi, rand));
    const QColor linienFarbe = glatt ? LinieGeglaettet : QColor(Qt::black);
    SpaltenDurchlaufen(
        gesamt, W,
        [&](const ProfilePoint& p, int32_t x) {
            const QPoint ziel(x, HoeheZuY(glatt ? p.HoeheGeglaettet : p.Hoehe, skala, Hi, rand));
            Linie(graph, stift, ziel, linienFarbe, graphFlaeche, strich);
            stift = ziel;
            if (!balken) return;
            // A bar rises from the bottom edge for a descent as for an ascent; only the colour
            // tells them apart.
            const int32_t g = SteigungsBalken(p.Steigung, gesamt.SteigungMax, Hs);
            Linie(streifen, QPoint(x, Hs), QPoint(x, Hs - std::abs(g)), g > 0 ? Anstieg : Gefaelle,
                  streifenFlaeche, strich);
        },
        [&](int32_t x) {
            Linie(graph, QPoint(x, 0), QPoint(x, Hi), Qt::black, graphFlaeche, strich);
            if (glatt)
                Linie(streifen, QPoint(x, 0), QPoint(x, Hs), Qt::black, streifenFlaeche, strich);
        });

    const int32_t xm = StreckeZuX(EinfuegemarkenPosition(gesamt, einfuegemarke), gesamt.Strecke, W);
    const int32_t halb = geraet.Pixel(MarkeHalbeBreite);
    Dreieck(graph, QPoint(xm - halb, 0), QPoint(xm + halb, 0), QPoint(xm, geraet.Pixel(MarkeHoehe)),
            Einfuegemarke, strich);
    return !glatt;
}

GesamtBilder GraphGesamtBilder(const HoprexDaten& daten, Geraetepixel geraet) {
    GesamtBilder bilder;
    const QSize graphGroesse = geraet.Groesse(QSize(GraphBreite, GraphGesamtHoehe));
    const QSize streifenGroesse = geraet.Groesse(QSize(GraphBreite, SteigungsStreifenHoehe));
    bilder.Graph = QImage(graphGroesse, QImage::Format_RGB32);
    bilder.Streifen = QImage(streifenGroesse, QImage::Format_RGB32);
    {
        QPainter graph(&bilder.Graph);
        QPainter streifen(&bilder.Streifen);
        bilder.SteigungNurBeiSichtbar = GraphGesamtZeichnen(
            graph, streifen, daten.Gesamt,
            HoehenskalaFuer(daten.Gesamt, daten.SkalFixEin, daten.SkalFixMax, daten.SkalFixMin),
            daten.Einfuegemarke, graphGroesse, streifenGroesse, geraet);
    }
    // Set after drawing: the drawing works in device pixels.
    bilder.Graph.setDevicePixelRatio(geraet.Faktor);
    bilder.Streifen.setDevicePixelRatio(geraet.Faktor);
    return bilder;
}
