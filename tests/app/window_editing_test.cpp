// Editing the route in the lower half through the window: moving, mirroring and deleting
// sections, and describing them in the in-place editor.
#include "app/graph_surface.h"
#include "app/section_list.h"
#include "support/profile_builder.h"
#include "window_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

// A B C D: 1, 2, 3 and 4 km, each climbing 100 m.
Profile Route() {
    return ProfilAus(
        {Abschnitt({100, 200}, {0.0f, 1.0f}, "A"), Abschnitt({200, 300}, {0.0f, 2.0f}, "B"),
         Abschnitt({300, 400}, {0.0f, 3.0f}, "C"), Abschnitt({400, 500}, {0.0f, 4.0f}, "D")});
}

std::string Folge(const Profile& p) {
    std::string folge;
    for (const ProfileSection& a : p.Abschnitte)
        folge += a.Beschreibung + (a.Markiert ? "*" : "");
    return folge;
}

QPoint Zeile(const TAbschnittListe* liste, int i) {
    return liste->visualItemRect(liste->item(i)).center();
}

void ZeileKlicken(THoprex& f, int i, Qt::KeyboardModifiers umschalter = {}) {
    MausKlick(f.LB_HAbschnitteGesamt->viewport(), Zeile(f.LB_HAbschnitteGesamt, i), umschalter);
}

} // namespace

TEST(HoprexBearbeiten, MovingMirroringAndDeletingThroughTheButtons) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "route.hpx", Route(), true);
    ASSERT_EQ(Folge(f.Daten.Gesamt), "ABCD");
    MausKlick(f.B_EinfuegeMarkeRR);
    ASSERT_EQ(f.Daten.Einfuegemarke, 4);

    ZeileKlicken(f, 2);
    EXPECT_EQ(Folge(f.Daten.Gesamt), "ABC*D");
    EXPECT_EQ(f.E_MarkiertStrecke->text(), "3.00");
    MausKlick(f.B_AbschnittL);
    EXPECT_EQ(Folge(f.Daten.Gesamt), "AC*BD");
    EXPECT_EQ(f.LB_HAbschnitteGesamt->item(1)->text().right(1), "C");
    EXPECT_TRUE(f.LB_HAbschnitteGesamt->item(1)->isSelected());
    MausKlick(f.B_AbschnittRR);
    EXPECT_EQ(Folge(f.Daten.Gesamt), "ABDC*");
    MausKlick(f.B_AbschnittLL);
    EXPECT_EQ(Folge(f.Daten.Gesamt), "C*ABD");
    MausKlick(f.B_AbschnittR);
    EXPECT_EQ(Folge(f.Daten.Gesamt), "AC*BD");
    EXPECT_EQ(f.Daten.Einfuegemarke, 4);

    // Two blocks cannot move or be mirrored.
    ZeileKlicken(f, 3, Qt::ControlModifier);
    EXPECT_EQ(Folge(f.Daten.Gesamt), "AC*BD*");
    MausKlick(f.B_AbschnittL);
    MausKlick(f.B_AbschnitteSpiegeln);
    const TestDialoge::Box block{false, "Fehler",
                                 QStringLiteral("Mehrfachmarkierungen müssen in einem Block "
                                                "ausgeführt sein")};
    EXPECT_EQ(u.Dialoge.Boxen, (std::vector<TestDialoge::Box>{block, block}));
    EXPECT_EQ(Folge(f.Daten.Gesamt), "AC*BD*");

    // Mirroring C and B turns them round: the route goes B, C backwards.
    ZeileKlicken(f, 1);
    ZeileKlicken(f, 2, Qt::ShiftModifier);
    EXPECT_EQ(Folge(f.Daten.Gesamt), "AC*B*D");
    MausKlick(f.B_AbschnitteSpiegeln);
    EXPECT_EQ(Folge(f.Daten.Gesamt), "AB*C*D");
    EXPECT_EQ(f.Daten.Gesamt.Abschnitte[1].Punkte[0].Hoehe, 300);
    EXPECT_EQ(f.LB_HAbschnitteGesamt->item(1)->text(), " 2    2.00   200   300      0    100  B");
    EXPECT_EQ(f.E_GesamtStrecke->text(), "10.00");

    // Deleting the marked sections pulls the insertion mark back by their number.
    MausKlick(f.BT_GesamtWerteLoeschen);
    EXPECT_EQ(Folge(f.Daten.Gesamt), "AD");
    EXPECT_EQ(f.Daten.Einfuegemarke, 2);
    EXPECT_EQ(f.LB_HAbschnitteGesamt->count(), 2);
    EXPECT_EQ(f.E_GesamtStrecke->text(), "5.00");
    EXPECT_EQ(u.Dialoge.Boxen.size(), 2u);
}

