// The climbs in the route view: bands in the chart, the table beside them, each leading to the
// other, and the joins that do not fit.
#include "app/climb_table.h"
#include "app/route_view_window.h"
#include "chart/route_chart.h"
#include "support/route_builder.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TRoutenprofil& Offen(THoprex& f) {
    f.activateWindow();
    QApplication::processEvents();
    QTest::keyClick(&f, Qt::Key_R, Qt::ControlModifier);
    QApplication::processEvents();
    return *f.Routenprofil;
}

// Above the summit of a climb at `km`: the band's orange over white, or white.
bool Band(TRoutenChart* c, double km, double m) {
    const QColor p = c->grab().toImage().pixelColor(qRound(c->xAxis->coordToPixel(km)),
                                                    qRound(c->yAxis->coordToPixel(m)));
    return p.red() > 240 && p.blue() < p.green() && p.green() < 245;
}

} // namespace

TEST(RoutenprofilAnstiege, TwoClimbsTwoRowsTwoBandsAndARowClickZoomsToItsClimb) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    // 2 km at 6 % from 1.02 km to 620 m, 1 km down, 1.5 km at 8 % from 4.02 km to 710 m.
    ProfilLaden(u, "zwei.hpx", Steigungsroute({{1, 0}, {2, 6}, {1, -3}, {1.5, 8}, {1, 0}}), true);
    TRoutenprofil& r = Offen(f);
    TAnstiegsTafel* t = r.Anstiege;
    TRoutenChart* c = r.Chart;
    ASSERT_EQ(t->Modell->rowCount(), 2);
    EXPECT_EQ(t->L_Anstiege->text(), "2 Anstiege");
    EXPECT_EQ(t->Modell->index(1, 1).data().toString(), "4.02");
    EXPECT_EQ(t->Modell->index(1, 4).data().toString(), "120");
    EXPECT_EQ(t->Modell->index(1, 7).data().toString(), "4");
    EXPECT_TRUE(Band(c, 1.3, 730)); // beside the labels, which are centred over the bands
    EXPECT_TRUE(Band(c, 4.2, 735));
    EXPECT_FALSE(Band(c, 3.5, 740)); // the descent between them
    EXPECT_FALSE(Band(c, 6.0, 740));

    const QRect zeile = t->TV_Anstiege->visualRect(t->Modell->index(1, 2));
    QTest::mouseClick(t->TV_Anstiege->viewport(), Qt::LeftButton, {}, zeile.center());
    EXPECT_LE(c->Bereich().lower, 4.02);
    EXPECT_GE(c->Bereich().upper, 5.52);
    EXPECT_LT(c->Bereich().size(), 1.5 * 1.3);

    // A click on the first climb's band selects its row; a drag does not.
    c->GanzeRoute();
    const QPoint band(qRound(c->xAxis->coordToPixel(2.0)), qRound(c->yAxis->coordToPixel(700)));
    QTest::mouseClick(c, Qt::LeftButton, {}, band);
    const QModelIndexList gewaehlt = t->TV_Anstiege->selectionModel()->selectedRows();
    ASSERT_EQ(gewaehlt.size(), 1);
    EXPECT_EQ(t->Modell->AnstiegIn(gewaehlt[0].row()), 0u);
    EXPECT_TRUE(c->ZeigtGanzeRoute());

    // Sorted by height gain, steepest first: the table reads in that order and copies so.
    t->TV_Anstiege->sortByColumn(6, Qt::DescendingOrder);
    EXPECT_EQ(t->Modell->index(0, 0).data().toString(), "2");
    MausKlick(t->BT_Kopieren);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "Nr\tvon km\tbis km\tLänge km\tHöhenmeter\tSteigung %\tmax. Steigung %\tKategorie\t"
              "FIETS\tHinweis\n"
              "2\t4.02\t5.52\t1.50\t120\t8.0\t8.0\t4\t0.96\t\n"
              "1\t1.02\t3.02\t2.00\t120\t6.0\t6.0\t4\t0.72\t\n");
}

TEST(RoutenprofilAnstiege, AJoinThatDoesNotFitIsMarkedAndNamed) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    // Sections of 100 points; from the third on 80 m higher than the ramp they continue.
    Profile p = Steigungsroute({{2, 0}, {4, 5}, {2, 0}}, 500, 100);
    for (size_t i = 2; i < p.Abschnitte.size(); ++i)
        for (int32_t j = 0; j < p.Abschnitte[i].Punktanzahl; ++j)
            p.Abschnitte[i].Punkte[j].Hoehe += 80;
    ProfilLaden(u, "sprung.hpx", p, true);
    TRoutenprofil& r = Offen(f);
    TAnstiegsTafel* t = r.Anstiege;
    EXPECT_TRUE(t->L_Anstiege->text().startsWith(
        "1 Anstieg  ·  1 Abschnittsgrenze mit mehr als 50 m Höhensprung (rot markiert)"))
        << t->L_Anstiege->text().toStdString();
    ASSERT_EQ(t->Modell->rowCount(), 1);
    EXPECT_EQ(t->Modell->index(0, 9).data().toString(),
              "Höhensprung +81 m bei km 4.02 (Abschnitt 2/3)");
    // The red stroke at the join.
    const QImage bild = r.Chart->grab().toImage();
    const QColor strich = bild.pixelColor(qRound(r.Chart->xAxis->coordToPixel(4.02)),
                                          qRound(r.Chart->yAxis->coordToPixel(640)));
    EXPECT_TRUE(strich.red() > 200 && strich.green() < 60) << strich.name().toStdString();
}
