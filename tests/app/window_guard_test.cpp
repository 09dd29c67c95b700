// Nothing of the route is lost in the window: opening a file from outside the dialogs, the
// question before unsaved changes are thrown away, and the title that shows the route's state.
#include "app/section_list.h"
#include "files/profile_file.h"
#include "support/profile_builder.h"
#include "window_fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QThread>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A B C: 1, 2 and 3 km.
Profile Route() {
    return ProfilAus({Abschnitt({100, 200}, {0.0f, 1.0f}, "A"),
                      Abschnitt({200, 300}, {0.0f, 2.0f}, "B"),
                      Abschnitt({300, 400}, {0.0f, 3.0f}, "C")});
}

} // namespace

TEST(HoprexOeffnen, AFileNamedFromOutsideLoadsAsTheLowerOpenDoes) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    Profile route = Route();
    route.GlaettungMittelungUeber = 700;
    DateiAnlegen(u.Ordner.Datei("route.hpx"), ProfilDateiInhalt(route));

    EXPECT_TRUE(f.GesamtDateiOeffnen(u.Pfad("route.hpx")));
    EXPECT_EQ(f.LB_HAbschnitteGesamt->count(), 3);
    EXPECT_EQ(f.Daten.Dateiname, "route");
    EXPECT_EQ(f.T_Schwelle->text(), "700");
    EXPECT_TRUE(u.Dialoge.Fragen.empty());

    // A file that cannot be read: its message, and the route stays.
    EXPECT_FALSE(f.GesamtDateiOeffnen(u.Pfad("fehlt.hpx")));
    EXPECT_EQ(u.Dialoge.Boxen,
              (std::vector<TestDialoge::Box>{
                  {false, "Fehler", QStringLiteral("Fehler beim Öffnen der Datei")}}));
    EXPECT_EQ(f.LB_HAbschnitteGesamt->count(), 3);
}

TEST(HoprexTitel, FollowsTheRoutesFileAndWhetherItIsSaved) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    EXPECT_EQ(f.windowTitle(), "Hoprex");
    ProfilLaden(u, "route.hpx", Route(), true);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("route.hpx – Hoprex"));
    // A new current profile is no change of the route.
    ProfilLaden(u, "bild.hpx", Route(), false);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("route.hpx – Hoprex"));
    MausKlick(f.BT_WerteUebernehmen);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("*route.hpx – Hoprex"));
    // Undoing the transfer leaves the route modified: only saving or loading clears it.
    Taste(f.LB_HAbschnitteGesamt, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("*route.hpx – Hoprex"));
    u.Dialoge.Pfade.push_back(u.Pfad("neu.hpx"));
    MausKlick(f.BT_GesamtWerteSpeichern);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("neu.hpx – Hoprex"));
    // Undoing a load brings back the route before it with its file and state.
    Taste(f.LB_HAbschnitteGesamt, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("*neu.hpx – Hoprex"));
    EXPECT_TRUE(u.Dialoge.Rueckfragen.empty());
}

