#include "files/settings_file.h"

#include "support/message_log.h"
#include "support/temp_dir.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

HoprexDaten LesenAus(const std::string& inhalt) {
    TempDir dir;
    const std::string pfad = dir.Datei("hoprex.INI");
    DateiAnlegen(pfad, inhalt);
    HoprexDaten d;
    EinstellungenLesen(d, pfad);
    return d;
}

} // namespace

TEST(Einstellungen, FirstRunUsesDefaultsAndWritesEveryKey) {
    TempDir dir;
    const std::string pfad = dir.Datei("hoprex.INI");
    HoprexDaten d;
    EinstellungenLesen(d, pfad);
    EXPECT_EQ(d.Gesamt.GlaettungMittelungUeber, 450);
    EXPECT_EQ(d.Gesamt.SteigungMittelungUeber, 100);
    EXPECT_EQ(d.Gesamt.SteigungMax, 30);
    EXPECT_EQ(d.SkalFixMax, 2000);
    EXPECT_EQ(d.SkalFixMin, 1);
    EXPECT_TRUE(d.ExportOptions.StreckeInKm);
    EXPECT_EQ(d.ExportOptions.MeterProPunkt, 1);

    MeldungsProtokoll m;
    const std::string erwartet =
        DateiInhalt(std::string(HOPREX_TEST_DATA_DIR) + "/files/first_run.ini");
    ASSERT_TRUE(EinstellungenSchreiben(d, pfad, m));
    EXPECT_EQ(DateiInhalt(pfad), erwartet);
    // The defaults the command-line tool starts from are these very values.
    const std::string vorgaben = dir.Datei("vorgaben.INI");
    ASSERT_TRUE(EinstellungenSchreiben(Voreinstellungen(), vorgaben, m));
    EXPECT_EQ(DateiInhalt(vorgaben), erwartet);
}

TEST(Einstellungen, ReadsHexFlagsAnyLetterCaseAndFallsBackOnNonsense) {
    const HoprexDaten d = LesenAus("[skalierung]\nFixEin=5\nSKALFIXMAX=0x10\nSkalFixMin=$20\n"
                                   "[Steigung]\nsteigungmax=abc\nMittelungUeber=-3\n"
                                   "[ExportOptionen]\nMeterProPunkt=0\nStreckeInKm=0\n"
                                   "[Verzeichnisse]\nLaden=/home/ute/Meine Touren\n");
    EXPECT_TRUE(d.SkalFixEin);
    EXPECT_EQ(d.SkalFixMax, 16);
    EXPECT_EQ(d.SkalFixMin, 32);
    EXPECT_EQ(d.Gesamt.SteigungMax, 30);
    EXPECT_EQ(d.Gesamt.SteigungMittelungUeber, -3) << "no bounds but the one of MeterProPunkt";
    EXPECT_EQ(d.ExportOptions.MeterProPunkt, 1);
    EXPECT_FALSE(d.ExportOptions.StreckeInKm);
    EXPECT_EQ(d.VerzeichnisLaden, "/home/ute/Meine Touren");
}

TEST(Einstellungen, FoldersUpTo999CharactersInWindows1252) {
    const std::string passt = "/" + std::string(997, 'a') + "\xF6";
    const HoprexDaten d =
        LesenAus("[Verzeichnisse]\nLaden=" + passt + "\nExport=" + std::string(1000, 'b') + "\n");
    EXPECT_EQ(d.VerzeichnisLaden, "/" + std::string(997, 'a') + "ö");
    EXPECT_EQ(d.VerzeichnisExport, "") << "too long for the field: ignored";
}

TEST(Einstellungen, WritingKeepsOtherEntriesAndNormalisesValues) {
    TempDir dir;
    const std::string pfad = dir.Datei("hoprex.INI");
    DateiAnlegen(pfad, "; von Hand\n[Fremd]\nSchluessel=Wert\n"
                       "[Skalierung]\nfixein=5\nSkalFixMax=0x10\nEigenes=ja\n");
    HoprexDaten d;
    EinstellungenLesen(d, pfad);
    d.VerzeichnisSchreiben = "/home/jörg";
    MeldungsProtokoll m;
    ASSERT_TRUE(EinstellungenSchreiben(d, pfad, m));
    const std::string text = DateiInhalt(pfad);
    EXPECT_EQ(text.find("; von Hand\n"), 0u) << text;
    EXPECT_NE(text.find("[Fremd]\nSchluessel=Wert\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[Skalierung]\nfixein=1\nSkalFixMax=16\nEigenes=ja\nSkalFixMin=1\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Schreiben=/home/j\xF6rg\n"), std::string::npos);
    EXPECT_LT(text.find("[Fremd]"), text.find("[Verzeichnisse]")) << "new sections go last";
}

