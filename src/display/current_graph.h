#pragma once

#include "display/graph_mapping.h"
#include "model/hoprex_data.h"
#include "model/profile.h"

#include <QImage>
#include <QSize>

class QPainter;

// Draws the current graph onto `maler`, whose surface is `groesse` pixels (the window's is
// 409 x 129, in device pixels `geraet` times that) with its top left corner at (0, 0): the
// framed background, the marked bands, the plain height line (at most one segment per pixel
// column) and the section separators. Every pixel is set without antialiasing; lines include
// their start and exclude their end pixel.
void GraphAktuellZeichnen(QPainter& maler, const Profile& aktuell, const Hoehenskala& skala,
                          QSize groesse = QSize(GraphBreite, GraphAktuellHoehe),
                          Geraetepixel geraet = {});

// The current graph of the window's data as a 409 x 129 image (in the device pixels of
// `geraet`, with that device pixel ratio), with the window's height scale.
QImage GraphAktuellBild(const HoprexDaten& daten, Geraetepixel geraet = {});