TEST(HoprexBeschreibung, EnterStoresAClickElsewhereDrops) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "route.hpx", Route(), true);
    TAbschnittListe* liste = f.LB_HAbschnitteGesamt;

    MausDoppelklick(liste->viewport(), Zeile(liste, 1));
    ASSERT_TRUE(f.T_Beschreibung->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), f.T_Beschreibung);
    EXPECT_EQ(f.T_Beschreibung->text(), "B");
    EXPECT_EQ(f.T_Beschreibung->cursorPosition(), 0);
    EXPECT_FALSE(f.T_Beschreibung->hasSelectedText());
    // Over the description column of the line, down to the list's right edge.
    const QRect zeile = liste->ZeilenRechteck(1);
    EXPECT_EQ(f.T_Beschreibung->geometry().top(), zeile.top());
    EXPECT_EQ(f.T_Beschreibung->geometry().height(), 14);
    EXPECT_EQ(f.T_Beschreibung->geometry().right(), zeile.right());
    EXPECT_GT(f.T_Beschreibung->geometry().left(), zeile.left() + 200);

    Tippen(f.T_Beschreibung, "Pass");
    Taste(f.T_Beschreibung, Qt::Key_Return);
    EXPECT_FALSE(f.T_Beschreibung->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), liste);
    EXPECT_EQ(f.Daten.Gesamt.Abschnitte[1].Beschreibung, "PassB");
    EXPECT_TRUE(liste->item(1)->text().endsWith("PassB"));

    // Typed, then a click into the graph: the description stays as it was.
    MausDoppelklick(liste->viewport(), Zeile(liste, 2));
    Tippen(f.T_Beschreibung, "xyz");
    MausKlick(f.Image_Gesamt, {300, 50});
    EXPECT_FALSE(f.T_Beschreibung->isVisible());
    EXPECT_EQ(f.Daten.Gesamt.Abschnitte[2].Beschreibung, "C");
    EXPECT_TRUE(liste->item(2)->text().endsWith("C"));
    EXPECT_TRUE(u.Dialoge.Boxen.empty());
}

TEST(HoprexBeschreibung, EnterInTheListOpensEscapeStoresAndElsewhereDoesNothing) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    TAbschnittListe* liste = f.LB_HAbschnitteGesamt;

    // An empty list has no line to describe.
    liste->setFocus();
    Taste(liste, Qt::Key_Return);
    EXPECT_FALSE(f.T_Beschreibung->isVisible());

    ProfilLaden(u, "route.hpx", Route(), true);
    MausKlick(liste->viewport(), Zeile(liste, 3));
    Taste(liste, Qt::Key_Return);
    ASSERT_TRUE(f.T_Beschreibung->isVisible());
    f.T_Beschreibung->selectAll();
    Tippen(f.T_Beschreibung, "Ziel");
    Taste(f.T_Beschreibung, Qt::Key_Escape);
    EXPECT_FALSE(f.T_Beschreibung->isVisible());
    EXPECT_EQ(f.Daten.Gesamt.Abschnitte[3].Beschreibung, "Ziel");

    // Escape is no shortcut of the arrow buttons: the insertion mark stays.
    Taste(liste, Qt::Key_Escape);
    Taste(f.T_Schwelle, Qt::Key_Escape);
    EXPECT_EQ(f.Daten.Einfuegemarke, 0);

    // A description keeps at most 500 characters.
    Taste(liste, Qt::Key_Return);
    f.T_Beschreibung->setText(QString(600, 'x'));
    Taste(f.T_Beschreibung, Qt::Key_Enter);
    EXPECT_EQ(f.Daten.Gesamt.Abschnitte[3].Beschreibung, std::string(500, 'x'));
}

