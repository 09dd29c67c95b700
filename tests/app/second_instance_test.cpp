// Two windows on one route file, as when the program runs twice: a save does not silently
// replace what the other one saved meanwhile.
#include "app/section_list.h"
#include "files/profile_file.h"
#include "support/profile_builder.h"
#include "window_fixture.h"

#include <QPushButton>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

Profile Route() {
    return ProfilAus({Abschnitt({100, 200}, {0.0f, 1.0f}, "A"),
                      Abschnitt({200, 300}, {0.0f, 2.0f}, "B"),
                      Abschnitt({300, 400}, {0.0f, 3.0f}, "C")});
}

// Deletes section `i` of the route and saves it as `pfad`, answering `antworten` in turn.
void LoeschenUndSpeichern(THoprex& f, TestDialoge& d, int i, const QString& pfad,
                          std::deque<QString> antworten) {
    f.LB_HAbschnitteGesamt->clearSelection();
    f.LB_HAbschnitteGesamt->item(i)->setSelected(true);
    MausKlick(f.BT_GesamtWerteLoeschen);
    d.Pfade = {pfad};
    d.Antworten = std::move(antworten);
    MausKlick(f.BT_GesamtWerteSpeichern);
}

std::vector<std::string> Beschreibungen(const std::string& datei) {
    Profile p;
    int32_t zeile = 0;
    EXPECT_TRUE(ProfilDateiLesen(DateiInhalt(datei), 0, p, zeile));
    std::vector<std::string> namen;
    for (const ProfileSection& a : p.Abschnitte)
        namen.push_back(a.Beschreibung);
    return namen;
}

} // namespace

TEST(HoprexZweiFenster, ASaveAsksBeforeItReplacesWhatTheOtherWindowSaved) {
    FensterUmgebung u;
    const std::string datei = u.Ordner.Datei("route.hpx");
    const QString pfad = u.Pfad("route.hpx");
    DateiAnlegen(datei, ProfilDateiInhalt(Route()));
    THoprex& a = u.Starten();
    TestDialoge dialogeB;
    THoprex b(dialogeB, u.Ordner.Datei("b.INI"));
    ASSERT_TRUE(a.GesamtDateiOeffnen(pfad));
    ASSERT_TRUE(b.GesamtDateiOeffnen(pfad));

    // A saves first; its own second save asks only whether to replace the file.
    LoeschenUndSpeichern(a, u.Dialoge, 0, pfad, {"Ja"});
    LoeschenUndSpeichern(a, u.Dialoge, 0, pfad, {"Ja"});
    EXPECT_EQ(u.Dialoge.Rueckfragen.size(), 2u);
    EXPECT_EQ(Beschreibungen(datei), (std::vector<std::string>{"C"}));

    // B's save meets A's file: "Abbrechen" keeps it, and B's route stays unsaved.
    LoeschenUndSpeichern(b, dialogeB, 2, pfad, {"Ja"});
    ASSERT_EQ(dialogeB.Rueckfragen.size(), 2u);
    const TestDialoge::Rueckfrage& frage = dialogeB.Rueckfragen[1];
    EXPECT_EQ(frage.Text, "Die Datei\n" + pfad +
                              "\nwurde von einem anderen Programm geändert, seit Hoprex sie "
                              "geladen oder gespeichert hat.\nTrotzdem ersetzen? Die Änderungen "
                              "des anderen Programms gehen dann verloren.");
    EXPECT_EQ(frage.Knoepfe, (QStringList{"Ersetzen", "Abbrechen"}));
    EXPECT_EQ(frage.Abbruch, 1);
    EXPECT_EQ(frage.Standard, 1);
    EXPECT_EQ(Beschreibungen(datei), (std::vector<std::string>{"C"}));
    EXPECT_EQ(b.windowTitle(), QStringLiteral("*route.hpx – Hoprex"));

    // "Ersetzen" writes B's route; then A is the one that is asked.
    dialogeB.Pfade = {pfad};
    dialogeB.Antworten = {"Ja", "Ersetzen"};
    MausKlick(b.BT_GesamtWerteSpeichern);
    EXPECT_EQ(Beschreibungen(datei), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(b.windowTitle(), QStringLiteral("route.hpx – Hoprex"));
    u.Dialoge.Pfade = {pfad};
    u.Dialoge.Antworten = {"Ja"};
    MausKlick(a.BT_GesamtWerteSpeichern);
    EXPECT_EQ(u.Dialoge.Rueckfragen.size(), 4u);
    EXPECT_EQ(Beschreibungen(datei), (std::vector<std::string>{"A", "B"}));

    // A file the window never had, or one deleted meanwhile, is replaced without this question.
    std::filesystem::remove(datei);
    u.Dialoge.Pfade = {pfad};
    MausKlick(a.BT_GesamtWerteSpeichern);
    EXPECT_EQ(u.Dialoge.Rueckfragen.size(), 4u);
    EXPECT_EQ(Beschreibungen(datei), (std::vector<std::string>{"C"}));
    EXPECT_TRUE(dialogeB.Boxen.empty());
    EXPECT_TRUE(u.Dialoge.Boxen.empty());
}
