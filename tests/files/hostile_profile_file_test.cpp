// Files a user may pick with "Öffnen" that the program did not write, or that were damaged or
// edited, or that are no files at all: each is either refused while the open route stays as it
// was, or loaded as documented below, and never read past a section's 446 points or 500
// description characters, nor past the most sections a profile holds.

#include "files/profile_file.h"
#include "files/profile_storage.h"
#include "files/text_export.h"
#include "model/smoothing.h"

#include "support/message_log.h"
#include "support/profile_builder.h"
#include "support/temp_dir.h"

#include <climits>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

using Eintrag = MeldungsProtokoll::Eintrag;

std::string Kopf(const std::string& abschnitte) {
    return "Version \t 2\nGlaetten \t 450\nSteigungGlaetten \t 100\n"
           "leer\nleer\nleer\nleer\nleer\nleer\nleer\nAbschnitte \t " +
           abschnitte + "\n";
}

// The route the user has open while trying the file, and a current profile beside it.
HoprexDaten Offen() {
    HoprexDaten d;
    d.Gesamt = ProfilAus(
        {Abschnitt({612, 640, 698}, 0.125f, "Anstieg"), Abschnitt({698, 650}, 0.25f, "Abfahrt")});
    d.Gesamt.Abschnitte[1].Markiert = 1;
    d.Gesamt.GlaettungMittelungUeber = 300;
    d.Gesamt.SteigungMittelungUeber = 80;
    GesamtNeuBerechnen(d.Gesamt, 300, 80);
    d.Aktuell = ProfilAus({Abschnitt({100, 120}, 0.01f, "aktuell")});
    d.Einfuegemarke = 1;
    d.Dateiname = "meine_tour";
    d.VerzeichnisLaden = "/touren";
    return d;
}

// What a failed load into the overall profile must leave as it was.
std::string Abbild(const HoprexDaten& d) {
    std::string marken;
    for (const ProfileSection& a : d.Gesamt.Abschnitte)
        marken += std::to_string(a.Markiert);
    return ProfilDateiInhalt(d.Gesamt) + marken + "|" + std::to_string(d.Einfuegemarke) + "|" +
           std::to_string(d.Gesamt.HoehenmeterPlus) + "|" + d.Dateiname + "|" + d.VerzeichnisLaden;
}

// Every byte value sixteen times over: NUL bytes, control characters, sixteen line breaks.
std::string Binaerdatei() {
    std::string bytes;
    for (int runde = 0; runde < 16; ++runde)
        for (int b = 0; b < 256; ++b)
            bytes += static_cast<char>(b);
    return bytes;
}

// Loads `inhalt` from a file into the overall profile of `d`.
bool Laden(HoprexDaten& d, const std::string& inhalt, MeldungsProtokoll& m) {
    TempDir dir;
    const std::string pfad = dir.Datei("fremd.hpx");
    DateiAnlegen(pfad, inhalt);
    return GesamtLaden(d, pfad, m);
}

HoprexDaten Geladen(const std::string& inhalt) {
    HoprexDaten d = Offen();
    MeldungsProtokoll m;
    EXPECT_TRUE(Laden(d, inhalt, m));
    EXPECT_TRUE(m.Eintraege.empty());
    GesamtNeuBerechnen(d.Gesamt, 450, 100);
    return d;
}

} // namespace

TEST(FeindlicheProfildatei, RefusedFilesNameTheirLineAndLeaveTheOpenRouteWhole) {
    struct Fall {
        const char* was;
        std::string inhalt;
        int32_t zeile;
    };
    const Fall faelle[] = {
        {"empty file", "", 1},
        {"binary file", Binaerdatei(), 11},
        {"447 points", Kopf("1") + "A\n  447\n", 13},
        {"point count -1", Kopf("1") + "A\n   -1\n", 13},
        {"negative section count", Kopf("-3"), 11},
        {"2^31 sections", Kopf("2147483648"), 11},
        // More sections than a profile holds are refused before any is read.
        {"2^31 - 1 sections, one there", Kopf("2147483647") + "A\n1\n0 \t 0.000 \t 5 \t 0\n", 11},
        {"10,001 sections", Kopf("10001"), 11},
        {"10,000 sections, one there", Kopf("10000") + "A\n1\n0 \t 0.000 \t 5 \t 0\n", 15},
        {"ends inside a point line",
         Kopf("1") + "A\n    2\n   0 \t 0.000 \t  612 \t 0\n   1 \t 0.125 \t  6", 15},
        {"ends inside the distance", Kopf("1") + "A\n    1\n   0 \t 0.", 14},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        const Eintrag meldung{"Fehler",
                              "Fehler beim Lesen der Datei\nZeile " + std::to_string(f.zeile)};
        HoprexDaten d = Offen();
        const std::string vorher = Abbild(d);
        MeldungsProtokoll m;
        EXPECT_FALSE(Laden(d, f.inhalt, m));
        EXPECT_EQ(m.Eintraege, std::vector<Eintrag>{meldung});
        EXPECT_EQ(Abbild(d), vorher);

        // The load into the current profile empties it before the dialog, as always.
        TempDir dir;
        DateiAnlegen(dir.Datei("fremd.hpx"), f.inhalt);
        MeldungsProtokoll mAktuell;
        d.Aktuell = AktuellLaden(d.Aktuell, dir.Datei("fremd.hpx"), mAktuell);
        EXPECT_EQ(mAktuell.Eintraege, std::vector<Eintrag>{meldung});
        EXPECT_EQ(d.Aktuell.AnzahlAbschnitte(), 0);
        EXPECT_EQ(ProfilDateiInhalt(d.Gesamt), ProfilDateiInhalt(Offen().Gesamt));
    }
}

