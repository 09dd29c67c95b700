// Recovery copies: what they hold, and which program may offer which copy.
#include "files/profile_file.h"
#include "files/recovery_file.h"
#include "support/profile_builder.h"
#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

Profile Route() {
    Profile p = ProfilAus({Abschnitt({100, 200}, {0.0f, 1.0f}, "A"),
                           Abschnitt({200, 300}, {0.0f, 2.0f}, "Übergang")});
    p.GlaettungMittelungUeber = 700;
    p.SteigungMittelungUeber = 150;
    return p;
}

int Kopien(const std::string& ordner) {
    int n = 0;
    for (const auto& e : std::filesystem::directory_iterator(ordner))
        n += e.path().extension() == ".hpx";
    return n;
}

} // namespace

TEST(Wiederherstellung, ACopyGivesBackTheRouteItsFileAndItsWindowLengths) {
    const Profile route = Route();
    for (const std::string& datei :
         {std::string(), std::string("/home/a/route mit\nZeilenende.hpx")}) {
        Routendaten gelesen;
        ASSERT_TRUE(KopieLesen(KopieInhalt(route, datei), Profile{}, gelesen));
        EXPECT_EQ(ProfilDateiInhalt(gelesen.Gesamt), ProfilDateiInhalt(route));
        EXPECT_EQ(gelesen.Gesamt.GlaettungMittelungUeber, 700);
        EXPECT_EQ(gelesen.Gesamt.SteigungMittelungUeber, 150);
        EXPECT_EQ(gelesen.GesamtDatei, datei);
        EXPECT_EQ(gelesen.Dateiname, datei.empty() ? "" : "route mit\nZeilenende");
        EXPECT_TRUE(gelesen.GesamtGeaendert);
        EXPECT_EQ(gelesen.Einfuegemarke, 0);
    }
    // Anything else is no copy, and the route it would fill stays as it was.
    const std::string gut = KopieInhalt(route, "/a.hpx");
    Routendaten ziel;
    ziel.GesamtDatei = "bleibt";
    for (const std::string& schlecht :
         {std::string(), ProfilDateiInhalt(route), gut.substr(0, gut.size() - 20),
          std::string(gut).replace(gut.find("\n6\n"), 3, "\n60\n"),
          std::string(gut).replace(gut.find("\n6\n"), 3, "\nx\n"),
          // An empty length line, and a path without its line end: each would leave a profile.
          "Hoprex Wiederherstellung 1\n\n\n" + ProfilDateiInhalt(route),
          std::string(gut).erase(gut.find("/a.hpx\n") + 6, 1)})
        EXPECT_FALSE(KopieLesen(schlecht, Profile{}, ziel));
    EXPECT_EQ(ziel.GesamtDatei, "bleibt");
}

TEST(Wiederherstellung, TheFolderFollowsXdgStateHome) {
    const char* alt = std::getenv("XDG_STATE_HOME");
    const std::string gemerkt = alt != nullptr ? alt : "";
    setenv("XDG_STATE_HOME", "/tmp/zustand", 1);
    EXPECT_EQ(WiederherstellungsOrdner(), "/tmp/zustand/hoprex");
    setenv("XDG_STATE_HOME", "relativ", 1);
    EXPECT_EQ(WiederherstellungsOrdner(),
              std::string(std::getenv("HOME")) + "/.local/state/hoprex");
    if (alt != nullptr)
        setenv("XDG_STATE_HOME", gemerkt.c_str(), 1);
    else
        unsetenv("XDG_STATE_HOME");
}

TEST(Wiederherstellung, TwoProgramsKeepTheirOwnCopiesAndOnlyAGoneOnesIsOffered) {
    TempDir t;
    const std::string ordner = t.Datei("state/hoprex");
    std::string gelesen;
    {
        Kopienablage erster(ordner), zweiter(ordner);
        EXPECT_FALSE(erster.VerwaisteKopieUebernehmen()); // no folder yet
        ASSERT_TRUE(erster.Schreiben("eins"));
        ASSERT_TRUE(zweiter.Schreiben("zwei"));
        ASSERT_TRUE(erster.Schreiben("eins, neuer"));
        EXPECT_EQ(Kopien(ordner), 2);
        // A third program sees no copy while their programs run.
        Kopienablage dritter(ordner);
        EXPECT_FALSE(dritter.VerwaisteKopieUebernehmen());
        // The second saves: its copy goes.
        zweiter.Entfernen();
        EXPECT_EQ(Kopien(ordner), 1);
    }
    // The first is gone without removing its copy: the next program takes it over, once.
    Kopienablage naechster(ordner), anderer(ordner);
    const std::optional<std::string> pfad = naechster.VerwaisteKopieUebernehmen();
    ASSERT_TRUE(pfad);
    gelesen = DateiInhalt(*pfad);
    EXPECT_EQ(gelesen, "eins, neuer");
    EXPECT_FALSE(anderer.VerwaisteKopieUebernehmen());
    EXPECT_FALSE(naechster.VerwaisteKopieUebernehmen());
    // Its writes replace the copy it took over.
    ASSERT_TRUE(naechster.Schreiben("weiter"));
    EXPECT_EQ(Kopien(ordner), 1);
    gelesen = DateiInhalt(*pfad);
    EXPECT_EQ(gelesen, "weiter");
    // Given back untouched, a copy is offered at a later start again.
    naechster.Freigeben();
    ASSERT_TRUE(anderer.VerwaisteKopieUebernehmen());
    anderer.Entfernen();
    EXPECT_EQ(Kopien(ordner), 0);
}
