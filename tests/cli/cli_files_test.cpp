// hoprex-cli and the files a script hands it: its own inputs as output, FIFOs and devices, a
// file size limit, a file that declares too many sections, memory running out. Each ends with
// a message and status 1; no file is destroyed and the tool never dies by a signal.
#include "cli_process.h"
#include "support/temp_dir.h"

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const std::string kRoute = std::string(HOPREX_TEST_DATA_DIR) + "/cli/route.hpx";

std::string Kopie(const TempDir& dir, const std::string& name) {
    const std::string pfad = dir.Datei(name);
    fs::copy_file(kRoute, pfad);
    return pfad;
}

// A profile file of `anzahl` sections, each a description and no point.
std::string LeereAbschnitte(const TempDir& dir, int anzahl) {
    std::string text = "Version \t 2\nGlaetten \t 450\nSteigungGlaetten \t 100\n"
                       "leer\nleer\nleer\nleer\nleer\nleer\nleer\nAbschnitte \t " +
                       std::to_string(anzahl) + "\n";
    for (int i = 0; i < anzahl; ++i)
        text += "x\n0\n";
    const std::string pfad = dir.Datei("abschnitte_" + std::to_string(anzahl) + ".hpx");
    DateiAnlegen(pfad, text);
    return pfad;
}

} // namespace

// "export -o r.hpx r.hpx" replaced the profile with its own export.
TEST(CliDateien, AnOutputThatIsOneOfTheInputsIsRefusedByName) {
    TempDir dir;
    const std::string route = Kopie(dir, "r.hpx");
    fs::create_symlink(route, dir.Pfad() / "verweis.hpx");
    fs::create_symlink(route, dir.Pfad() / "verweis.svg");
    const std::string bild = dir.Datei("shot.bmp");
    DateiAnlegen(bild, "die Bytes eines Bildes");
    const std::string andere = dir.Datei("anderes.bmp");
    DateiAnlegen(andere, "noch ein Bild");
    struct Fall {
        QStringList argumente;
        std::string eingabe;
    };
    const Fall faelle[] = {
        {{"export", "-o", Q(route), Q(route)}, route},
        {{"export", "-o", Q(dir.Datei("./r.hpx")), Q(dir.Datei("verweis.hpx"))},
         dir.Datei("verweis.hpx")},
        {{"evaluate", "-o", Q(bild), Q(bild)}, bild},
        {{"evaluate", "-o", Q(bild), Q(andere), Q(bild)}, bild},
        {{"plot", "-o", Q(dir.Datei("verweis.svg")), Q(dir.Datei("verweis.svg"))},
         dir.Datei("verweis.svg")},
    };
    for (const Fall& f : faelle) {
        const Lauf l = Starten(f.argumente);
        EXPECT_EQ(l.Status, 1);
        EXPECT_EQ(l.Fehler,
                  "Fehler: Die Ausgabedatei ist zugleich Eingabedatei: " + f.eingabe + "\n");
    }
    EXPECT_EQ(DateiInhalt(route), DateiInhalt(kRoute));
    EXPECT_EQ(DateiInhalt(bild), "die Bytes eines Bildes");
    EXPECT_TRUE(fs::is_symlink(dir.Pfad() / "verweis.hpx"));
}

// "export -o" onto a FIFO replaced it with a regular file.
TEST(CliDateien, AFifoIsWrittenIntoAndOneWithoutReaderRefusedAtOnce) {
    TempDir dir;
    const std::string fifo = dir.Datei("rohr");
    FifoAnlegen(fifo);
    const Lauf ohneLeser = Starten({"export", "-o", Q(fifo), Q(kRoute)});
    EXPECT_EQ(ohneLeser.Status, 1);
    EXPECT_EQ(ohneLeser.Fehler, "hoprex-cli: " + fifo + ": No such device or address\n");

    const int leser = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(leser, 0);
    const Lauf l = Starten({"export", "-o", Q(fifo), Q(kRoute)});
    EXPECT_EQ(l.Status, 0) << l.Fehler;
    std::string gelesen(4096, '\0');
    const ssize_t n = read(leser, gelesen.data(), gelesen.size());
    close(leser);
    gelesen.resize(static_cast<size_t>(std::max<ssize_t>(n, 0)));
    EXPECT_EQ(gelesen, Starten({"export", Q(kRoute)}).Aus);
    EXPECT_TRUE(fs::is_fifo(fifo));
}