TEST(Einstellungen, TheRouteViewKeepsItsWindowAndOptionsInASectionOfItsOwn) {
    TempDir dir;
    const std::string pfad = dir.Datei("hoprex.INI");
    DateiAnlegen(pfad, "[Routenprofil]\nLinks=-1200\nOben=40\nBreite=900\nHoehe=-5\n"
                       "Maximiert=1\nroheLinie=0\nBildBreite=50\nBildHoehe=99999\n"
                       "BildGanzeRoute=1\nVerzeichnis=/home/ute/Bilder\n");
    HoprexDaten d;
    EinstellungenLesen(d, pfad);
    const RoutenprofilEinstellungen& r = d.Routenprofil;
    EXPECT_EQ(r.Links, -1200) << "left of the main screen on a second one";
    EXPECT_EQ(r.Oben, 40);
    EXPECT_EQ(r.Breite, 900);
    EXPECT_EQ(r.Hoehe, 0) << "never placed";
    EXPECT_TRUE(r.Maximiert);
    EXPECT_EQ(r.Darstellung, (RoutenDarstellung{false, true, true}));
    EXPECT_EQ(r.Bild, (RoutenBildOptionen{true, true, BildSeiteMin, BildSeiteMax}));
    EXPECT_EQ(r.Verzeichnis, "/home/ute/Bilder");

    d.Routenprofil.Darstellung.Abschnittsnamen = false;
    d.Routenprofil.Bild.Breite = 1234;
    MeldungsProtokoll m;
    ASSERT_TRUE(EinstellungenSchreiben(d, pfad, m));
    HoprexDaten wieder;
    EinstellungenLesen(wieder, pfad);
    EXPECT_EQ(wieder.Routenprofil.Darstellung, d.Routenprofil.Darstellung);
    EXPECT_EQ(wieder.Routenprofil.Bild, d.Routenprofil.Bild);
    EXPECT_EQ(wieder.Routenprofil.Links, -1200);
}

TEST(Einstellungen, AFileThatCannotBeWrittenIsReported) {
    TempDir dir;
    const std::string pfad = dir.Datei("hoprex.INI");
    std::filesystem::create_directory(pfad);
    MeldungsProtokoll m;
    EXPECT_FALSE(EinstellungenSchreiben(HoprexDaten{}, pfad, m));
    ASSERT_EQ(m.Eintraege.size(), 1u);
    EXPECT_EQ(m.Eintraege[0], (MeldungsProtokoll::Eintrag{
                                  "Fehler", "nach " + pfad + " kann nicht geschrieben werden"}));
}

TEST(EinstellungenPfad, BesideTheProgramOrWithTheUsersSettings) {
    TempDir dir;
    EXPECT_EQ(EinstellungenPfad(dir.Datei("hoprex")), dir.Datei("hoprex.INI"));
    EXPECT_EQ(EinstellungenPfad(dir.Datei("Hoprex.exe")), dir.Datei("Hoprex.INI"));

    // A folder the program cannot write to (here: one that is not there).
    const std::string installiert = dir.Datei("usr/bin/hoprex");
    const char* altXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string merkeXdg = altXdg ? altXdg : "";
    setenv("XDG_CONFIG_HOME", dir.Datei("xdg").c_str(), 1);
    EXPECT_EQ(EinstellungenPfad(installiert), dir.Datei("xdg/hoprex/hoprex.INI"));
    unsetenv("XDG_CONFIG_HOME");
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    if (!home.empty()) {
        EXPECT_EQ(EinstellungenPfad(installiert), home + "/.config/hoprex/hoprex.INI");
    }
    if (altXdg) setenv("XDG_CONFIG_HOME", merkeXdg.c_str(), 1);

    // Writing there creates the folder.
    HoprexDaten d;
    MeldungsProtokoll m;
    EXPECT_TRUE(EinstellungenSchreiben(d, dir.Datei("xdg/hoprex/hoprex.INI"), m));
}

TEST(Einstellungen, TheTracksStartPointPaceAndSegmentsAreKeptAndHeldOnTheGlobe) {
    HoprexDaten d = LesenAus("[Strecke]\nStartBreite=-33.8688\nStartLaenge=151.2093\n"
                             "Richtung=-90\nTempo=27.5\nSegmentMeter=250\n");
    EXPECT_EQ(d.StreckenOptionen.StartBreite, -33.8688);
    EXPECT_EQ(d.StreckenOptionen.StartLaenge, 151.2093);
    EXPECT_EQ(d.StreckenOptionen.Richtung, 270.0);
    EXPECT_EQ(d.StreckenOptionen.Tempo, 27.5);
    EXPECT_EQ(d.StreckenOptionen.SegmentMeter, 250);
    // Written back, read again: the same numbers.
    TempDir dir;
    MeldungsProtokoll m;
    ASSERT_TRUE(EinstellungenSchreiben(d, dir.Datei("hoprex.INI"), m));
    HoprexDaten wieder;
    EinstellungenLesen(wieder, dir.Datei("hoprex.INI"));
    EXPECT_EQ(wieder.StreckenOptionen.StartBreite, -33.8688);
    EXPECT_EQ(wieder.StreckenOptionen.Tempo, 27.5);

    // Off the globe, a comma, no number, a pace of nothing: the nearest bound or the default.
    d = LesenAus("[Strecke]\nStartBreite=95\nStartLaenge=47,5\nRichtung=nan\nTempo=0\n"
                 "SegmentMeter=0\n");
    const TStreckenOptionen v;
    EXPECT_EQ(d.StreckenOptionen.StartBreite, 90.0);
    EXPECT_EQ(d.StreckenOptionen.StartLaenge, v.StartLaenge);
    EXPECT_EQ(d.StreckenOptionen.Richtung, v.Richtung);
    EXPECT_EQ(d.StreckenOptionen.Tempo, v.Tempo);
    EXPECT_EQ(d.StreckenOptionen.SegmentMeter, 1);
}
