// Pictures of the route: PNG, SVG and PDF read back, and the printed page.
#include "chart/route_picture.h"
#include "support/route_builder.h"
#include "support/temp_dir.h"

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>
#include <QXmlStreamReader>
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

// The pages of a PDF file: its page objects, "/Type /Page" but not "/Type /Pages".
int Seiten(const QByteArray& pdf) {
    return static_cast<int>(
        QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

// The size in points of the (first) page of a PDF file.
QSizeF Seitengroesse(const QByteArray& pdf) {
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
            .match(QString::fromLatin1(pdf));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

// The root element of an SVG file and its view box; empty when the XML does not parse.
QString SvgAnsicht(const QByteArray& svg) {
    QXmlStreamReader xml(svg);
    QString ansicht;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && ansicht.isNull())
            ansicht = xml.name().toString() + ' ' + xml.attributes().value("viewBox").toString();
    return xml.hasError() ? QString() : ansicht;
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
    EXPECT_EQ(Seiten(pdf), 1);
    // 1200 x 500 pixels at 96 per inch are 900 x 375 points.
    EXPECT_EQ(Seitengroesse(pdf), QSizeF(900, 375));
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
    QFile datei(drucker.outputFileName());
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray pdf = datei.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(Seiten(pdf), 1);
    const QSizeF seite = Seitengroesse(pdf); // A4 across
    EXPECT_NEAR(seite.width(), 842, 1);
    EXPECT_NEAR(seite.height(), 595, 1);
}
