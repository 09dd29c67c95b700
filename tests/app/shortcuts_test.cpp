// The window's keyboard shortcuts, pressed as the user presses them (through Qt's shortcut
// handling, which the focused control may claim keys from).
#include "app/graph_surface.h"
#include "app/section_list.h"
#include "app/translations.h"
#include "files/profile_file.h"
#include "support/profile_builder.h"
#include "window_fixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

Profile Route() {
    return ProfilAus(
        {Abschnitt({100, 200}, {0.0f, 1.0f}, "A"), Abschnitt({200, 300}, {0.0f, 2.0f}, "B")});
}

QString Gefragt(const TestDialoge& d) {
    return d.Fragen.empty() ? QString() : d.Fragen.back().Titel;
}

} // namespace

TEST(HoprexTasten, EachShortcutDoesWhatItsButtonDoes) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ASSERT_EQ(QApplication::focusWidget(), f.T_Schwelle);

    // Ctrl+O: the lower "Öffnen", from the edit that has the focus at the start.
    DateiAnlegen(u.Ordner.Datei("route.hpx"), ProfilDateiInhalt(Route()));
    u.Dialoge.Pfade.push_back(u.Pfad("route.hpx"));
    QTest::keyClick(f.T_Schwelle, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(Gefragt(u.Dialoge), "HPX Daten laden");
    EXPECT_EQ(f.Daten.Gesamt.AnzahlAbschnitte(), 2);

    // Ctrl+Shift+O: the upper one.
    u.Dialoge.Pfade.push_back(u.Pfad("route.hpx"));
    QTest::keyClick(f.LB_HAbschnitteGesamt, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(f.Daten.Aktuell.AnzahlAbschnitte(), 2);

    // Ctrl+S and Ctrl+E, also from a number edit, which would take Ctrl+E as "end of line".
    QTest::keyClick(f.T_Steigung, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Gefragt(u.Dialoge), "HPX Daten speichern");
    f.T_Steigung->setFocus();
    f.T_Steigung->setCursorPosition(0);
    QTest::keyClick(f.T_Steigung, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(Gefragt(u.Dialoge), "HPX Daten exportieren (*.txt *.gpx *.tcx *.fit *.crs)");
    EXPECT_EQ(f.T_Steigung->cursorPosition(), 0);

    // Delete deletes the marked sections where the route has the focus, and only there.
    MausKlick(f.LB_HAbschnitteGesamt->viewport(),
              f.LB_HAbschnitteGesamt->visualItemRect(f.LB_HAbschnitteGesamt->item(0)).center());
    f.T_Schwelle->setFocus();
    QTest::keyClick(f.T_Schwelle, Qt::Key_Delete);
    EXPECT_EQ(f.Daten.Gesamt.AnzahlAbschnitte(), 2);
    f.LB_HAbschnitteGesamt->setFocus();
    QTest::keyClick(f.LB_HAbschnitteGesamt, Qt::Key_Delete);
    EXPECT_EQ(f.Daten.Gesamt.AnzahlAbschnitte(), 1);
    MausKlick(f.Image_Gesamt, {100, 50});
    ASSERT_EQ(QApplication::focusWidget(), f.Image_Gesamt);
    QTest::keyClick(f.Image_Gesamt, Qt::Key_Delete);
    EXPECT_EQ(f.Daten.Gesamt.AnzahlAbschnitte(), 0);
    EXPECT_TRUE(u.Dialoge.Boxen.empty());
}

TEST(HoprexTasten, TooltipsNameTheKeysInGerman) {
    const QtTexteDeutsch deutsch;
    FensterUmgebung u;
    THoprex& f = u.Starten();
    EXPECT_EQ(f.BT_GesamtWerteEinlesen->toolTip(), "*.hpx Datei einlesen (Strg+O)");
    EXPECT_EQ(f.BT_AktuellWerteEinlesen->toolTip(), "*.hpx Datei einlesen (Strg+Umschalt+O)");
    EXPECT_EQ(f.BT_GesamtWerteSpeichern->toolTip(),
              QStringLiteral("Höhenverlauf als *.hpx speichern (Strg+S)"));
    EXPECT_EQ(f.BT_Export->toolTip(), QStringLiteral("Höhenverlauf exportieren (Strg+E)"));
    EXPECT_EQ(f.BT_GesamtWerteLoeschen->toolTip(),
              QStringLiteral("Markierte Abschnitte löschen (Entf)"));
    EXPECT_TRUE(f.BitBtn2->toolTip().isEmpty());

    // F1 shows the info dialog.
    QString gezeigt;
    QTimer::singleShot(0, [&gezeigt] {
        if (QWidget* info = QApplication::activeModalWidget()) {
            gezeigt = info->windowTitle();
            info->close();
        }
    });
    QTest::keyClick(&f, Qt::Key_F1);
    EXPECT_EQ(gezeigt, QStringLiteral("Info über Hoprex"));
}
