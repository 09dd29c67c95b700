// Undo and redo in the window: every change of the route and every new current profile is taken
// back by Ctrl+Z and done again by Ctrl+Y or Ctrl+Shift+Z, exactly, with the normal refresh.
#include "app/section_list.h"
#include "editing/marking.h"
#include "files/profile_file.h"
#include "support/profile_builder.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A B C D: 1, 2, 3 and 4 km, each climbing 100 m.
Profile Route() {
    return ProfilAus(
        {Abschnitt({100, 200}, {0.0f, 1.0f}, "A"), Abschnitt({200, 300}, {0.0f, 2.0f}, "B"),
         Abschnitt({300, 400}, {0.0f, 3.0f}, "C"), Abschnitt({400, 500}, {0.0f, 4.0f}, "D")});
}

// What undo must give back: the route's file text, its marks, anchor and insertion mark, and
// what the list shows.
struct Stand {
    std::string Datei;
    std::vector<bool> Markiert;
    int32_t Anker, Einfuegemarke;
    std::vector<bool> Liste;
    int Zeilen;
    bool operator==(const Stand&) const = default;
    friend void PrintTo(const Stand& s, std::ostream* aus) {
        *aus << s.Datei.size() << " bytes, " << s.Anker << " anchor, " << s.Einfuegemarke
             << " mark, " << s.Zeilen << " lines, marks";
        for (const bool m : s.Markiert)
            *aus << m;
        *aus << " list";
        for (const bool m : s.Liste)
            *aus << m;
    }
};

Stand StandVon(const THoprex& f) {
    return {ProfilDateiInhalt(f.Daten.Gesamt),
            ListenAuswahl(f.Daten.Gesamt),
            f.Daten.Gesamt.Anker,
            f.Daten.Einfuegemarke,
            f.LB_HAbschnitteGesamt->Auswahl(),
            f.LB_HAbschnitteGesamt->count()};
}

void Zuruecknehmen(THoprex& f) {
    Taste(f.LB_HAbschnitteGesamt, Qt::Key_Z, Qt::ControlModifier);
}

void ZeileKlicken(THoprex& f, int i, Qt::KeyboardModifiers umschalter = {}) {
    TAbschnittListe* liste = f.LB_HAbschnitteGesamt;
    MausKlick(liste->viewport(), liste->visualItemRect(liste->item(i)).center(), umschalter);
}

} // namespace

TEST(HoprexVerlauf, EveryKindOfRouteEditIsUndoneExactlyAndRedone) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "route.hpx", Route(), true);
    ProfilLaden(u, "bild.hpx",
                ProfilAus({Abschnitt({700, 800}, 0.5f, "X"), Abschnitt({800, 600}, 0.5f, "Y")}),
                false);
    ZeileKlicken(f, 1);
    ZeileKlicken(f, 2, Qt::ShiftModifier);
    MausKlick(f.B_EinfuegeMarkeR);

    // Each edit starts from the marks B and C; the redo keys alternate.
    const std::vector<std::pair<const char*, std::function<void()>>> aenderungen = {
        {"Übertragen", [&] { MausKlick(f.BT_WerteUebernehmen); }},
        {"<<", [&] { MausKlick(f.B_AbschnittLL); }},
        {"<", [&] { MausKlick(f.B_AbschnittL); }},
        {">", [&] { MausKlick(f.B_AbschnittR); }},
        {">>", [&] { MausKlick(f.B_AbschnittRR); }},
        {"Spiegeln", [&] { MausKlick(f.B_AbschnitteSpiegeln); }},
        {"Löschen", [&] { MausKlick(f.BT_GesamtWerteLoeschen); }},
        {"Beschreibung",
         [&] {
             Taste(f.LB_HAbschnitteGesamt, Qt::Key_Return);
             f.T_Beschreibung->setText("neu");
             Taste(f.T_Beschreibung, Qt::Key_Return);
         }},
        {"Öffnen",
         [&] {
             u.Dialoge.Antworten.push_back("Verwerfen");
             ProfilLaden(u, "andere.hpx", ProfilAus({Abschnitt({5, 6}, 1.0f)}), true);
         }},
    };
    bool mitShift = false;
    for (const auto& [name, aendern] : aenderungen) {
        SCOPED_TRACE(name);
        ZeileKlicken(f, 1);
        ZeileKlicken(f, 2, Qt::ShiftModifier);
        const Stand vorher = StandVon(f);
        aendern();
        const Stand nachher = StandVon(f);
        ASSERT_NE(nachher.Datei + std::to_string(nachher.Einfuegemarke),
                  vorher.Datei + std::to_string(vorher.Einfuegemarke));
        // Marks changed since are put back as well.
        ZeileKlicken(f, 0);
        Zuruecknehmen(f);
        EXPECT_EQ(StandVon(f), vorher);
        ZeileKlicken(f, 0);
        if (mitShift)
            Taste(f.T_Schwelle, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        else
            Taste(f.B_AbschnittL, Qt::Key_Y, Qt::ControlModifier);
        mitShift = !mitShift;
        EXPECT_EQ(StandVon(f), nachher);
        Zuruecknehmen(f);
    }
    EXPECT_TRUE(u.Dialoge.Boxen.empty());

    // Back at the loaded route: saved again, it is the file byte for byte.
    std::string geladen, gespeichert;
    geladen = DateiInhalt(u.Ordner.Datei("route.hpx"));
    u.Dialoge.Pfade.push_back(u.Pfad("wieder.hpx"));
    MausKlick(f.BT_GesamtWerteSpeichern);
    gespeichert = DateiInhalt(u.Ordner.Datei("wieder.hpx"));
    EXPECT_EQ(gespeichert, geladen);
}

