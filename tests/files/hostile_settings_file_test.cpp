// Settings files that other programs or people edited: whatever they hold, start-up reads sound
// values (the default where a value cannot be read), shutdown writes a file that the next
// start-up reads as the same settings, and entries of others survive.

#include "files/settings_file.h"

#include "support/message_log.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

// The nineteen settings as one text, to compare two start-ups at a glance.
std::string Einstellungen(const HoprexDaten& d) {
    const TExportOptions& e = d.ExportOptions;
    std::string text =
        d.VerzeichnisLaden + "|" + d.VerzeichnisSchreiben + "|" + d.VerzeichnisExport + "|";
    for (int32_t zahl : {d.Gesamt.GlaettungMittelungUeber, int32_t{d.Gesamt.GlaettungEinAus},
                         d.Gesamt.SteigungMittelungUeber, d.Gesamt.SteigungMax,
                         int32_t{d.SkalFixEin}, d.SkalFixMax, d.SkalFixMin, int32_t{e.Glaettung},
                         int32_t{e.Header}, int32_t{e.Abschnitte}, int32_t{e.Stuetzpunkte},
                         int32_t{e.PunkteReduzieren}, e.MeterProPunkt, int32_t{e.StreckeInKm},
                         int32_t{e.StreckeRelativ}, int32_t{e.TrennzeichenPunkt}})
        text += std::to_string(zahl) + " ";
    return text;
}

// One start-up with `inhalt` as the settings file, its shutdown, and the next start-up.
struct Laeufe {
    HoprexDaten erster;
    std::string geschrieben; // the file after the shutdown
    HoprexDaten zweiter;
};

Laeufe StartUndEnde(const std::string& inhalt) {
    TempDir dir;
    const std::string pfad = dir.Datei("hoprex.INI");
    DateiAnlegen(pfad, inhalt);
    Laeufe l;
    EinstellungenLesen(l.erster, pfad);
    MeldungsProtokoll m;
    EXPECT_TRUE(EinstellungenSchreiben(l.erster, pfad, m));
    EXPECT_TRUE(m.Eintraege.empty());
    l.geschrieben = DateiInhalt(pfad);
    EinstellungenLesen(l.zweiter, pfad);
    EXPECT_EQ(Einstellungen(l.zweiter), Einstellungen(l.erster)) << l.geschrieben;
    return l;
}

std::string Vorgaben() {
    TempDir dir;
    HoprexDaten d;
    EinstellungenLesen(d, dir.Datei("fehlt.INI"));
    return Einstellungen(d);
}

} // namespace

TEST(FeindlicheEinstellungen, EmptyAndBinaryFilesGiveTheDefaults) {
    std::string binaer;
    for (int runde = 0; runde < 4; ++runde)
        for (int b = 0; b < 256; ++b)
            binaer += static_cast<char>(b);
    for (const std::string& inhalt : {std::string(), binaer}) {
        const Laeufe l = StartUndEnde(inhalt);
        EXPECT_EQ(Einstellungen(l.erster), Vorgaben());
        EXPECT_NE(l.geschrieben.find("[Glaettung]\nMittelungUeber=450\n"), std::string::npos);
    }
}

// A folder longer than its field of 999 characters is ignored, a number of 5,000 digits gives its
// default, and another program's value of 5,000 characters is written back whole.
TEST(FeindlicheEinstellungen, ValuesOf5000Characters) {
    const std::string lang(5000, 'a');
    const Laeufe l = StartUndEnde("[Verzeichnisse]\nLaden=/" + lang +
                                  "\n[Glaettung]\nMittelungUeber=" + std::string(5000, '9') +
                                  "\n[Fremd]\nWert=" + lang + "\n");
    EXPECT_EQ(l.erster.VerzeichnisLaden, "");
    EXPECT_EQ(l.erster.Gesamt.GlaettungMittelungUeber, 450);
    EXPECT_NE(l.geschrieben.find("[Fremd]\nWert=" + lang + "\n"), std::string::npos);
}

// The broken header does not open the section, so its values are not taken; the sections after
// it are read as usual.
TEST(FeindlicheEinstellungen, SectionNameWithoutClosingBracket) {
    for (const char* inhalt : {"[Glaettung\nMittelungUeber=99\n[Steigung]\nSteigungMax=7\n",
                               "[Steigung]\nSteigungMax=7\n[Glaettung\nMittelungUeber=99\n",
                               "[Steigung]\nSteigungMax=7\n[Glaettung"}) {
        SCOPED_TRACE(inhalt);
        const Laeufe l = StartUndEnde(inhalt);
        EXPECT_EQ(l.erster.Gesamt.GlaettungMittelungUeber, 450);
        EXPECT_EQ(l.erster.Gesamt.SteigungMax, 7);
    }
}

