#include "files/profile_storage.h"
#include "files/recovery_file.h"

#include "support/message_log.h"
#include "support/profile_builder.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <limits>

namespace {

using Eintrag = MeldungsProtokoll::Eintrag;

const std::string kGolden = std::string(HOPREX_TEST_DATA_DIR) + "/files/two_sections.hpx";

// An overall profile of one marked section with a mark behind it, as a user would have it.
HoprexDaten Bestand() {
    HoprexDaten d;
    d.Gesamt = ProfilAus({Abschnitt({300, 310}, 0.1f, "alt")});
    d.Gesamt.Abschnitte[0].Markiert = 1;
    d.Gesamt.GlaettungMittelungUeber = 200;
    d.Gesamt.SteigungMittelungUeber = 50;
    d.Einfuegemarke = 1;
    d.Dateiname = "alt";
    d.VerzeichnisLaden = "/alt";
    return d;
}

} // namespace

TEST(GesamtLaden, ReplacesTheOverallProfile) {
    TempDir dir;
    const std::string pfad = dir.Datei("route.hpx");
    DateiAnlegen(pfad, DateiInhalt(kGolden));
    HoprexDaten d = Bestand();
    MeldungsProtokoll m;
    EXPECT_TRUE(GesamtLaden(d, pfad, m));
    ASSERT_EQ(d.Gesamt.AnzahlAbschnitte(), 2);
    EXPECT_EQ(d.Gesamt.Abschnitte[0].Beschreibung, "Start");
    EXPECT_EQ(d.Gesamt.Abschnitte[0].Markiert, 0);
    EXPECT_EQ(d.Gesamt.GlaettungMittelungUeber, 450);
    EXPECT_EQ(d.Gesamt.SteigungMittelungUeber, 100);
    EXPECT_EQ(d.Einfuegemarke, 0);
    EXPECT_EQ(d.Dateiname, "route");
    EXPECT_EQ(d.VerzeichnisLaden, dir.Pfad().string());
    EXPECT_EQ(d.GesamtDatei, pfad);
    EXPECT_FALSE(d.GesamtGeaendert);
    EXPECT_TRUE(m.Eintraege.empty());

    const std::string gross = dir.Datei("route.HPX");
    DateiAnlegen(gross, DateiInhalt(kGolden));
    GesamtLaden(d, gross, m);
    EXPECT_EQ(d.Dateiname, "route.HPX") << "only the exact ending is removed";
}

TEST(GesamtLaden, CancelChangesNothingButStillAsksForTheRefresh) {
    HoprexDaten d = Bestand();
    MeldungsProtokoll m;
    EXPECT_TRUE(GesamtLaden(d, std::nullopt, m));
    EXPECT_EQ(d.Gesamt.AnzahlAbschnitte(), 1);
    EXPECT_EQ(d.Einfuegemarke, 1);
}

TEST(GesamtLaden, AFaultyFileKeepsEverythingAsItWas) {
    TempDir dir;
    const std::string kaputt = dir.Datei("kaputt.hpx");
    std::string text = DateiInhalt(kGolden);
    DateiAnlegen(kaputt, text.substr(0, text.size() - 10)); // breaks off in the last point

    MeldungsProtokoll m;
    for (const std::string& pfad : {kaputt, dir.Datei("fehlt.hpx")}) {
        HoprexDaten d = Bestand();
        EXPECT_FALSE(GesamtLaden(d, pfad, m));
        ASSERT_EQ(d.Gesamt.AnzahlAbschnitte(), 1);
        EXPECT_EQ(d.Gesamt.Abschnitte[0].Beschreibung, "alt");
        EXPECT_EQ(d.Gesamt.Abschnitte[0].Markiert, 1);
        EXPECT_EQ(d.Gesamt.GlaettungMittelungUeber, 200);
        EXPECT_EQ(d.Einfuegemarke, 1);
        EXPECT_EQ(d.Dateiname, "alt");
        EXPECT_EQ(d.VerzeichnisLaden, "/alt");
    }
    ASSERT_EQ(m.Eintraege.size(), 2u);
    EXPECT_EQ(m.Eintraege[0], (Eintrag{"Fehler", "Fehler beim Lesen der Datei\nZeile 20"}));
    EXPECT_EQ(m.Eintraege[1], (Eintrag{"Fehler", "Fehler beim Öffnen der Datei"}));
}

TEST(AktuellLaden, MarksEverySectionAndLeavesTheWindowsAlone) {
    HoprexDaten d = Bestand();
    MeldungsProtokoll m;
    const Profile neu = AktuellLaden(d.Aktuell, kGolden, m);
    ASSERT_EQ(neu.AnzahlAbschnitte(), 2);
    EXPECT_EQ(neu.Abschnitte[0].Markiert, 1);
    EXPECT_EQ(neu.Abschnitte[1].Markiert, 1);
    EXPECT_EQ(neu.Punktanzahl, 5) << "the unsmoothed statistics ran";
    EXPECT_EQ(neu.HoeheMax, 1200);
    EXPECT_EQ(d.Gesamt.GlaettungMittelungUeber, 200);
    EXPECT_EQ(d.Dateiname, "alt");
    EXPECT_EQ(d.VerzeichnisLaden, "/alt");
}

