#include "chart/route_picture.h"

#include "chart/route_chart.h"
#include "display/png_stream.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>
#include <algorithm>

namespace {

// Pictures are laid out at screen pixels of 96 per inch.
constexpr int Aufloesung = 96;
// A printed page shows the chart as a window this wide shows it, scaled to the page.
constexpr int DruckBreite = 1400; // px

QString Titel() {
    return QStringLiteral("Routenprofil");
}

// A fresh chart of the picture's content; the caller draws it at the picture's size.
void Einrichten(TRoutenChart& chart, const RoutenBildInhalt& inhalt, QSize groesse) {
    chart.resize(groesse);
    chart.setViewport(QRect(QPoint(0, 0), groesse));
    chart.EinfuegemarkeZeigen(false);
    chart.DatenSetzen(&inhalt.Daten);
    chart.DarstellungSetzen(inhalt.Darstellung);
    chart.Uebernehmen();
    if (inhalt.Bereich) chart.xAxis->setRange(*inhalt.Bereich);
}

// Draws the chart onto a vector device: every element as lines and text, none cached in a
// pixmap, lines one pixel of the picture wide rather than one of the device.
bool VektorZeichnen(TRoutenChart& chart, QPaintDevice& geraet, QSize groesse,
                    double massstab = 1.0) {
    QCPPainter maler;
    if (!maler.begin(&geraet)) return false;
    maler.setMode(QCPPainter::pmVectorized);
    maler.setMode(QCPPainter::pmNoCaching);
    maler.setMode(QCPPainter::pmNonCosmetic);
    maler.scale(massstab, massstab);
    chart.toPainter(&maler, groesse.width(), groesse.height());
    return maler.end();
}

// Pixels of one band of a PNG: 16 MB, whatever the picture's size.
constexpr qsizetype BandPixel = qsizetype{4} << 20;

// The chart drawn band by band, each band onto white with the painter moved up by the rows
// above it, and each compressed before the next is drawn.
QByteArray PngZeichnen(TRoutenChart& chart, QSize groesse, const BildFortschritt& fortschritt) {
    if (groesse.isEmpty()) return {};
    const int bandHoehe =
        static_cast<int>(std::clamp<qsizetype>(BandPixel / groesse.width(), 1, groesse.height()));
    QImage band(groesse.width(), bandHoehe, QImage::Format_RGB32);
    if (band.isNull()) return {};
    PngStreifen png(groesse);
    // Between the bands a window's event loop runs to show the progress, and a replot that
    // QCustomPlot queued meanwhile would set up its paint buffers at the chart's viewport: at
    // the picture's size, several times the picture. Each band sets the viewport it draws in.
    chart.setViewport(QRect(0, 0, 1, 1));
    for (int oben = 0; oben < groesse.height(); oben += bandHoehe) {
        band.fill(Qt::white);
        QCPPainter maler(&band);
        maler.translate(0, -oben);
        chart.toPainter(&maler, groesse.width(), groesse.height());
        maler.end();
        const int zeilen = std::min(bandHoehe, groesse.height() - oben);
        if (!png.Anhaengen(zeilen == bandHoehe ? band : band.copy(0, 0, band.width(), zeilen)))
            return {};
        if (fortschritt && !fortschritt(oben + zeilen, groesse.height())) return {};
    }
    return png.Abschliessen();
}

} // namespace

std::optional<BildFormat> BildFormatVon(const QString& pfad) {
    const QString endung = QFileInfo(pfad).suffix().toLower();
    if (endung == QLatin1String("png")) return BildFormat::Png;
    if (endung == QLatin1String("svg")) return BildFormat::Svg;
    if (endung == QLatin1String("pdf")) return BildFormat::Pdf;
    return std::nullopt;
}

QByteArray RoutenBildDaten(const RoutenBildInhalt& inhalt, QSize groesse, BildFormat format,
                           const BildFortschritt& fortschritt) {
    TRoutenChart chart;
    Einrichten(chart, inhalt, groesse);
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    bool gut = false;
    switch (format) {
    case BildFormat::Png:
        return PngZeichnen(chart, groesse, fortschritt);
    case BildFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&puffer);
        svg.setSize(groesse);
        svg.setViewBox(QRect(QPoint(0, 0), groesse));
        svg.setResolution(Aufloesung);
        svg.setTitle(Titel());
        gut = VektorZeichnen(chart, svg, groesse);
        break;
    }
    case BildFormat::Pdf: {
        QPdfWriter pdf(&puffer);
        pdf.setResolution(Aufloesung);
        pdf.setPageSize(QPageSize(QSizeF(groesse) * 72.0 / Aufloesung, QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setCreator(QStringLiteral("Hoprex"));
        pdf.setTitle(Titel());
        gut = VektorZeichnen(chart, pdf, groesse);
        break;
    }
    }
    return gut ? daten : QByteArray();
}

bool RoutenDrucken(const RoutenBildInhalt& inhalt, QPrinter& drucker) {
    const QRect seite = drucker.pageLayout().paintRectPixels(drucker.resolution());
    if (seite.isEmpty()) return false;
    const QSize groesse(DruckBreite, qRound(DruckBreite * double(seite.height()) / seite.width()));
    TRoutenChart chart;
    Einrichten(chart, inhalt, groesse);
    return VektorZeichnen(chart, drucker, groesse, double(seite.width()) / DruckBreite);
}