// A line without "=" is no key: the default stands, and the keys after it are still read.
TEST(FeindlicheEinstellungen, KeysWithoutEqualsSign) {
    const Laeufe l = StartUndEnde("[Steigung]\nSteigungMax 7\nMittelungUeber=60\n"
                                  "[Glaettung]\nGlaettungEinAus\nMittelungUeber=99\n");
    EXPECT_EQ(l.erster.Gesamt.SteigungMax, 30);
    EXPECT_EQ(l.erster.Gesamt.SteigungMittelungUeber, 60);
    EXPECT_FALSE(l.erster.Gesamt.GlaettungEinAus);
    EXPECT_EQ(l.erster.Gesamt.GlaettungMittelungUeber, 99);
}

TEST(FeindlicheEinstellungen, WindowsLineEndsAndAnEditorsUtf8Signature) {
    const Laeufe l = StartUndEnde("\xEF\xBB\xBF[Glaettung]\r\nMittelungUeber=99\r\n"
                                  "[Skalierung]\r\nFixEin=1\r\nSkalFixMax=3000\r\n"
                                  "[Verzeichnisse]\r\nLaden=/home/anna/Touren\r\n");
    EXPECT_EQ(l.erster.Gesamt.GlaettungMittelungUeber, 99);
    EXPECT_TRUE(l.erster.SkalFixEin);
    EXPECT_EQ(l.erster.SkalFixMax, 3000);
    EXPECT_EQ(l.erster.VerzeichnisLaden, "/home/anna/Touren") << "no carriage return left over";
}

// The file is Windows-1252; a folder saved as UTF-8 by an editor reads with each byte as one
// character and is written back byte for byte.
TEST(FeindlicheEinstellungen, Utf8FolderIsKeptByteForByte) {
    const Laeufe l = StartUndEnde("[Verzeichnisse]\nLaden=/home/anna/Höhe\n");
    EXPECT_EQ(l.erster.VerzeichnisLaden, "/home/anna/HÃ¶he");
    EXPECT_NE(l.geschrieben.find("Laden=/home/anna/Höhe\n"), std::string::npos);
}

// A NUL byte ended the reading, and the next shutdown dropped every line after it, other
// programs' keys included. The byte is dropped, the lines after it are read and kept.
TEST(FeindlicheEinstellungen, ANulByteLosesNothingAfterIt) {
    const Laeufe l = StartUndEnde(std::string("[Glaettung]\nMittelungUeber=99\0\n[Fremd]\n"
                                              "Wert=a\0b\n[Steigung]\nSteigungMax=7\n",
                                              73));
    EXPECT_EQ(l.erster.Gesamt.GlaettungMittelungUeber, 99);
    EXPECT_EQ(l.erster.Gesamt.SteigungMax, 7);
    EXPECT_NE(l.geschrieben.find("[Fremd]\nWert=ab\n"), std::string::npos) << l.geschrieben;
    EXPECT_EQ(l.geschrieben.find('\0'), std::string::npos);
}

// A FIFO or a file of 17 MB under the settings file's name: start-up takes the defaults at once,
// and shutdown does not write over what it could not read.
TEST(FeindlicheEinstellungen, WhatCannotBeReadWholeIsNotWrittenOver) {
    TempDir dir;
    const std::string fifo = dir.Datei("fifo.INI");
    FifoAnlegen(fifo);
    const std::string gross = dir.Datei("gross.INI");
    GrosseDateiAnlegen(gross, "[Fremd]\nWert=1\n", 17 << 20);
    for (const std::string& pfad : {fifo, gross}) {
        SCOPED_TRACE(pfad);
        HoprexDaten d;
        EinstellungenLesen(d, pfad);
        EXPECT_EQ(Einstellungen(d), Vorgaben());
        MeldungsProtokoll m;
        EXPECT_FALSE(EinstellungenSchreiben(d, pfad, m));
        EXPECT_EQ(m.Eintraege, (std::vector<MeldungsProtokoll::Eintrag>{
                                   {"Fehler", "nach " + pfad + " kann nicht geschrieben werden"}}));
    }
    EXPECT_EQ(DateiInhalt(gross).substr(0, 15), "[Fremd]\nWert=1\n");
    EXPECT_EQ(std::filesystem::file_size(gross), 17u << 20);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Pfad()), {}), 2);
}