// A FIFO would wait for a writer, /dev/zero would be read until memory runs out: only regular
// files are opened, and anything else is refused at once.
TEST(FeindlicheProfildatei, OnlyRegularFilesAreOpened) {
    TempDir dir;
    const std::string fifo = dir.Datei("rohr.hpx");
    FifoAnlegen(fifo);
    // As large as no route is: a disk image picked by mistake is not read into memory.
    const std::string riesig = dir.Datei("riesig.hpx");
    GrosseDateiAnlegen(riesig, "", MaxProfilDatei + 1);
    const Eintrag meldung{"Fehler", "Fehler beim Öffnen der Datei"};
    for (const std::string& pfad : {fifo, std::string("/dev/zero"), std::string("/dev/urandom"),
                                    dir.Pfad().string(), riesig}) {
        SCOPED_TRACE(pfad);
        HoprexDaten d = Offen();
        const std::string vorher = Abbild(d);
        MeldungsProtokoll m;
        EXPECT_FALSE(GesamtLaden(d, pfad, m));
        EXPECT_EQ(Abbild(d), vorher);
        EXPECT_EQ(AktuellLaden(d.Aktuell, pfad, m).AnzahlAbschnitte(), 0);
        EXPECT_EQ(m.Eintraege, (std::vector<Eintrag>{meldung, meldung}));
    }
}

// 300,000 nearly empty sections in 1.2 MB cost 5.5 GB while each section held its full record;
// a file may declare at most MaxAbschnitte sections and is refused unread beyond that.
TEST(FeindlicheProfildatei, SectionsBeyondTheBoundAreRefusedBeforeTheyTakeMemory) {
    const auto spitzeMb = [] {
        rusage r{};
        getrusage(RUSAGE_SELF, &r);
        return r.ru_maxrss / 1024; // kB on Linux
    };
    const auto leereAbschnitte = [](int32_t anzahl) {
        std::string text = Kopf(std::to_string(anzahl));
        for (int32_t i = 0; i < anzahl; ++i)
            text += "x\n0\n";
        return text;
    };
    const long vorher = spitzeMb();
    const std::string zuViele = leereAbschnitte(300000);
    HoprexDaten d = Offen();
    MeldungsProtokoll m;
    EXPECT_FALSE(Laden(d, zuViele, m));
    EXPECT_EQ(m.Eintraege,
              (std::vector<Eintrag>{{"Fehler", "Fehler beim Lesen der Datei\nZeile 11"}}));
    EXPECT_EQ(d.Gesamt.AnzahlAbschnitte(), 2);
    EXPECT_LT(spitzeMb() - vorher, 20);

    // The most a profile holds loads, within the memory its records take: 11 kB each, 110 MB,
    // which the sanitizers' red zones about double.
    const HoprexDaten voll = Geladen(leereAbschnitte(MaxAbschnitte));
    EXPECT_EQ(voll.Gesamt.AnzahlAbschnitte(), MaxAbschnitte);
    EXPECT_LT(spitzeMb() - vorher, 300);
}

TEST(FeindlicheProfildatei, WindowsLineEndsLoadLikeUnixOnes) {
    const std::string lf = Kopf("2") + "Start\n    2\n   0 \t 0.000 \t  100 \t 0\n"
                                       "   1 \t 0.050 \t  150 \t 1\nBESCHREIBUNG_LEER\n    1\n"
                                       "   0 \t 0.052 \t 1200 \t 0\n";
    std::string crlf;
    for (char c : lf)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const HoprexDaten a = Geladen(lf);
    const HoprexDaten b = Geladen(crlf);
    EXPECT_EQ(ProfilDateiInhalt(b.Gesamt), ProfilDateiInhalt(a.Gesamt));
    ASSERT_EQ(b.Gesamt.AnzahlAbschnitte(), 2);
    EXPECT_EQ(b.Gesamt.Abschnitte[0].Beschreibung, "Start");
    EXPECT_EQ(b.Gesamt.Abschnitte[1].Beschreibung, "");
    EXPECT_EQ(b.Gesamt.HoehenmeterPlus, 50);
}