TEST(HoprexSchutz, ClosingAModifiedRouteAsksAndHonoursEachAnswer) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    // An unchanged route closes without a question.
    ProfilLaden(u, "route.hpx", Route(), true);
    EXPECT_TRUE(f.close());
    EXPECT_TRUE(u.Dialoge.Rueckfragen.empty());
    f.show();

    MausKlick(f.B_AbschnitteSpiegeln); // nothing marked: no change
    EXPECT_TRUE(f.close());
    f.show();
    f.LB_HAbschnitteGesamt->item(0)->setSelected(true);
    MausKlick(f.BT_GesamtWerteLoeschen);
    ASSERT_TRUE(f.Daten.GesamtGeaendert);

    // "Abbrechen" (also Escape) and a cancelled save keep the window and the route.
    u.Dialoge.Antworten = {"Abbrechen", "Speichern"};
    EXPECT_FALSE(f.close());
    Taste(f.LB_HAbschnitteGesamt, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(f.isVisible());
    ASSERT_EQ(u.Dialoge.Rueckfragen.size(), 2u);
    EXPECT_EQ(
        u.Dialoge.Rueckfragen[0],
        (TestDialoge::Rueckfrage{
            "Hoprex", QStringLiteral("Der Höhenverlauf wurde geändert.\nÄnderungen speichern?"),
            QStringList{"Speichern", "Verwerfen", "Abbrechen"}, 0, 2}));
    EXPECT_EQ(f.Daten.Gesamt.AnzahlAbschnitte(), 2);

    // "Speichern" saves (the dialog proposes the route's name) and then closes.
    u.Dialoge.Antworten = {"Speichern"};
    u.Dialoge.Pfade.push_back(u.Pfad("gesichert.hpx"));
    EXPECT_TRUE(f.close());
    EXPECT_EQ(u.Dialoge.Fragen.back().Vorschlag, "route");
    std::string gesichert;
    gesichert = DateiInhalt(u.Ordner.Datei("gesichert.hpx"));
    EXPECT_EQ(gesichert, ProfilDateiInhalt(f.Daten.Gesamt));
    f.show();

    // "Verwerfen" closes without saving.
    f.LB_HAbschnitteGesamt->item(0)->setSelected(true);
    MausKlick(f.BT_GesamtWerteLoeschen);
    u.Dialoge.Antworten = {"Verwerfen"};
    Taste(f.T_Schwelle, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(u.Dialoge.Rueckfragen.size(), 4u);
    EXPECT_TRUE(u.Dialoge.Boxen.empty());
}

TEST(HoprexSchutz, TheLowerOpenAsksBeforeAModifiedRouteIsReplaced) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "route.hpx", Route(), true);
    DateiAnlegen(u.Ordner.Datei("andere.hpx"),
                 ProfilDateiInhalt(ProfilAus({Abschnitt({5, 6}, 1.0f)})));
    f.LB_HAbschnitteGesamt->item(0)->setSelected(true);
    MausKlick(f.BT_GesamtWerteLoeschen);

    // "Abbrechen": no dialog, nothing changes.
    u.Dialoge.Antworten = {"Abbrechen"};
    const size_t dialoge = u.Dialoge.Fragen.size();
    MausKlick(f.BT_GesamtWerteEinlesen);
    EXPECT_EQ(u.Dialoge.Fragen.size(), dialoge);
    EXPECT_EQ(f.Daten.Gesamt.AnzahlAbschnitte(), 2);
    // The same for a file from outside.
    u.Dialoge.Antworten = {"Abbrechen"};
    EXPECT_FALSE(f.GesamtDateiOeffnen(u.Pfad("andere.hpx")));
    EXPECT_EQ(f.Daten.Gesamt.AnzahlAbschnitte(), 2);

    // "Speichern" into the route's own file, after the question before replacing it.
    u.Dialoge.Antworten = {"Speichern", "Ja"};
    u.Dialoge.Pfade = {u.Pfad("route.hpx"), u.Pfad("andere.hpx")};
    MausKlick(f.BT_GesamtWerteEinlesen);
    EXPECT_EQ(f.Daten.Gesamt.AnzahlAbschnitte(), 1);
    std::string route;
    route = DateiInhalt(u.Ordner.Datei("route.hpx"));
    EXPECT_NE(route.find("Abschnitte \t   2\n"), std::string::npos);

    // "Verwerfen" loads at once.
    Taste(f.LB_HAbschnitteGesamt, Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(f.Daten.Gesamt.AnzahlAbschnitte(), 2);
    u.Dialoge.Antworten = {"Verwerfen"};
    EXPECT_TRUE(f.GesamtDateiOeffnen(u.Pfad("andere.hpx")));
    EXPECT_EQ(f.Daten.Gesamt.AnzahlAbschnitte(), 1);
    EXPECT_TRUE(u.Dialoge.Boxen.empty());
}

