// Texts, colours and tick steps of the route view.
#include "display/axis_steps.h"
#include "display/route_colors.h"
#include "display/route_texts.h"
#include "support/profile_builder.h"

#include <QSet>
#include <gtest/gtest.h>

TEST(RoutenKopf, TheTotalsOfTheMainWindowWithTheRouteName) {
    Profile p = ProfilAus({Abschnitt({100, 150, 120, 180}, 0.5f), Abschnitt({500, 400}, 0.25f)});
    Statistik(p);
    EXPECT_EQ(RoutenKopf(p, "Alpen"),
              "Alpen    Länge 2.50 km    Anstieg 110 m    Abstieg 130 m    Min 100 m    Max 500 m");
    // Smoothed, the smoothed totals; a descent of 0 is left out as in the totals row.
    p.GlaettungEinAus = true;
    p.HoehenmeterMinusGeglaettet = 0;
    p.HoehenmeterPlusGeglaettet = 77;
    p.HoeheMinGeglaettet = 140;
    p.HoeheMaxGeglaettet = 450;
    EXPECT_EQ(RoutenKopf(p, ""), "Länge 2.50 km    Anstieg 77 m    Min 140 m    Max 450 m");
    Profile leer;
    Statistik(leer);
    EXPECT_EQ(RoutenKopf(leer, ""), "Länge 0.00 km");
}

TEST(AblesungsText, KmHeightsGradientAndTheSection) {
    Profile p = ProfilAus({Abschnitt({100}, 0.5f), Abschnitt({850, 860}, 0.125f, "Über den Pass")});
    Statistik(p);
    ProfilePoint& q = p.Abschnitte[1].Punkte[1];
    q.HoeheGeglaettet = 845;
    q.Steigung = 4.54f;
    const Ablesung a = AblesungBei(p, 0.75).value();
    EXPECT_EQ(AblesungsText(p, a),
              "0.750 km\nHöhe 860 m\ngeglättet 845 m\nSteigung 4.5 %\nAbschnitt 2: Über den Pass");
    q.Steigung = -0.04f; // rounds to zero: no minus sign
    EXPECT_EQ(AblesungsText(p, AblesungBei(p, 0.0).value()).section('\n', 4), "Abschnitt 1");
    EXPECT_TRUE(AblesungsText(p, AblesungBei(p, 0.75).value()).contains("Steigung 0.0 %"));
}

TEST(StreckenText, TheFiguresOfTheStretchInOneLine) {
    StreckenWerte w;
    w.Punkte = 300;
    w.Von = 12.3f;
    w.Bis = 18.75f;
    w.Laenge = 6.45f;
    w.HoehenmeterPlus = 420;
    w.HoehenmeterMinus = 130;
    w.MittlereSteigung = -4.46f;
    EXPECT_EQ(StreckenText(w), "12.300 - 18.750 km: Länge 6.45 km, Anstieg 420 m, Abstieg 130 m, "
                               "mittlere Steigung -4.5 %");
    EXPECT_EQ(StreckenText(StreckenWerte{}), "Auswahl ohne Punkte");
}

TEST(SteigungsFarbe, TenDistinctColoursAndTheLegendTexts) {
    QSet<QRgb> farben;
    for (int32_t k : {-5, -4, -3, -2, -1, 1, 2, 3, 4, 5})
        farben.insert(SteigungsFarbe(k).rgb());
    EXPECT_EQ(farben.size(), 10);
    // Ascents warm (more red than blue), descents cool; steeper is darker.
    EXPECT_GT(SteigungsFarbe(3).red(), SteigungsFarbe(3).blue());
    EXPECT_GT(SteigungsFarbe(-3).blue(), SteigungsFarbe(-3).red());
    EXPECT_LT(SteigungsFarbe(5).lightness(), SteigungsFarbe(1).lightness());
    EXPECT_LT(SteigungsFarbe(-5).lightness(), SteigungsFarbe(-1).lightness());
    EXPECT_EQ(KlassenText(1), "bis 3 %");
    EXPECT_EQ(KlassenText(4), "bis 12 %");
    EXPECT_EQ(KlassenText(5), "über 12 %");
}

TEST(TickSchritt, OneTwoFiveStepsThatFitTheCount) {
    EXPECT_DOUBLE_EQ(TickSchritt(8920.0, 10), 1000.0);
    EXPECT_DOUBLE_EQ(TickSchritt(100.0, 10), 10.0);
    EXPECT_DOUBLE_EQ(TickSchritt(101.0, 10), 20.0);
    EXPECT_DOUBLE_EQ(TickSchritt(1500.0, 6), 500.0);
    EXPECT_DOUBLE_EQ(TickSchritt(0.07, 5), 0.02);
    EXPECT_DOUBLE_EQ(TickSchritt(3.0, 1), 5.0);
    EXPECT_DOUBLE_EQ(TickSchritt(0.0, 5), 1.0);
    EXPECT_DOUBLE_EQ(TickSchritt(-3.0, 5), 1.0);
    EXPECT_DOUBLE_EQ(TickSchritt(10.0, 0), 1.0);

    EXPECT_EQ(Nachkommastellen(1000.0), 0);
    EXPECT_EQ(Nachkommastellen(1.0), 0);
    EXPECT_EQ(Nachkommastellen(0.5), 1);
    EXPECT_EQ(Nachkommastellen(0.1), 1);
    EXPECT_EQ(Nachkommastellen(0.02), 2);
    EXPECT_EQ(Nachkommastellen(0.001), 3);
}
