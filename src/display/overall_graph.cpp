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
                         QSize streifenGroesse) {
    const int32_t W = graphGroesse.width();
    const int32_t Hi = graphGroesse.height();
    const int32_t Ws = streifenGroesse.width();
    const int32_t Hs = streifenGroesse.height();
    const QRect graphFlaeche(0, 0, W, Hi);
    const QRect streifenFlaeche(0, 0, Ws, Hs);
    const bool glatt = gesamt.GlaettungEinAus;

    Rechteck(graph, 0, 0, W, Hi, Hintergrund);
    // The strip's background reaches 10 rows below the strip, so its frame has no bottom edge.
    Rechteck(streifen, 0, 0, Ws, Hs + 10, Hintergrund);
    if (gesamt.Abschnitte.empty()) return !glatt;

    // The strip has the graph's width; columns are mapped with the graph's width in both.
    BaenderZeichnen(graph, gesamt, W, Hi, Band);
    BaenderZeichnen(streifen, gesamt, W, Hs, Band);
    const bool balken = glatt && gesamt.SteigungMax > 0;
    if (balken) {
        Linie(streifen, QPoint(0, Hs), QPoint(Ws, Hs), Qt::black, streifenFlaeche);
        for (int32_t y : GitterZeilen(gesamt.SteigungMax, Hs))
            Linie(streifen, QPoint(0, y), QPoint(Ws, y), Qt::black, streifenFlaeche);
    }

    const ProfilePoint& erster = ErsterPunkt(gesamt);
    QPoint stift(0, HoeheZuY(glatt ? erster.HoeheGeglaettet : erster.Hoehe, skala, Hi));
    const QColor linienFarbe = glatt ? LinieGeglaettet : QColor(Qt::black);
    SpaltenDurchlaufen(
        gesamt, W,
        [&](const ProfilePoint& p, int32_t x) {
            const QPoint ziel(x, HoeheZuY(glatt ? p.HoeheGeglaettet : p.Hoehe, skala, Hi));
            Linie(graph, stift, ziel, linienFarbe, graphFlaeche);
            stift = ziel;
            if (!balken) return;
            // A bar rises from the bottom edge for a descent as for an ascent; only the colour
            // tells them apart.
            const int32_t g = SteigungsBalken(p.Steigung, gesamt.SteigungMax, Hs);
            Linie(streifen, QPoint(x, Hs), QPoint(x, Hs - std::abs(g)), g > 0 ? Anstieg : Gefaelle,
                  streifenFlaeche);
        },
        [&](int32_t x) {
            Linie(graph, QPoint(x, 0), QPoint(x, Hi), Qt::black, graphFlaeche);
            if (glatt) Linie(streifen, QPoint(x, 0), QPoint(x, Hs), Qt::black, streifenFlaeche);
        });

    const int32_t xm = StreckeZuX(EinfuegemarkenPosition(gesamt, einfuegemarke), gesamt.Strecke, W);
    Dreieck(graph, QPoint(xm - MarkeHalbeBreite, 0), QPoint(xm + MarkeHalbeBreite, 0),
            QPoint(xm, MarkeHoehe), Einfuegemarke);
    return !glatt;
}

GesamtBilder GraphGesamtBilder(const HoprexDaten& daten) {
    GesamtBilder bilder;
    bilder.Graph = QImage(GraphBreite, GraphGesamtHoehe, QImage::Format_RGB32);
    bilder.Streifen = QImage(GraphBreite, SteigungsStreifenHoehe, QImage::Format_RGB32);
    {
        QPainter graph(&bilder.Graph);
        QPainter streifen(&bilder.Streifen);
        bilder.SteigungNurBeiSichtbar = GraphGesamtZeichnen(
            graph, streifen, daten.Gesamt,
            HoehenskalaFuer(daten.Gesamt, daten.SkalFixEin, daten.SkalFixMax, daten.SkalFixMin),
            daten.Einfuegemarke);
    }
    return bilder;
}