TEST(HoprexVerlauf, NewCurrentProfilesAreUndoneInTheSameHistoryAsTheRoute) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "eins.hpx", ProfilAus({Abschnitt({700, 800}, 0.5f, "X")}), false);
    MausKlick(f.BT_WerteUebernehmen);
    // The cancelled upper "Öffnen" empties the current profile; Ctrl+Z brings it back.
    MausKlick(f.BT_AktuellWerteEinlesen);
    ASSERT_EQ(f.LB_HAbschnitteAktuell->count(), 0);
    Zuruecknehmen(f);
    EXPECT_EQ(f.LB_HAbschnitteAktuell->count(), 1);
    EXPECT_EQ(f.Daten.Aktuell.Abschnitte[0].Beschreibung, "X");
    EXPECT_EQ(f.Daten.Gesamt.AnzahlAbschnitte(), 1);
    // Then the transfer, then the load; redo walks forward again.
    Zuruecknehmen(f);
    EXPECT_EQ(f.LB_HAbschnitteGesamt->count(), 0);
    Zuruecknehmen(f);
    EXPECT_EQ(f.LB_HAbschnitteAktuell->count(), 0);
    Zuruecknehmen(f); // nothing more to undo
    Taste(f.LB_HAbschnitteAktuell, Qt::Key_Y, Qt::ControlModifier);
    Taste(f.LB_HAbschnitteAktuell, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(f.LB_HAbschnitteGesamt->count(), 1);
    EXPECT_EQ(f.Daten.Gesamt.Abschnitte[0].Beschreibung, "X");
    // A new step drops what could be redone.
    MausKlick(f.BT_WerteUebernehmen);
    EXPECT_FALSE(f.Verlauf.canRedo());
    EXPECT_EQ(f.Daten.Gesamt.AnzahlAbschnitte(), 2);
    EXPECT_TRUE(u.Dialoge.Boxen.empty());
}

// Smoothing and the gradient scale are settings: undoing and redoing a load leaves them as the
// user set them since.
TEST(HoprexVerlauf, AnUndoneLoadKeepsTheSmoothingSwitchAndTheGradientScale) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "route.hpx", Route(), true);
    MausKlick(f.CB_Glaettung);
    ASSERT_TRUE(f.Daten.Gesamt.GlaettungEinAus);
    ProfilLaden(u, "andere.hpx", ProfilAus({Abschnitt({700, 800}, 0.5f, "X")}), true);
    MausKlick(f.CB_Glaettung);
    f.T_Steigung->setText("17");
    Zuruecknehmen(f);
    ASSERT_EQ(f.Daten.Gesamt.AnzahlAbschnitte(), 4);
    EXPECT_FALSE(f.Daten.Gesamt.GlaettungEinAus);
    EXPECT_FALSE(f.CB_Glaettung->isChecked());
    EXPECT_EQ(f.Daten.Gesamt.SteigungMax, 17);
    Taste(f.LB_HAbschnitteGesamt, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_FALSE(f.Daten.Gesamt.GlaettungEinAus);
    EXPECT_EQ(f.Daten.Gesamt.SteigungMax, 17);
}
