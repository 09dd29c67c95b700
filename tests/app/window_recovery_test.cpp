// The recovery copies when things around them go wrong: a state folder that takes no copy, one
// that fills up, leftovers of killed programs, many copies that cannot be read.
#include "app/section_list.h"
#include "files/profile_file.h"
#include "files/recovery_file.h"
#include "support/profile_builder.h"
#include "window_fixture.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

Profile Route() {
    return ProfilAus({Abschnitt({100, 200}, {0.0f, 1.0f}, "A"),
                      Abschnitt({200, 300}, {0.0f, 2.0f}, "B"),
                      Abschnitt({300, 400}, {0.0f, 3.0f}, "C")});
}

void ErstenLoeschen(THoprex& f) {
    f.LB_HAbschnitteGesamt->item(0)->setSelected(true);
    MausKlick(f.BT_GesamtWerteLoeschen);
}

std::vector<TestDialoge::Box> Warnung(const FensterUmgebung& u, const char* grund) {
    return {{false, "Hoprex",
             QStringLiteral("Der Höhenverlauf ist nicht gegen Abstürze gesichert: in den "
                            "Ordner\n%1/hoprex\nkann keine Sicherungskopie geschrieben werden "
                            "(%2).\nHoprex versucht es weiter.")
                 .arg(QString::fromStdString(u.Zustand()), QString::fromUtf8(grund))}};
}

bool Da(const std::string& pfad) {
    return fs::exists(fs::symlink_status(pfad));
}

} // namespace

// $XDG_STATE_HOME/hoprex is a plain file: the user is told once, the writes go on quietly, and
// once the folder can be made the route has its copy.
TEST(HoprexSicherung, AStateFolderThatTakesNoCopyIsToldOnce) {
    FensterUmgebung u;
    fs::create_directories(u.Zustand());
    DateiAnlegen(u.Zustand() + "/hoprex", "eine Datei");
    THoprex& f = u.Starten();
    ProfilLaden(u, "route.hpx", Route(), true);
    ErstenLoeschen(f);
    ASSERT_TRUE(Warten([&] { return !u.Dialoge.Boxen.empty(); }, 3000));
    EXPECT_EQ(u.Dialoge.Boxen, Warnung(u, "an seiner Stelle liegt eine Datei"));
    ErstenLoeschen(f);
    Warten([] { return false; }, 1500);
    EXPECT_EQ(u.Dialoge.Boxen.size(), 1u);
    fs::remove(u.Zustand() + "/hoprex");
    EXPECT_TRUE(Warten([&] { return Kopien(u) == 1; }, 8000)) << "tried again without a change";
    EXPECT_EQ(u.Dialoge.Boxen.size(), 1u);
}

// A real file system of its own fills up after the first copy: the user is told, and after the
// program is gone the copy left is offered with its age, not as the route's latest state.
TEST(HoprexSicherung, ACopyLeftByAFullDiskIsOfferedAsOlderThanTheRoute) {
    FensterUmgebung u;
    const std::string ordner = u.Zustand() + "/hoprex";
    fs::create_directories(ordner);
    if (mount("hoprex-test", ordner.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "a small tmpfs cannot be mounted here (needs root)";
    struct Aushaengen {
        std::string o;
        ~Aushaengen() { umount2(o.c_str(), MNT_DETACH); }
    } aushaengen{ordner};
    THoprex& f = u.Starten();
    ProfilLaden(u, "route.hpx", Route(), true);
    ErstenLoeschen(f);
    ASSERT_TRUE(Warten([&] { return Kopien(u) == 1; }, 3000));
    // Fill it to the last byte.
    const int fd = open((ordner + "/fueller").c_str(), O_WRONLY | O_CREAT, 0600);
    const std::string block(4096, 'x');
    for (size_t n = block.size(); n > 0;)
        if (write(fd, block.data(), n) < 0) n /= 2;
    close(fd);
    ErstenLoeschen(f);
    ASSERT_TRUE(Warten([&] { return !u.Dialoge.Boxen.empty(); }, 3000));
    EXPECT_EQ(u.Dialoge.Boxen, Warnung(u, "der Datenträger ist voll"));

    u.Beenden(); // the copy stays, as after a kill
    u.Dialoge.Antworten = {"Wiederherstellen"};
    THoprex& g = u.Starten();
    g.WiederherstellungAnbieten();
    ASSERT_EQ(u.Dialoge.Rueckfragen.size(), 1u);
    const QString text = u.Dialoge.Rueckfragen[0].Text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("Ein nicht gespeicherter Höhenverlauf vom ")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("konnten nicht gesichert werden und fehlen darin")))
        << text.toStdString();
    EXPECT_EQ(g.Daten.Gesamt.AnzahlAbschnitte(), 2) << "the copy holds the first deletion only";
}