TEST(AktuellLaden, CancelOrFaultLeavesTheCurrentProfileEmpty) {
    TempDir dir;
    DateiAnlegen(dir.Datei("leer.hpx"), "");
    for (const std::optional<std::string>& pfad :
         {std::optional<std::string>(), std::optional<std::string>(dir.Datei("leer.hpx"))}) {
        const Profile alt = ProfilAus({Abschnitt({1}, 0.1f)});
        MeldungsProtokoll m;
        const Profile neu = AktuellLaden(alt, pfad, m);
        EXPECT_EQ(neu.AnzahlAbschnitte(), 0);
        EXPECT_EQ(neu.HoeheMax, HoeheMaxLeer);
        EXPECT_EQ(m.Eintraege.size(), pfad ? 1u : 0u);
    }
}

TEST(GesamtSpeichern, WritesTheFileAndRemembersItsFolder) {
    TempDir dir;
    HoprexDaten d = Bestand();
    d.GesamtGeaendert = true;
    MeldungsProtokoll m;
    const std::string pfad = dir.Datei("neu.hpx");
    EXPECT_TRUE(GesamtSpeichern(d, pfad, m));
    EXPECT_EQ(d.VerzeichnisSchreiben, dir.Pfad().string());
    EXPECT_EQ(d.Dateiname, "alt");
    EXPECT_EQ(d.GesamtDatei, pfad) << "the saved file is the route's file";
    EXPECT_FALSE(d.GesamtGeaendert);

    HoprexDaten zurueck;
    EXPECT_TRUE(GesamtLaden(zurueck, pfad, m));
    EXPECT_EQ(zurueck.Gesamt.Abschnitte[0].Beschreibung, "alt");
    EXPECT_EQ(zurueck.Gesamt.GlaettungMittelungUeber, 200);
    EXPECT_TRUE(m.Eintraege.empty());
}

TEST(GesamtSpeichern, RefusesAnEmptyProfileAndAFolderThatIsNotThere) {
    TempDir dir;
    MeldungsProtokoll m;
    HoprexDaten leer;
    EXPECT_FALSE(DatenVorhanden(leer.Gesamt, m));
    EXPECT_FALSE(GesamtSpeichern(leer, dir.Datei("x.hpx"), m));
    EXPECT_FALSE(std::filesystem::exists(dir.Datei("x.hpx")));

    HoprexDaten d = Bestand();
    d.VerzeichnisSchreiben = "/vorher";
    d.GesamtGeaendert = true;
    EXPECT_FALSE(GesamtSpeichern(d, dir.Datei("fehlt/x.hpx"), m));
    EXPECT_EQ(d.VerzeichnisSchreiben, "/vorher");
    EXPECT_TRUE(d.GesamtGeaendert) << "a failed save leaves the route unsaved";
    EXPECT_EQ(d.GesamtDatei, "");

    ASSERT_EQ(m.Eintraege.size(), 3u);
    EXPECT_EQ(m.Eintraege[0], (Eintrag{"Fehler", "Keine Daten zum Speichern vorhanden"}));
    EXPECT_EQ(m.Eintraege[2], (Eintrag{"Fehler", "Fehler beim Öffnen der Datei"}));
}

// The widest route the program holds: every section full, every number at its widest. Its file
// is larger than 256 MB, and it opens again, as does its recovery copy.
TEST(GesamtSpeichern, TheWidestRouteOpensAgainAndSoDoesItsRecoveryCopy) {
    ProfileSection breit;
    breit.Beschreibung = std::string(MaxBeschreibung, 'W');
    breit.Punktanzahl = MaxPunkte;
    for (ProfilePoint& p : breit.Punkte) {
        p.Abstand = -std::numeric_limits<float>::max();
        p.Hoehe = std::numeric_limits<int32_t>::min();
        p.Stuetzpunkt = 1;
    }
    HoprexDaten d;
    d.Gesamt.Abschnitte.assign(MaxAbschnitte, breit);
    TempDir dir;
    const std::string datei = dir.Datei("breit.hpx");
    MeldungsProtokoll m;
    ASSERT_TRUE(GesamtSpeichern(d, datei, m));
    EXPECT_GT(std::filesystem::file_size(datei), size_t{256} << 20);
    const auto pruefen = [&](const Profile& gelesen) {
        ASSERT_EQ(gelesen.AnzahlAbschnitte(), MaxAbschnitte);
        const ProfileSection& letzter = gelesen.Abschnitte.back();
        EXPECT_EQ(letzter.Beschreibung, breit.Beschreibung);
        EXPECT_EQ(letzter.Punkte[MaxPunkte - 1].Abstand, breit.Punkte[0].Abstand);
        EXPECT_EQ(letzter.Punkte[MaxPunkte - 1].Hoehe, breit.Punkte[0].Hoehe);
        EXPECT_EQ(letzter.Punkte[MaxPunkte - 1].Stuetzpunkt, 1);
    };
    const std::optional<Routendaten> route = GesamtLesen(d, datei, m);
    ASSERT_TRUE(route);
    pruefen(route->Gesamt);
    std::filesystem::remove(datei);

    Kopienablage ablage(dir.Datei("state"));
    ASSERT_TRUE(ablage.Schreiben(KopieInhalt(d.Gesamt, datei)));
    Kopienablage spaeter(dir.Datei("state"));
    ablage.Freigeben();
    const std::optional<std::string> kopie = spaeter.VerwaisteKopieUebernehmen();
    ASSERT_TRUE(kopie);
    Routendaten wieder;
    ASSERT_TRUE(KopieDateiLesen(*kopie, Profile{}, wieder));
    pruefen(wieder.Gesamt);
    EXPECT_TRUE(m.Eintraege.empty());
}
