// Pictures of the route: PNG, SVG and PDF read back, and the printed page.
#include "chart/route_picture.h"
#include "support/qt_picture_files.h"
#include "support/route_builder.h"
#include "support/temp_dir.h"

#include <QImage>
#include <QPrinter>
#include <cstdlib>
#include <gtest/gtest.h>

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