// Run as root, "export -o /dev/full" replaced the device node with a regular file. The test
// uses a node of the same device in its own folder.
TEST(CliDateien, ADeviceStaysADevice) {
    TempDir dir;
    const std::string voll = dir.Datei("full");
    if (mknod(voll.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        GTEST_SKIP() << "device nodes can only be made by root";
    const Lauf l = Starten({"export", "-o", Q(voll), Q(kRoute)});
    EXPECT_EQ(l.Status, 1);
    EXPECT_EQ(l.Fehler, "hoprex-cli: " + voll + ": No space left on device\n");
    struct stat info {};
    ASSERT_EQ(lstat(voll.c_str(), &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
}

// Under "ulimit -f" the tool died with status 153 and no message, and left a temporary file.
TEST(CliDateien, AFileSizeLimitIsAMessageNotTheEnd) {
    TempDir dir;
    const std::string aus = dir.Datei("route.txt");
    DateiAnlegen(aus, "alt");
    const auto grenze = [] {
        signal(SIGXFSZ, SIG_DFL);
        const rlimit r{64, 64};
        setrlimit(RLIMIT_FSIZE, &r);
    };
    const Lauf l = Starten({"export", "-o", Q(aus), Q(kRoute)}, grenze);
    EXPECT_EQ(l.Status, 1);
    EXPECT_EQ(l.Fehler, "hoprex-cli: " + aus + ": File too large\n");
    EXPECT_EQ(DateiInhalt(aus), "alt");

    // Standard output redirected into a file, as "hoprex-cli stats r.hpx > liste.txt" does.
    const Lauf umgeleitet = Starten({"stats", Q(kRoute)}, grenze, Q(dir.Datei("liste.txt")));
    EXPECT_EQ(umgeleitet.Status, 1);
    EXPECT_EQ(umgeleitet.Fehler, "hoprex-cli: Standardausgabe: File too large\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Pfad()), {}), 2);
}

// 300,000 nearly empty sections took 5.5 GB; the tool ended with an uncaught std::bad_alloc.
TEST(CliDateien, TooManySectionsEndWithAMessageAndLittleMemory) {
    TempDir dir;
    const std::string datei = LeereAbschnitte(dir, 300000);
    const Lauf l = Starten({"stats", Q(datei)});
    EXPECT_EQ(l.Status, 1);
    EXPECT_EQ(l.Fehler, "Fehler: Fehler beim Lesen der Datei\nZeile 11\n"
                        "hoprex-cli: keine lesbare Profildatei: " +
                            datei + "\n");
    rusage kinder{};
    getrusage(RUSAGE_CHILDREN, &kinder);
    EXPECT_LT(kinder.ru_maxrss, 200 * 1024) << "kB, the largest of this test's runs";
}

// Memory that runs out (here: an address space of 140 MB, for 10,000 sections of 11 kB) is a
// message and status 1, not an abort. The sanitizers need more address space than any limit
// that would show it.
TEST(CliDateien, MemoryRunningOutIsAMessage) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves terabytes of address space";
#endif
    TempDir dir;
    const Lauf l = Starten({"stats", Q(LeereAbschnitte(dir, 10000))}, [] {
        const rlimit r{140 << 20, 140 << 20};
        setrlimit(RLIMIT_AS, &r);
    });
    EXPECT_EQ(l.Status, 1);
    EXPECT_EQ(l.Fehler, "Fehler: Nicht genügend Arbeitsspeicher\n");
}
