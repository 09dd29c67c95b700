// The old bytes of a file written in place, as a later start finds them after a kill.
#include "files/in_place_backup.h"

#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A program that keeps the old bytes of `ziel`, leaves `danach` in it and is gone without a
// word, as a kill leaves it.
void Abgebrochen(const std::string& ordner, const std::string& ziel, const std::string& neu,
                 const std::string& danach) {
    const pid_t kind = fork();
    if (kind == 0) {
        AltinhaltSicherung sicherung;
        Pruefsumme summe;
        summe.Hinzu(neu);
        if (!sicherung.Anlegen(ordner, ziel, summe)) _exit(1);
        DateiAnlegen(ziel, danach);
        _exit(0);
    }
    int status = 0;
    waitpid(kind, &status, 0);
    ASSERT_EQ(status, 0);
}

} // namespace

TEST(AltinhaltSicherung, OnlyAWriteLeftHalfDoneIsOfferedAndItsOldBytesComeBack) {
    TempDir dir;
    const std::string ordner = dir.Datei("state");
    const std::string ziel = dir.Datei("route.hpx");
    // Of the same length, so that only the bytes tell them apart.
    const std::string alt = "die alte Route!\n", neu = "die neue Route!\n";
    // The write never began, or it finished: nothing to offer, and the backup goes.
    for (const std::string& danach : {alt, neu}) {
        DateiAnlegen(ziel, alt);
        Abgebrochen(ordner, ziel, neu, danach);
        EXPECT_TRUE(UnterbrocheneSchreibvorgaenge(ordner).empty());
        EXPECT_TRUE(std::filesystem::is_empty(ordner));
    }
    // Cut off halfway: the old bytes go back in place.
    DateiAnlegen(ziel, alt);
    Abgebrochen(ordner, ziel, neu, neu.substr(0, 6) + alt.substr(6));
    const std::vector<UnterbrochenesSchreiben> offen = UnterbrocheneSchreibvorgaenge(ordner);
    ASSERT_EQ(offen.size(), 1u);
    EXPECT_EQ(offen[0].Ziel, ziel);
    ASSERT_TRUE(AltenInhaltZurueckschreiben(offen[0]));
    EXPECT_EQ(DateiInhalt(ziel), alt);
    EXPECT_TRUE(std::filesystem::is_empty(ordner));
}
