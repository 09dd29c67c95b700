// Pictures of the route: PNG, SVG and PDF read back, and the printed page.
#include "chart/route_chart.h"
#include "chart/route_picture.h"
#include "support/qt_picture_files.h"
#include "support/route_builder.h"
#include "support/temp_dir.h"

#include <QImage>
#include <QPrinter>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

namespace {

HoprexDaten MitTour(int32_t abschnitte) {
    HoprexDaten d;
    d.Gesamt = Tour(abschnitte);
    d.Gesamt.GlaettungEinAus = true;
    d.Dateiname = "Tour";
    return d;
}

} // namespace

TEST(RoutenBild, PngSvgAndPdfOfTheRequestedSize) {
    HoprexDaten d = MitTour(6);
    d.Gesamt.Abschnitte[2].Markiert = 1;
    const RoutenBildInhalt inhalt{d, {}, {}};

    const QByteArray png = RoutenBildDaten(inhalt, QSize(1200, 500), BildFormat::Png);
    QImage bild;
    ASSERT_TRUE(bild.loadFromData(png, "PNG"));
    EXPECT_EQ(bild.size(), QSize(1200, 500));
    if (const char* datei = std::getenv("HOPREX_ROUTENBILD")) bild.save(datei);

    EXPECT_EQ(SvgAnsicht(RoutenBildDaten(inhalt, QSize(1200, 500), BildFormat::Svg)),
              "svg 0 0 1200 500");

    const QByteArray pdf = RoutenBildDaten(inhalt, QSize(1200, 500), BildFormat::Pdf);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(PdfSeiten(pdf), 1);
    // 1200 x 500 pixels at 96 per inch are 900 x 375 points.
    EXPECT_EQ(PdfSeitengroesse(pdf), QSizeF(900, 375));
}

TEST(RoutenBild, TheSameRouteGivesTheSamePictureAndARangeAnother) {
    const HoprexDaten d = MitTour(3);
    const QByteArray ganz = RoutenBildDaten({d, {}, {}}, QSize(800, 400), BildFormat::Png);
    EXPECT_EQ(RoutenBildDaten({d, {}, {}}, QSize(800, 400), BildFormat::Png), ganz);
    const QByteArray teil =
        RoutenBildDaten({d, {}, QCPRange(5.0, 10.0)}, QSize(800, 400), BildFormat::Png);
    EXPECT_FALSE(teil.isEmpty());
    EXPECT_NE(teil, ganz);
    // The whole route as a range is the whole route.
    EXPECT_EQ(
        RoutenBildDaten({d, {}, QCPRange(0.0, d.Gesamt.Strecke)}, QSize(800, 400), BildFormat::Png),
        ganz);
}

// A PNG too large for one band is drawn in several, each from the whole chart: the seams must
// not show, so it is the chart drawn in one piece, pixel for pixel.
TEST(RoutenBild, ALargePngDrawnInBandsIsTheChartDrawnInOnePiece) {
    HoprexDaten d = MitTour(30);
    d.Gesamt.Abschnitte[3].Markiert = 1;
    const QSize groesse(2000, 4500);
    std::vector<int> fertig;
    const QByteArray png =
        RoutenBildDaten({d, {}, {}}, groesse, BildFormat::Png, [&](int zeilen, int alle) {
            EXPECT_EQ(alle, groesse.height());
            fertig.push_back(zeilen);
            return true;
        });
    QImage bild;
    ASSERT_TRUE(bild.loadFromData(png, "PNG"));
    ASSERT_GE(fertig.size(), 2u);
    EXPECT_TRUE(std::is_sorted(fertig.begin(), fertig.end()));
    EXPECT_EQ(fertig.back(), groesse.height());

    TRoutenChart chart;
    chart.resize(groesse);
    chart.setViewport(QRect(QPoint(0, 0), groesse));
    chart.EinfuegemarkeZeigen(false);
    chart.DatenSetzen(&d);
    chart.Uebernehmen();
    QImage ganz(groesse, QImage::Format_RGB32);
    ganz.fill(Qt::white);
    QCPPainter maler(&ganz);
    chart.toPainter(&maler, groesse.width(), groesse.height());
    maler.end();
    // Row by row the same picture: only where a band's edge cuts a dotted grid line or an
    // antialiased edge may a few pixels differ.
    const QImage teile = bild.convertToFormat(QImage::Format_RGB32);
    int schlechtesteZeile = 0;
    for (int y = 0; y < groesse.height(); ++y) {
        int anders = 0;
        for (int x = 0; x < groesse.width(); ++x)
            anders += teile.pixel(x, y) != ganz.pixel(x, y);
        schlechtesteZeile = std::max(schlechtesteZeile, anders);
    }
    EXPECT_LE(schlechtesteZeile, groesse.width() / 50);
    EXPECT_EQ(bild.dotsPerMeterX(), 3780); // 96 per inch

    // Stopped after its first band, it is no picture at all.
    EXPECT_TRUE(RoutenBildDaten({d, {}, {}}, groesse, BildFormat::Png, [](int, int) {
                    return false;
                }).isEmpty());
}

TEST(RoutenBild, TheFormatComesFromTheFileExtension) {
    EXPECT_EQ(BildFormatVon("/tmp/route.png"), BildFormat::Png);
    EXPECT_EQ(BildFormatVon("Route.PNG"), BildFormat::Png);
    EXPECT_EQ(BildFormatVon("a.b/route.svg"), BildFormat::Svg);
    EXPECT_EQ(BildFormatVon("route.Pdf"), BildFormat::Pdf);
    EXPECT_FALSE(BildFormatVon("route.jpg"));
    EXPECT_FALSE(BildFormatVon("route"));
    EXPECT_FALSE(BildFormatVon("png"));
}

TEST(RoutenDrucken, OneLandscapePageFilledByTheChart) {
    TempDir ordner;
    const HoprexDaten d = MitTour(4);
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(QString::fromStdString(ordner.Datei("druck.pdf")));
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageOrientation(QPageLayout::Landscape);
    ASSERT_TRUE(RoutenDrucken({d, {}, {}}, drucker));
    const QByteArray pdf = DateiBytes(drucker.outputFileName());
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(PdfSeiten(pdf), 1);
    const QSizeF seite = PdfSeitengroesse(pdf); // A4 across
    EXPECT_NEAR(seite.width(), 842, 1);
    EXPECT_NEAR(seite.height(), 595, 1);
}
