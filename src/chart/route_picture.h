#pragma once

#include "model/hoprex_data.h"
#include "model/route_view_settings.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <qcustomplot.h>

class QPrinter;

// Pictures of the route: the route chart drawn afresh at the picture's size, without the
// insertion mark, the crosshair and the selection. The window's "Als Bild speichern…" and
// "Drucken…" and hoprex-cli plot all draw them here.

enum class BildFormat { Png, Svg, Pdf };

// The format of a picture file by its extension (".png", ".svg", ".pdf" in any letter case);
// std::nullopt for any other.
std::optional<BildFormat> BildFormatVon(const QString& pfad);

// What a picture shows: the overall profile of `Daten` drawn as `Darstellung` says, over the km
// range `Bereich` (the whole route when none).
struct RoutenBildInhalt {
    const HoprexDaten& Daten;
    RoutenDarstellung Darstellung;
    std::optional<QCPRange> Bereich;
};

// Called while a PNG is drawn, after each band of rows, with the rows done and all rows of the
// picture; false stops the drawing, and no picture is made.
using BildFortschritt = std::function<bool(int fertig, int alle)>;

// The bytes of the picture at `groesse` pixels (an SVG and a PDF page of that size at 96 pixels
// per inch); empty when it could not be made (a size too large for memory) or was stopped. A
// PNG is drawn and compressed in bands of rows, so that a large one never needs all its pixels
// in memory at once.
QByteArray RoutenBildDaten(const RoutenBildInhalt& inhalt, QSize groesse, BildFormat format,
                           const BildFortschritt& fortschritt = {});

// Prints the picture on `drucker`, fitted to the page whatever its orientation, with the
// chart's fonts and lines at a readable size. False when the printer could not be started.
bool RoutenDrucken(const RoutenBildInhalt& inhalt, QPrinter& drucker);
