#pragma once

#include "display/graph_mapping.h"
#include "model/hoprex_data.h"
#include "model/profile.h"

#include <QImage>
#include <QSize>

class QPainter;

// Draws the overall graph onto `graph` (surface `graphGroesse`, the window's is 409 x 141) and
// the gradient strip onto `streifen` (surface `streifenGroesse`, 409 x 60), both in the device
// pixels of `geraet` (lines, margins and the mark scaled with it): framed backgrounds,
// marked bands in both, with GlaettungEinAus the strip grid, the smoothed (blue) height line and
// the gradient bars (red for an ascent, blue otherwise), else the plain (black) line only; the
// section separators and the insertion mark `einfuegemarke` (gap index, red triangle at the top
// edge). An empty profile draws only the backgrounds. The marked statistics are not touched:
// the caller runs MarkierteStatistikBerechnen with every drawing.
// Returns whether the label T_SteigungNurBei is to be visible (smoothing off).
bool GraphGesamtZeichnen(QPainter& graph, QPainter& streifen, const Profile& gesamt,
                         const Hoehenskala& skala, int32_t einfuegemarke,
                         QSize graphGroesse = QSize(GraphBreite, GraphGesamtHoehe),
                         QSize streifenGroesse = QSize(GraphBreite, SteigungsStreifenHoehe),
                         Geraetepixel geraet = {});

// The overall graph and strip of the window's data, with the window's height scale, in the
// device pixels of `geraet` (with that device pixel ratio).
struct GesamtBilder {
    QImage Graph;                        // 409 x 141
    QImage Streifen;                     // 409 x 60
    bool SteigungNurBeiSichtbar = false; // T_SteigungNurBei
};
GesamtBilder GraphGesamtBilder(const HoprexDaten& daten, Geraetepixel geraet = {});