TEST(HoprexSchutz, TheSaveDialogAsksBeforeItReplacesAFile) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "route.hpx", Route(), true);
    DateiAnlegen(u.Ordner.Datei("alt.txt"), "alt");
    // "Nein" shows the dialog again, with the name chosen; a cancel there writes nothing.
    u.Dialoge.Antworten = {"Nein"};
    u.Dialoge.Pfade = {u.Pfad("alt.txt")};
    MausKlick(f.BT_Export);
    ASSERT_EQ(u.Dialoge.Rueckfragen.size(), 1u);
    EXPECT_EQ(
        u.Dialoge.Rueckfragen[0].Text,
        QStringLiteral("Die Datei \"alt.txt\" ist bereits vorhanden.\nSoll sie ersetzt werden?"));
    EXPECT_EQ(u.Dialoge.Rueckfragen[0].Knoepfe, (QStringList{"Ja", "Nein"}));
    EXPECT_EQ(u.Dialoge.Fragen.back().Vorschlag, "alt.txt");
    std::string inhalt;
    inhalt = DateiInhalt(u.Ordner.Datei("alt.txt"));
    EXPECT_EQ(inhalt, "alt");
    // "Ja" replaces it.
    u.Dialoge.Antworten = {"Ja"};
    u.Dialoge.Pfade = {u.Pfad("alt.txt")};
    MausKlick(f.BT_Export);
    inhalt = DateiInhalt(u.Ordner.Datei("alt.txt"));
    EXPECT_NE(inhalt, "alt");
}

TEST(HoprexWiederherstellung, AModifiedRouteHasACopyUntilItIsSaved) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "route.hpx", Route(), true);
    f.LB_HAbschnitteGesamt->item(0)->setSelected(true);
    MausKlick(f.BT_GesamtWerteLoeschen);
    EXPECT_EQ(Kopien(u), 0);
    EXPECT_TRUE(Warten([&] { return Kopien(u) == 1; }, 2000));
    u.Dialoge.Pfade.push_back(u.Pfad("route.hpx"));
    u.Dialoge.Antworten = {"Ja"};
    MausKlick(f.BT_GesamtWerteSpeichern);
    EXPECT_EQ(Kopien(u), 0);
    // Modified again and closed with "Verwerfen": the copy goes too.
    Taste(f.LB_HAbschnitteGesamt, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Warten([&] { return Kopien(u) == 1; }, 2000));
    u.Dialoge.Antworten = {"Verwerfen"};
    EXPECT_TRUE(f.close());
    EXPECT_EQ(Kopien(u), 0);
}

// A real window process is killed with SIGKILL after its route changed: the next start finds
// the copy and restores it; "Verwerfen" would delete it.
TEST(HoprexWiederherstellung, TheRouteOfAKilledProgramIsRestoredAtTheNextStart) {
    FensterUmgebung u;
    DateiAnlegen(u.Ordner.Datei("route.hpx"), ProfilDateiInhalt(Route()));
    QProcess kind;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert("XDG_STATE_HOME", QString::fromStdString(u.Zustand()));
    umgebung.insert("QT_QPA_PLATFORM", "offscreen");
    kind.setProcessEnvironment(umgebung);
    kind.start(HOPREX_KILL_CHILD_PATH, {u.Pfad("route.hpx"), u.Pfad("kind.INI")});
    ASSERT_TRUE(kind.waitForStarted());
    ASSERT_TRUE(Warten([&] { return Kopien(u) == 1; }, 10000));

    // A program started while the other runs does not offer its copy.
    THoprex& f = u.Starten();
    f.WiederherstellungAnbieten();
    EXPECT_TRUE(u.Dialoge.Rueckfragen.empty());

    kind.kill(); // SIGKILL
    ASSERT_TRUE(kind.waitForFinished());
    EXPECT_EQ(Kopien(u), 1);
    u.Beenden();
    THoprex& g = u.Starten();
    u.Dialoge.Antworten = {"Wiederherstellen"};
    g.WiederherstellungAnbieten();
    ASSERT_EQ(u.Dialoge.Rueckfragen.size(), 1u);
    EXPECT_EQ(u.Dialoge.Rueckfragen[0],
              (TestDialoge::Rueckfrage{"Hoprex",
                                       QStringLiteral("Ein nicht gespeicherter Höhenverlauf wurde "
                                                      "gefunden.\nWiederherstellen?"),
                                       QStringList{"Wiederherstellen", "Verwerfen"}, 0, -1}));
    EXPECT_EQ(g.LB_HAbschnitteGesamt->count(), 2);
    EXPECT_EQ(g.Daten.Gesamt.Abschnitte[0].Beschreibung, "B");
    EXPECT_EQ(g.windowTitle(), QStringLiteral("*route.hpx – Hoprex"));
    EXPECT_EQ(g.Daten.Dateiname, "route");

    // Its copy is now this program's own; once this one is gone as well, "Verwerfen" deletes it.
    u.Beenden();
    THoprex& h = u.Starten();
    u.Dialoge.Antworten = {"Verwerfen"};
    h.WiederherstellungAnbieten();
    EXPECT_EQ(u.Dialoge.Rueckfragen.size(), 2u);
    EXPECT_EQ(h.Daten.Gesamt.AnzahlAbschnitte(), 0);
    EXPECT_EQ(Kopien(u), 0);
    EXPECT_TRUE(u.Dialoge.Boxen.empty());
}

