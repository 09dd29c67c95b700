// The route chart: what it draws, and reading it with the mouse.
#include "chart/route_chart.h"
#include "display/route_colors.h"
#include "model/smoothing.h"
#include "model/stretch_statistics.h"
#include "support/profile_builder.h"
#include "support/route_builder.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

HoprexDaten Rampendaten() {
    HoprexDaten d;
    d.Gesamt = Rampe();
    return d;
}

struct Chart {
    explicit Chart(const HoprexDaten& d, QSize groesse = QSize(1000, 420)) {
        c.resize(groesse);
        c.DatenSetzen(&d);
        c.show();
        QApplication::processEvents();
        c.Aktualisieren();
    }
    QImage Bild() { return c.toPixmap(c.width(), c.height()).toImage(); }
    QPoint Pixel(double km, double m) const {
        return QPoint(qRound(c.xAxis->coordToPixel(km)), qRound(c.yAxis->coordToPixel(m)));
    }
    void Maus(QEvent::Type art, QPoint p, Qt::MouseButton knopf = Qt::LeftButton,
              Qt::KeyboardModifiers umschalter = {}) {
        const Qt::MouseButtons gehalten = art == QEvent::MouseButtonRelease ? Qt::NoButton : knopf;
        QMouseEvent e(art, p, c.mapToGlobal(p), art == QEvent::MouseMove ? Qt::NoButton : knopf,
                      gehalten, umschalter);
        QApplication::sendEvent(&c, &e);
    }
    void Rad(QPoint p, int stufen) {
        QWheelEvent e(p, c.mapToGlobal(p), QPoint(), QPoint(0, 120 * stufen), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&c, &e);
    }
    TRoutenChart c;
};

} // namespace

TEST(RoutenChart, FillsBelowTheLineInTheGradientClassesAndMarksSections) {
    HoprexDaten d = Rampendaten();
    d.Gesamt.Abschnitte[2].Markiert = 1;
    d.Einfuegemarke = 1;
    Chart t(d);
    QImage bild = t.Bild();
    // Low in the fill (between the grid lines): flat, steep up, steep down; above the line of
    // the marked section the band.
    EXPECT_EQ(bild.pixelColor(t.Pixel(0.55, 496)), SteigungsFarbe(1));
    EXPECT_EQ(bild.pixelColor(t.Pixel(1.55, 496)), SteigungsFarbe(5));
    EXPECT_EQ(bild.pixelColor(t.Pixel(2.55, 496)), SteigungsFarbe(-5));
    EXPECT_EQ(bild.pixelColor(t.Pixel(1.5, 640)), QColor(Qt::white));
    const QColor band = bild.pixelColor(t.Pixel(2.8, 640));
    EXPECT_TRUE(band.red() > 200 && band.green() > 200 && band.blue() < 200)
        << band.name().toStdString();
    // The insertion mark, red at the top edge where section 2 starts.
    const QPoint marke(t.Pixel(1.0, 0).x(), t.c.axisRect()->top() + 4);
    EXPECT_EQ(bild.pixelColor(marke), RoutenEinfuegemarke);

    // Without gradient colours one fill colour; without the mark no red.
    t.c.DarstellungSetzen({true, false, true});
    t.c.EinfuegemarkeZeigen(false);
    t.c.Aktualisieren();
    bild = t.Bild();
    EXPECT_EQ(bild.pixelColor(t.Pixel(1.55, 496)), RoutenFuellung);
    EXPECT_EQ(bild.pixelColor(t.Pixel(2.55, 496)), RoutenFuellung);
    EXPECT_NE(bild.pixelColor(QPoint(t.Pixel(1.0, 0).x(), t.c.axisRect()->top() + 4)),
              RoutenEinfuegemarke);
}