// The refresh chain reads each window-length edit right before its pass needs it.
TEST(HoprexNeuBerechnen, EachWindowTextIsReadRightBeforeItsPass) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    const auto fehler = [](const char* text) {
        return TestDialoge::Box{true, "Hoprex",
                                QStringLiteral("'%1' ist kein gültiger Integerwert.").arg(text)};
    };
    // Smoothing is off, so the edit's own handler reads nothing; the gradient's reports its text.
    f.T_Schwelle->setText("kaputt");
    f.T_SteigungGlaettung->setText("1a");
    ASSERT_EQ(u.Dialoge.Boxen, std::vector{fehler("1a")});
    // An empty route reads neither text.
    MausKlick(f.BT_GesamtWerteLoeschen);
    EXPECT_EQ(u.Dialoge.Boxen.size(), 1u);

    // A route saved without smoothing and with a gradient window of 77 m.
    Profile route = ProfilAus({Abschnitt({100, 130, 170, 160, 190, 250, 240, 200}, 0.1f)});
    route.SteigungMittelungUeber = 77;
    ProfilLaden(u, "route.hpx", route, true);
    ASSERT_EQ(f.Daten.Gesamt.SteigungMittelungUeber, 77);
    f.T_Schwelle->setText("450");
    f.T_SteigungGlaettung->setText("1a");
    u.Dialoge.Boxen.clear();
    // Nothing is marked: "Löschen" deletes nothing and runs the refresh chain, whose gradient
    // pass stops at its text after the heights were smoothed.
    MausKlick(f.BT_GesamtWerteLoeschen);
    EXPECT_EQ(u.Dialoge.Boxen, std::vector{fehler("1a")});
    const ProfileSection& a = f.Daten.Gesamt.Abschnitte.at(0);
    EXPECT_EQ(f.Daten.Gesamt.GlaettungMittelungUeber, 450);
    EXPECT_NE(a.Punkte[1].HoeheGeglaettet, a.Punkte[1].Hoehe);
    EXPECT_EQ(f.Daten.Gesamt.SteigungMittelungUeber, 77);

    f.T_Schwelle->setText("");
    MausKlick(f.BT_GesamtWerteLoeschen);
    EXPECT_EQ(u.Dialoge.Boxen.back(), fehler(""));
    EXPECT_EQ(f.Daten.Gesamt.GlaettungMittelungUeber, 450);
}

// Profile files hold Windows-1252: what the editor shows while typing is what the file keeps.
TEST(HoprexBeschreibung, CharactersAProfileFileCannotHoldShowAsTheQuestionMarkItKeeps) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "route.hpx", Route(), true);
    TAbschnittListe* liste = f.LB_HAbschnitteGesamt;
    MausDoppelklick(liste->viewport(), Zeile(liste, 0));
    f.T_Beschreibung->selectAll();
    Tippen(f.T_Beschreibung, "Łódź € Ω Straße");
    EXPECT_EQ(f.T_Beschreibung->text(), "?ód? € ? Straße");
    EXPECT_TRUE(QToolTip::text().contains("Windows-1252"));
    // An accent typed after its letter is the one character the file holds.
    Tippen(f.T_Beschreibung, QString("e") + QChar(0x0301));
    EXPECT_EQ(f.T_Beschreibung->text(), "?ód? € ? Straßeé");
    Taste(f.T_Beschreibung, Qt::Key_Return);

    u.Dialoge.Pfade = {u.Pfad("neu.hpx")};
    MausKlick(f.BT_GesamtWerteSpeichern);
    u.Beenden();
    THoprex& wieder = u.Starten();
    ASSERT_TRUE(wieder.GesamtDateiOeffnen(u.Pfad("neu.hpx")));
    EXPECT_EQ(wieder.Daten.Gesamt.Abschnitte[0].Beschreibung, "?ód? € ? Straßeé");
    EXPECT_TRUE(wieder.LB_HAbschnitteGesamt->item(0)->text().endsWith("?ód? € ? Straßeé"));
}