// A real window process is killed while it saves into a file with a second hard link, which is
// written in place: the next start puts the file's old bytes back whole, on both links, and
// then offers the route that the save was to write, from its recovery copy.
TEST(HoprexWiederherstellung, ASaveInPlaceCutOffByAKillLeavesNoBrokenFile) {
    FensterUmgebung u;
    std::vector<ProfileSection> abschnitte;
    for (int i = 0; i < 1000; ++i)
        abschnitte.push_back(Abschnitt(std::vector<int32_t>(200, 500 + i), 0.01f));
    const std::string alt = ProfilDateiInhalt(ProfilAus(abschnitte));
    ASSERT_GT(alt.size(), 2u << 20);
    const std::string route = u.Ordner.Datei("route.hpx");
    DateiAnlegen(route, alt);
    std::filesystem::create_hard_link(route, u.Ordner.Datei("zweiter.hpx"));
    QProcess kind;
    KindStarten(kind, u, {u.Pfad("route.hpx"), u.Pfad("kind.INI"), u.Pfad("route.hpx")});
    ASSERT_TRUE(kind.waitForFinished(30000));
    ASSERT_EQ(kind.exitStatus(), QProcess::CrashExit);
    ASSERT_FALSE(DateiInhalt(route) == alt) << "the kill fell into the write";

    THoprex& f = u.Starten();
    u.Dialoge.Antworten = {"Wiederherstellen", "Wiederherstellen"};
    f.WiederherstellungAnbieten();
    // (Compared without gtest's diff of two megabytes of lines.)
    EXPECT_TRUE(DateiInhalt(route) == alt);
    EXPECT_EQ(std::filesystem::hard_link_count(route), 2u);
    EXPECT_TRUE(DateiInhalt(u.Ordner.Datei("zweiter.hpx")) == alt);
    ASSERT_EQ(u.Dialoge.Rueckfragen.size(), 2u);
    EXPECT_EQ(u.Dialoge.Rueckfragen[0].Text,
              QStringLiteral("Das Speichern der Datei\n%1\nwurde unterbrochen; sie ist "
                             "unvollständig.\nIhren vorigen Inhalt wiederherstellen?")
                  .arg(u.Pfad("route.hpx")));
    EXPECT_EQ(f.Daten.Gesamt.AnzahlAbschnitte(), 999);
    EXPECT_EQ(f.Daten.Gesamt.Abschnitte[0].Punkte[0].Hoehe, 501);
    // Nothing is left of the save: the next start asks nothing about it.
    u.Beenden();
    u.Dialoge.Rueckfragen.clear();
    u.Starten().WiederherstellungAnbieten();
    EXPECT_EQ(u.Dialoge.Rueckfragen.size(), 1u) << "only the route's copy, kept by the last";
    EXPECT_TRUE(u.Dialoge.Boxen.empty());
}