TEST(RoutenChart, FollowsAChangeOfTheProfile) {
    HoprexDaten d = Rampendaten();
    Chart t(d);
    EXPECT_TRUE(t.c.ZeigtGanzeRoute());
    EXPECT_DOUBLE_EQ(t.c.Bereich().upper, d.Gesamt.Strecke);
    // The route loses its last section: the whole route is shown again, the height axis shrinks.
    d.Gesamt.Abschnitte.pop_back();
    Statistik(d.Gesamt);
    t.c.Aktualisieren();
    EXPECT_NEAR(t.c.Bereich().upper, 2.0, 1e-5);
    EXPECT_LT(t.c.yAxis->range().upper, 700.0);
    // A zoomed view keeps its range while it lies on the route.
    t.c.BereichSetzen(QCPRange(0.5, 1.0));
    t.c.Aktualisieren();
    EXPECT_FALSE(t.c.ZeigtGanzeRoute());
    EXPECT_NEAR(t.c.Bereich().lower, 0.5, 1e-9);
    d.Gesamt.Abschnitte.pop_back();
    Statistik(d.Gesamt);
    t.c.Aktualisieren();
    EXPECT_NEAR(t.c.Bereich().upper, 1.0, 1e-5);
}

TEST(RoutenChart, WheelZoomsAroundThePointerDraggingPansDoubleClickShowsAll) {
    HoprexDaten d = Rampendaten();
    Chart t(d);
    const QPoint zeiger = t.Pixel(1.0, 600);
    const double kmUnterZeiger = t.c.xAxis->pixelToCoord(zeiger.x());
    t.Rad(zeiger, 2);
    const QCPRange zoom = t.c.Bereich();
    EXPECT_LT(zoom.size(), 3.0 * 0.8);
    EXPECT_NEAR(t.c.xAxis->pixelToCoord(zeiger.x()), kmUnterZeiger, 1e-3);
    // Zooming out stops at the whole route.
    t.Rad(zeiger, -20);
    EXPECT_TRUE(t.c.ZeigtGanzeRoute());
    EXPECT_DOUBLE_EQ(t.c.Bereich().size(), d.Gesamt.Strecke);
    // Zooming in stops at 50 m.
    t.Rad(zeiger, 60);
    EXPECT_NEAR(t.c.Bereich().size(), TRoutenChart::MindestBereich, 1e-9);

    // Dragging 100 pixels to the left moves the view 100 pixels' worth of km to the right.
    t.c.BereichSetzen(QCPRange(1.0, 2.0));
    const double proPixel = 1.0 / t.c.axisRect()->width();
    t.Maus(QEvent::MouseButtonPress, t.Pixel(1.5, 600));
    t.Maus(QEvent::MouseMove, t.Pixel(1.5, 600) - QPoint(100, 0));
    t.Maus(QEvent::MouseButtonRelease, t.Pixel(1.5, 600) - QPoint(100, 0));
    EXPECT_NEAR(t.c.Bereich().lower, 1.0 + 100 * proPixel, 1e-6);
    // Never beyond the end of the route.
    t.c.BereichSetzen(QCPRange(2.5, 3.5));
    EXPECT_NEAR(t.c.Bereich().upper, d.Gesamt.Strecke, 1e-6);
    EXPECT_NEAR(t.c.Bereich().size(), 1.0, 1e-6);

    t.Maus(QEvent::MouseButtonDblClick, t.Pixel(2.7, 600));
    EXPECT_TRUE(t.c.ZeigtGanzeRoute());
}

TEST(RoutenChart, TheCrosshairReadsTheNearestPoint) {
    HoprexDaten d = Rampendaten();
    Chart t(d);
    // 1.5 km: point 50 of section 2, 500 + 50 * 1.5 m, rising at 15 %.
    t.Maus(QEvent::MouseMove, t.Pixel(1.5, 600), Qt::NoButton);
    EXPECT_EQ(t.c.AblesungsAnzeige(),
              "1.500 km\nHöhe 575 m\ngeglättet 575 m\nSteigung 15.0 %\nAbschnitt 2: Auf");
    // Leaving the chart hides it.
    QEvent weg(QEvent::Leave);
    QApplication::sendEvent(&t.c, &weg);
    EXPECT_TRUE(t.c.AblesungsAnzeige().isEmpty());
    t.Maus(QEvent::MouseMove, QPoint(2, 2), Qt::NoButton); // over the header, not the chart
    EXPECT_TRUE(t.c.AblesungsAnzeige().isEmpty());
}

