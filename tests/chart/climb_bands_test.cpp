// The climbs in the route chart and its pictures, and the fill by absolute gradient.
#include "chart/route_chart.h"
#include "chart/route_picture.h"
#include "display/route_colors.h"
#include "support/route_builder.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

// The band's orange over white.
bool Band(const QColor& p) {
    return p.red() > 240 && p.blue() < p.green() && p.green() < 245;
}

} // namespace

TEST(RoutenChartAnstiege, BandsInTheChartAndItsPicturesAndTheFillByAbsoluteGradient) {
    // Rampe: the climb of 150 m at 15 % from 1 to 2 km, its top at 650 m, then down at 15 %.
    HoprexDaten d;
    d.Gesamt = Rampe();
    TRoutenChart c;
    c.resize(900, 400);
    c.DatenSetzen(&d);
    c.show();
    QApplication::processEvents();
    c.Aktualisieren();
    ASSERT_EQ(c.Anstiege().Anstiege.size(), 1u);
    const auto pixel = [&](double km, double m) {
        return QPoint(qRound(c.xAxis->coordToPixel(km)), qRound(c.yAxis->coordToPixel(m)));
    };
    const QImage bild = c.toPixmap(900, 400).toImage();
    EXPECT_TRUE(Band(bild.pixelColor(pixel(1.5, 665))));
    EXPECT_FALSE(Band(bild.pixelColor(pixel(2.5, 665))));
    EXPECT_FALSE(Band(bild.pixelColor(pixel(0.5, 665))));

    QImage png;
    ASSERT_TRUE(png.loadFromData(RoutenBildDaten({d, {}, {}}, QSize(900, 400), BildFormat::Png)));
    EXPECT_TRUE(Band(png.pixelColor(pixel(1.5, 665))));

    // By absolute gradient the descent takes the colour of the ascent as steep.
    RoutenDarstellung betrag;
    betrag.SteigungBetrag = true;
    c.DarstellungSetzen(betrag);
    c.Aktualisieren();
    const QImage gleich = c.toPixmap(900, 400).toImage();
    EXPECT_EQ(gleich.pixelColor(pixel(2.55, 496)), SteigungsFarbe(5));
    EXPECT_EQ(gleich.pixelColor(pixel(1.55, 496)), SteigungsFarbe(5));
    EXPECT_EQ(c.legend->itemCount(), 6); // one row: its caption and five colours
}
