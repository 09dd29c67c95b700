// Saving, exporting and the settings replace files the user set up: links, hard links, owner,
// mode and FIFOs stay what they were, only their content changes, and a file the user may not
// write is refused. (Devices and FIFOs through hoprex-cli: cli_files_test.cpp.)

#include "files/file_io.h"
#include "files/profile_storage.h"
#include "files/settings_file.h"

#include "support/message_log.h"
#include "support/other_user.h"
#include "support/profile_builder.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Namen = std::vector<std::string>;

struct stat Info(const std::string& pfad) {
    struct stat info {};
    EXPECT_EQ(lstat(pfad.c_str(), &info), 0) << pfad;
    return info;
}

// The names in a folder: no temporary file may be left there.
Namen NamenIn(const fs::path& ordner) {
    Namen namen;
    for (const fs::directory_entry& e : fs::directory_iterator(ordner))
        namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}

} // namespace

TEST(DateiErsetzen, FollowsLinksToTheFileTheyNameAndKeepsTheLinks) {
    TempDir dir;
    fs::create_directory(dir.Pfad() / "dotfiles");
    fs::create_directory(dir.Pfad() / "config");
    const std::string echt = dir.Datei("dotfiles/hoprex.INI");
    DateiAnlegen(echt, "[Fremd]\nA=1\n");
    // A settings file kept in a dotfiles folder, behind a relative link and an absolute one.
    fs::create_symlink("../dotfiles/hoprex.INI", dir.Pfad() / "config/hoprex.INI");
    fs::create_symlink(dir.Pfad() / "config/hoprex.INI", dir.Pfad() / "hoprex.INI");
    MeldungsProtokoll m;
    EXPECT_TRUE(EinstellungenSchreiben(HoprexDaten{}, dir.Datei("hoprex.INI"), m));
    EXPECT_TRUE(fs::is_symlink(dir.Pfad() / "hoprex.INI"));
    EXPECT_TRUE(fs::is_symlink(dir.Pfad() / "config/hoprex.INI"));
    const std::string text = DateiInhalt(echt);
    EXPECT_EQ(text.find("[Fremd]\nA=1\n"), 0u) << text;
    EXPECT_NE(text.find("[Glaettung]\nMittelungUeber=0\n"), std::string::npos) << text;
    EXPECT_EQ(NamenIn(dir.Pfad() / "dotfiles"), Namen{"hoprex.INI"});

    // A dangling link gets its file; a loop of links names none.
    fs::create_symlink("neu.hpx", dir.Pfad() / "verweis.hpx");
    EXPECT_EQ(DateiErsetzen(dir.Datei("verweis.hpx"), "x"), SchreibErgebnis::Ok);
    EXPECT_TRUE(fs::is_symlink(dir.Pfad() / "verweis.hpx"));
    EXPECT_EQ(DateiInhalt(dir.Datei("neu.hpx")), "x");
    fs::create_symlink("schleife_b", dir.Pfad() / "schleife_a");
    fs::create_symlink("schleife_a", dir.Pfad() / "schleife_b");
    EXPECT_EQ(DateiErsetzen(dir.Datei("schleife_a"), "x"), SchreibErgebnis::OeffnenFehler);
    EXPECT_EQ(NamenIn(dir.Pfad()), (Namen{"config", "dotfiles", "hoprex.INI", "neu.hpx",
                                          "schleife_a", "schleife_b", "verweis.hpx"}));
}

TEST(DateiErsetzen, KeepsHardLinksModeOwnerAndGroup) {
    TempDir dir;
    const std::string route = dir.Datei("route.hpx");
    const std::string sicherung = dir.Datei("sicherung.hpx");
    DateiAnlegen(route, "alt");
    fs::create_hard_link(route, sicherung);
    const ino_t inode = Info(route).st_ino;
    EXPECT_EQ(DateiErsetzen(route, "neu und länger"), SchreibErgebnis::Ok);
    EXPECT_EQ(DateiInhalt(sicherung), "neu und länger");
    EXPECT_EQ(DateiErsetzen(sicherung, "kurz"), SchreibErgebnis::Ok);
    EXPECT_EQ(DateiInhalt(route), "kurz") << "written in place and cut to the new length";
    EXPECT_EQ(Info(route).st_ino, inode);
    EXPECT_EQ(Info(route).st_nlink, 2u);

    // A file of its own (as root: nobody's) gets a new file with the old mode, owner and group.
    const std::string fremd = dir.Datei("fremd.hpx");
    DateiAnlegen(fremd, "alt");
    chmod(fremd.c_str(), 0604);
    DemBenutzerGeben(fremd);
    const struct stat vorher = Info(fremd);
    EXPECT_EQ(DateiErsetzen(fremd, "neu"), SchreibErgebnis::Ok);
    const struct stat nachher = Info(fremd);
    EXPECT_EQ(DateiInhalt(fremd), "neu");
    EXPECT_EQ(nachher.st_mode, vorher.st_mode);
    EXPECT_EQ(nachher.st_uid, vorher.st_uid);
    EXPECT_EQ(nachher.st_gid, vorher.st_gid);
    EXPECT_EQ(NamenIn(dir.Pfad()), (Namen{"fremd.hpx", "route.hpx", "sicherung.hpx"}));
}