// A real window process killed while it writes the trial file of a save leaves it beside the
// route; a leftover of a gone program in the state folder goes at the next start, the one
// beside the route at the next save there. A running program's files stay.
TEST(HoprexSicherung, TemporaryFilesOfKilledProgramsAreRemoved) {
    FensterUmgebung u;
    std::vector<ProfileSection> abschnitte;
    for (int i = 0; i < 1000; ++i)
        abschnitte.push_back(Abschnitt(std::vector<int32_t>(200, 500 + i), 0.01f));
    DateiAnlegen(u.Ordner.Datei("route.hpx"), ProfilDateiInhalt(ProfilAus(abschnitte)));
    QProcess kind;
    KindStarten(kind, u, {u.Pfad("route.hpx"), u.Pfad("kind.INI"), u.Pfad("route.hpx"), "probe"});
    ASSERT_TRUE(kind.waitForStarted());
    const qint64 pid = kind.processId();
    ASSERT_TRUE(kind.waitForFinished(30000));
    ASSERT_EQ(kind.exitStatus(), QProcess::CrashExit);
    const auto uebrig = [](const std::string& ordner) {
        std::vector<std::string> namen;
        for (const fs::directory_entry& e : fs::directory_iterator(ordner))
            if (e.path().filename().string().starts_with(".hoprex-"))
                namen.push_back(e.path().filename().string());
        return namen;
    };
    ASSERT_EQ(uebrig(u.Ordner.Pfad()).size(), 1u);
    const std::string zustand = u.Zustand() + "/hoprex/";
    const std::string tot = ".hoprex-" + std::to_string(pid) + "-0-1";
    const std::string lebend = ".hoprex-" + std::to_string(getpid()) + "-0-1";
    DateiAnlegen(zustand + tot, "x");
    DateiAnlegen(zustand + lebend, "x");

    THoprex& f = u.Starten();
    f.WiederherstellungAnbieten();
    EXPECT_EQ(uebrig(zustand), std::vector<std::string>{lebend});
    EXPECT_EQ(uebrig(u.Ordner.Pfad()).size(), 1u);
    u.Dialoge.Pfade.push_back(u.Pfad("route.hpx"));
    u.Dialoge.Antworten = {"Ja"};
    MausKlick(f.BT_GesamtWerteSpeichern);
    EXPECT_TRUE(uebrig(u.Ordner.Pfad()).empty());
}

// 2,000 copies that cannot be read: the start reads each once.
TEST(HoprexSicherung, ManyUnreadableCopiesDelayTheStartLittle) {
    FensterUmgebung u;
    const std::string ordner = u.Zustand() + "/hoprex/";
    fs::create_directories(ordner);
    for (int i = 0; i < 2000; ++i)
        DateiAnlegen(ordner + "route-1-" + std::to_string(i) + ".hpx", "keine Kopie");
    THoprex& f = u.Starten();
    QElapsedTimer uhr;
    uhr.start();
    f.WiederherstellungAnbieten();
    EXPECT_LT(uhr.elapsed(), 1000);
    EXPECT_TRUE(u.Dialoge.Rueckfragen.empty());
    EXPECT_EQ(Kopien(u), 2000) << "kept for a program that can read them";
}

// A lock file that a kill between the two deletes of a clean end left without its copy goes;
// a copy whose lock file is a folder is offered all the same.
TEST(HoprexSicherung, OddLockFilesAreCleanedOrPassedBy) {
    FensterUmgebung u;
    const std::string ordner = u.Zustand() + "/hoprex/";
    fs::create_directories(ordner + "route-1-1.lock");
    DateiAnlegen(ordner + "route-1-1.hpx", KopieInhalt(Route(), u.Ordner.Datei("route.hpx")));
    DateiAnlegen(ordner + "route-1-0.lock", "");
    u.Dialoge.Antworten = {"Wiederherstellen"};
    THoprex& f = u.Starten();
    f.WiederherstellungAnbieten();
    EXPECT_FALSE(Da(ordner + "route-1-0.lock"));
    ASSERT_EQ(u.Dialoge.Rueckfragen.size(), 1u);
    EXPECT_EQ(f.Daten.Gesamt.AnzahlAbschnitte(), 3);
    EXPECT_EQ(Kopien(u), 1);
    // It is this program's copy now: a clean end removes it.
    u.Dialoge.Antworten = {"Verwerfen"};
    EXPECT_TRUE(f.close());
    EXPECT_EQ(Kopien(u), 0);
}

// A route of 10,000 full sections: its copy is on the disk within two seconds of an edit. The
// copy's writer yields to everything else in its session; the test has a session of its own, as
// a program the desktop starts has, so that other tests running at once do not hold it up.
TEST(HoprexSicherung, TheCopyOfALongRouteLandsWithinTwoSeconds) {
    setsid();
    FensterUmgebung u;
    std::vector<int32_t> hoehen(MaxPunkte);
    for (int32_t j = 0; j < MaxPunkte; ++j)
        hoehen[j] = 500 + j % 100;
    std::vector<ProfileSection> abschnitte(MaxAbschnitte, Abschnitt(hoehen, 0.025f, "Anstieg"));
    THoprex& f = u.Starten();
    ProfilLaden(u, "route.hpx", ProfilAus(abschnitte), true);
    QElapsedTimer uhr;
    uhr.start();
    ErstenLoeschen(f);
    ASSERT_TRUE(Warten([&] { return Kopien(u) == 1; }, 10000));
    EXPECT_LT(uhr.elapsed(), 2000);
}