TEST(RoutenChart, AShiftDragSelectsAStretchWithItsFigures) {
    HoprexDaten d = Rampendaten();
    Chart t(d);
    QString gemeldet;
    QObject::connect(&t.c, &TRoutenChart::AuswahlGeaendert,
                     [&](const QString& text) { gemeldet = text; });
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    t.Maus(QEvent::MouseButtonPress, t.Pixel(2.8, 600), Qt::LeftButton, shift);
    t.Maus(QEvent::MouseMove, t.Pixel(0.5, 600), Qt::LeftButton, shift);
    t.Maus(QEvent::MouseButtonRelease, t.Pixel(0.5, 600), Qt::LeftButton, shift);
    ASSERT_TRUE(t.c.Auswahl());
    EXPECT_NEAR(t.c.Auswahl()->lower, 0.5, 0.005);
    EXPECT_NEAR(t.c.Auswahl()->upper, 2.8, 0.005);
    // The view did not pan. The figures: all of the climb from 501 to 650 m (the step up from
    // the flat section's 500 m lies between sections), about 120 m of the descent.
    EXPECT_TRUE(t.c.ZeigtGanzeRoute());
    const StreckenWerte w = t.c.AuswahlWerte().value();
    EXPECT_EQ(w.HoehenmeterPlus, 149);
    EXPECT_NEAR(w.HoehenmeterMinus, 119, 3);
    EXPECT_NEAR(w.Laenge, 2.3, 0.03);
    EXPECT_EQ(w.HoehenmeterMinus,
              StreckeAuswerten(d.Gesamt, t.c.Auswahl()->lower, t.c.Auswahl()->upper, false)
                  .HoehenmeterMinus);
    EXPECT_EQ(gemeldet, t.c.AuswahlAnzeige());
    EXPECT_TRUE(
        gemeldet.contains(QStringLiteral("Anstieg 149 m, Abstieg %1 m").arg(w.HoehenmeterMinus)))
        << gemeldet.toStdString();

    // A Shift-click without dragging clears it.
    t.Maus(QEvent::MouseButtonPress, t.Pixel(1.0, 600), Qt::LeftButton, shift);
    t.Maus(QEvent::MouseButtonRelease, t.Pixel(1.0, 600), Qt::LeftButton, shift);
    EXPECT_FALSE(t.c.Auswahl());
    EXPECT_TRUE(gemeldet.isEmpty());
}

TEST(RoutenChart, AnEmptyOrDamagedRouteDrawsWithoutData) {
    HoprexDaten leer;
    Chart t(leer);
    EXPECT_TRUE(t.c.ZeigtGanzeRoute());
    t.Maus(QEvent::MouseMove, t.Pixel(0.5, 500), Qt::NoButton);
    EXPECT_TRUE(t.c.AblesungsAnzeige().isEmpty());
    t.Rad(t.Pixel(0.5, 500), 3);
    EXPECT_FALSE(t.Bild().isNull());

    // Negative steps and heights at the 32-bit ends from a damaged file.
    HoprexDaten d;
    d.Gesamt = ProfilAus({Abschnitt({INT32_MIN, INT32_MAX, 0, 5}, {0.5f, -2.0f, 1e30f, 0.1f})});
    Glaettungslauf(d.Gesamt, 450, 100);
    Statistik(d.Gesamt);
    Chart k(d);
    k.Rad(k.Pixel(0.1, 0), 5);
    k.Maus(QEvent::MouseMove, k.c.axisRect()->rect().center(), Qt::NoButton);
    EXPECT_FALSE(k.Bild().isNull());
}