TEST(DateiErsetzen, RefusesAFileTheUserMayNotWrite) {
    TempDir dir;
    fs::permissions(dir.Pfad(), fs::perms(0755));
    const std::string ordner = dir.Datei("touren");
    fs::create_directory(ordner);
    DemBenutzerGeben(ordner);
    const std::string datei = ordner + "/route.hpx";
    DateiAnlegen(datei, "alt");
    chmod(datei.c_str(), 0444);
    DemBenutzerGeben(datei);
    const std::optional<std::string> ergebnis = AlsGewoehnlicherBenutzer([&] {
        HoprexDaten d;
        d.Gesamt = ProfilAus({Abschnitt({100, 200}, 0.1f)});
        MeldungsProtokoll m;
        const bool gespeichert = GesamtSpeichern(d, datei, m);
        return std::to_string(gespeichert) + "|" + (m.Eintraege.empty() ? "" : m.Eintraege[0].Text);
    });
    if (!ergebnis) GTEST_SKIP() << "running as root, and root cannot become nobody here";
    EXPECT_EQ(*ergebnis, "0|Fehler beim Schreiben der Datei");
    EXPECT_EQ(DateiInhalt(datei), "alt");
    EXPECT_EQ(Info(datei).st_mode & 07777, 0444u);
    EXPECT_EQ(NamenIn(ordner), Namen{"route.hpx"});

    // Root writes it, as the shell does, and it stays write-protected.
    if (geteuid() == 0) {
        EXPECT_EQ(DateiErsetzen(datei, "neu"), SchreibErgebnis::Ok);
        EXPECT_EQ(Info(datei).st_mode & 07777, 0444u);
    }
}

// A FIFO whose reader goes away while a long text is written: the write fails, and SIGPIPE,
// whose default action would end the program, is held back.
TEST(DateiErsetzen, AFifoWhoseReaderGoesAwayIsAFailedWrite) {
    TempDir dir;
    const std::string fifo = dir.Datei("rohr");
    FifoAnlegen(fifo);
    const int leser = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(leser, 0);
    std::thread weg([&] {
        int wartend = 0;
        for (int i = 0; i < 10000 && wartend < 65536; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            ioctl(leser, FIONREAD, &wartend);
        }
        close(leser);
    });
    EXPECT_EQ(DateiErsetzen(fifo, std::string(1 << 20, 'x')), SchreibErgebnis::SchreibFehler);
    weg.join();
    EXPECT_TRUE(S_ISFIFO(Info(fifo).st_mode));
    EXPECT_EQ(NamenIn(dir.Pfad()), Namen{"rohr"});
}

// Set-user-ID, set-group-ID and sticky bits stay, also where the owner is given back.
TEST(DateiErsetzen, KeepsTheSpecialModeBits) {
    TempDir dir;
    for (const bool fremd : {false, true}) {
        const std::string datei = dir.Datei(fremd ? "fremd.hpx" : "eigen.hpx");
        DateiAnlegen(datei, "alt");
        if (fremd) DemBenutzerGeben(datei);
        ASSERT_EQ(chmod(datei.c_str(), 07604), 0);
        EXPECT_EQ(DateiErsetzen(datei, "neu"), SchreibErgebnis::Ok);
        EXPECT_EQ(Info(datei).st_mode & 07777, 07604u) << datei;
    }
}

// The trial bytes of a write in place are gone before the file itself is touched: their room
// on the disk is wanted for it.
TEST(DateiErsetzen, TheTrialFileIsGoneBeforeAWriteInPlace) {
    TempDir dir;
    const std::string route = dir.Datei("route.hpx");
    DateiAnlegen(route, "alt");
    fs::create_hard_link(route, dir.Datei("sicherung.hpx"));
    const int beobachter = inotify_init1(IN_NONBLOCK);
    ASSERT_GE(beobachter, 0);
    ASSERT_GE(inotify_add_watch(beobachter, dir.Pfad().c_str(), IN_DELETE | IN_MODIFY), 0);
    ASSERT_EQ(DateiErsetzen(route, std::string(100000, 'x')), SchreibErgebnis::Ok);
    std::vector<std::string> folge; // "-name" deleted, "~name" written
    alignas(inotify_event) char puffer[65536];
    for (ssize_t n; (n = read(beobachter, puffer, sizeof puffer)) > 0;)
        for (char* p = puffer; p < puffer + n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(p);
            const std::string name = e->len > 0 ? e->name : "";
            if (folge.empty() || folge.back() != "~" + name || !(e->mask & IN_MODIFY))
                folge.push_back(((e->mask & IN_DELETE) ? "-" : "~") + name);
            p += sizeof(inotify_event) + e->len;
        }
    close(beobachter);
    ASSERT_EQ(folge.size(), 3u);
    EXPECT_EQ(folge[0][0], '~'); // the trial file
    EXPECT_EQ(folge[1], "-" + folge[0].substr(1));
    EXPECT_EQ(folge[2], "~route.hpx");
}
