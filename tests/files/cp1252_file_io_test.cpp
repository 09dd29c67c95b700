#include "files/cp1252.h"
#include "files/file_io.h"

#include "support/message_log.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(Cp1252, ConvertsUmlautsAndMarksWhatItCannotHold) {
    EXPECT_EQ(Utf8ZuCp1252("Höhe €"), "H\xF6he \x80");
    EXPECT_EQ(Utf8ZuCp1252("Łódź"), "?\xF3"
                                    "d?");
    EXPECT_EQ(Utf8ZuCp1252("a\xFF"
                           "b"),
              "a?b")
        << "a byte that is no UTF-8";
    // A sequence broken off takes as many bytes as its first one announces, the ASCII ones after
    // it included, as in every file written so far.
    EXPECT_EQ(Utf8ZuCp1252("\xC3\xA4 \xE2\x82"
                           "ab\xC3"),
              "\xE4 ?b?");
    EXPECT_EQ(Cp1252ZuUtf8("H\xF6he \x80"), "Höhe €");
}

TEST(Cp1252, UnassignedBytesSurviveARoundTrip) {
    const std::string bytes = "x\x81y\x9D";
    EXPECT_EQ(Utf8ZuCp1252(Cp1252ZuUtf8(bytes)), bytes);
}

TEST(DateiErsetzen, ReplacesTheFileAndKeepsItsPermissions) {
    TempDir dir;
    const std::string pfad = dir.Datei("route.txt");
    DateiAnlegen(pfad, "alt");
    chmod(pfad.c_str(), 0640);
    EXPECT_EQ(DateiErsetzen(pfad, "neu"), SchreibErgebnis::Ok);
    EXPECT_EQ(DateiInhalt(pfad), "neu");
    struct stat info {};
    stat(pfad.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Pfad()), {}), 1)
        << "no temporary file is left behind";
}

TEST(DateiSchreiben, FailuresLeaveTheOldFileAndAreReported) {
    TempDir dir;
    MeldungsProtokoll m;
    EXPECT_EQ(DateiSchreiben(dir.Datei("fehlt/route.txt"), "x", m), SchreibErgebnis::OeffnenFehler);

    // A folder in the way cannot be opened as a file.
    const std::string ordner = dir.Datei("route.txt");
    std::filesystem::create_directory(ordner);
    DateiAnlegen(ordner + "/drin", "alt");
    EXPECT_EQ(DateiSchreiben(ordner, "x", m), SchreibErgebnis::OeffnenFehler);
    EXPECT_EQ(DateiInhalt(ordner + "/drin"), "alt");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Pfad()), {}), 1);

    ASSERT_EQ(m.Eintraege.size(), 2u);
    EXPECT_EQ(m.Eintraege[0],
              (MeldungsProtokoll::Eintrag{"Fehler", "Fehler beim Öffnen der Datei"}));
    EXPECT_EQ(m.Eintraege[1],
              (MeldungsProtokoll::Eintrag{"Fehler", "Fehler beim Öffnen der Datei"}));
}

TEST(Pfade, FolderAndNameOfAChosenFile) {
    EXPECT_EQ(VerzeichnisVon("/home/ute/Touren/route.hpx"), "/home/ute/Touren");
    EXPECT_EQ(DateinameVon("/home/ute/Touren/route.hpx"), "route.hpx");
    EXPECT_EQ(VerzeichnisVon("route.hpx"), "");
    EXPECT_EQ(DateinameVon("route.hpx"), "route.hpx");
}