// The file format is Windows-1252. A file saved as UTF-8 by an editor loads with each byte as one
// character, and saving writes the very bytes back, so nothing of the text is lost.
TEST(FeindlicheProfildatei, Utf8DescriptionReadsAsWindows1252AndSavesBackByteForByte) {
    const std::string beschreibung = "Höhe über dem Tal"; // UTF-8 bytes in the file
    const HoprexDaten d =
        Geladen(Kopf("1") + beschreibung + "\n    1\n   0 \t 0.000 \t  100 \t 0\n");
    ASSERT_EQ(d.Gesamt.AnzahlAbschnitte(), 1);
    EXPECT_EQ(d.Gesamt.Abschnitte[0].Beschreibung, "HÃ¶he Ã¼ber dem Tal");
    EXPECT_NE(ProfilDateiInhalt(d.Gesamt).find("\n" + beschreibung + "\n"), std::string::npos);
}

TEST(FeindlicheProfildatei, DescriptionOf10000CharactersIsCutTo500AndTheFileReadsOn) {
    const std::string lang(10000, 'x');
    const HoprexDaten d = Geladen(Kopf("2") + lang + "\n    1\n   0 \t 0.000 \t  100 \t 0\n" +
                                  "danach\n    1\n   0 \t 0.000 \t  200 \t 1\n");
    ASSERT_EQ(d.Gesamt.AnzahlAbschnitte(), 2);
    EXPECT_EQ(d.Gesamt.Abschnitte[0].Beschreibung, std::string(MaxBeschreibung, 'x'));
    EXPECT_EQ(d.Gesamt.Abschnitte[1].Beschreibung, "danach");
    EXPECT_EQ(d.Gesamt.Abschnitte[1].Punkte[0].Hoehe, 200);
}

// Heights are read whatever their width: a file of another tool may hold heights in feet or
// below sea level, and the program writes any height it holds in full.
TEST(FeindlicheProfildatei, HeightOf99999LoadsWholeAndIsSavedWhole) {
    const HoprexDaten d = Geladen(Kopf("1") + "A\n    2\n   0 \t 0.000 \t 99999 \t 0\n"
                                              "   1 \t 0.100 \t  100 \t 0\n");
    ASSERT_EQ(d.Gesamt.AnzahlAbschnitte(), 1);
    EXPECT_EQ(d.Gesamt.Abschnitte[0].Punkte[0].Hoehe, 99999);
    EXPECT_EQ(d.Gesamt.HoeheMax, 99999);
    EXPECT_EQ(d.Gesamt.HoehenmeterMinus, 99899);
    EXPECT_NE(ProfilDateiInhalt(d.Gesamt).find("\t 99999 \t"), std::string::npos);
}

// Found by fuzzing: the step between these heights overflowed 32 bits in the statistics, and
// in the gradient when the smoothing leaves them as they are.
TEST(FeindlicheProfildatei, HeightsAtThe32BitEndsHoldAscentAndDescentAtTheMaximum) {
    const std::string abschnitt = "A\n    3\n   0 \t 0.000 \t 2147483647 \t 0\n"
                                  "   1 \t 0.010 \t -2147483648 \t 0\n"
                                  "   2 \t 0.010 \t 2147483647 \t 0\n";
    HoprexDaten d = Geladen(Kopf("2") + abschnitt + abschnitt);
    EXPECT_EQ(d.Gesamt.Abschnitte[0].HoehenmeterPlus, INT32_MAX);
    EXPECT_EQ(d.Gesamt.Abschnitte[0].HoehenmeterMinus, INT32_MAX);
    EXPECT_EQ(d.Gesamt.HoehenmeterPlus, INT32_MAX);
    EXPECT_EQ(d.Gesamt.HoehenmeterMinus, INT32_MAX);
    EXPECT_EQ(d.Gesamt.HoeheMin, INT32_MIN);

    GesamtNeuBerechnen(d.Gesamt, 0, 10);
    const ProfilePoint& mitte = d.Gesamt.Abschnitte[0].Punkte[1];
    EXPECT_EQ(mitte.HoeheGeglaettet, INT32_MIN);
    EXPECT_GT(d.Gesamt.Abschnitte[0].Punkte[2].Steigung, 1e10f) << "4294967295 m over 10 m";
}

// Found by fuzzing: a distance of 2.2e26 km gave an undefined conversion in the export in metres.
TEST(FeindlicheProfildatei, DistanceBeyondAnyRouteExportsInMetresHeldAtTheLimit) {
    const HoprexDaten d =
        Geladen(Kopf("1") + "A\n    2\n   0 \t 0.000 \t  612 \t 0\n"
                            "   1 \t 222222222222222222222222220.127 \t 40 \t 1\n");
    TExportOptions o;
    o.StreckeInKm = false;
    o.Header = true;
    const std::string text = ExportInhalt(d.Gesamt, o);
    EXPECT_NE(text.find("Strecke \t9223372036854775807\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n9223372036854775807\t  40\t\n"), std::string::npos) << text;
}
