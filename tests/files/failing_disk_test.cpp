// Saving, exporting and writing the settings onto a disk that refuses the bytes: a read-only
// folder, a full file system, a file size limit. Each time the old file stays
// whole, no half-written file is left behind, the message is shown and nothing reports success.

#include "files/profile_file.h"
#include "files/profile_storage.h"
#include "files/settings_file.h"
#include "files/text_export.h"
#include "model/smoothing.h"

#include "support/message_log.h"
#include "support/profile_builder.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Eintrag = MeldungsProtokoll::Eintrag;

const std::string kAlt = "der alte Inhalt, der bleiben muss\n";

// One of the three ways the program writes a file the user named, with its messages.
struct Schreibweg {
    const char* name;
    std::function<bool(HoprexDaten&, const std::string&, Meldungen&)> schreiben;
    // The message when the file cannot be created and when writing it fails.
    std::function<std::string(const std::string&)> oeffnenFehler, schreibFehler;
};

std::vector<Schreibweg> Schreibwege() {
    const auto oeffnen = [](const std::string&) {
        return std::string("Fehler beim Öffnen der Datei");
    };
    const auto schreiben = [](const std::string&) {
        return std::string("Fehler beim Schreiben der Datei");
    };
    const auto einstellungen = [](const std::string& pfad) {
        return "nach " + pfad + " kann nicht geschrieben werden";
    };
    return {
        {"Speichern",
         [](HoprexDaten& d, const std::string& p, Meldungen& m) {
             return GesamtSpeichern(d, p, m);
         },
         oeffnen, schreiben},
        {"Export",
         [](HoprexDaten& d, const std::string& p, Meldungen& m) { return Exportieren(d, p, m); },
         oeffnen, schreiben},
        {"Einstellungen",
         [](HoprexDaten& d, const std::string& p, Meldungen& m) {
             return EinstellungenSchreiben(d, p, m);
         },
         einstellungen, einstellungen},
    };
}

// A route of some 20 kB in the file, so that no write of it fits into a few spare bytes.
HoprexDaten Route() {
    HoprexDaten d;
    std::vector<int32_t> hoehen(MaxPunkte);
    for (int32_t j = 0; j < MaxPunkte; ++j)
        hoehen[j] = 500 + j % 50;
    d.Gesamt = ProfilAus({Abschnitt(hoehen, 0.025f, "Anstieg"), Abschnitt(hoehen, 0.025f)});
    GesamtNeuBerechnen(d.Gesamt, 450, 100);
    d.VerzeichnisSchreiben = "/vorher";
    d.VerzeichnisExport = "/vorher";
    return d;
}

std::vector<std::string> Dateien(const fs::path& ordner) {
    std::vector<std::string> namen;
    for (const fs::directory_entry& e : fs::directory_iterator(ordner))
        namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}

// Runs every way of writing against `ziel` (a file holding kAlt, or none, in a folder that
// refuses the bytes) and checks what the user gets.
void AlleWegeScheitern(const std::string& ziel, bool oeffnenScheitert) {
    const bool da = fs::exists(ziel);
    const std::vector<std::string> vorher = Dateien(fs::path(ziel).parent_path());
    for (const Schreibweg& weg : Schreibwege()) {
        SCOPED_TRACE(weg.name);
        HoprexDaten d = Route();
        MeldungsProtokoll m;
        EXPECT_FALSE(weg.schreiben(d, ziel, m));
        const std::string text =
            oeffnenScheitert ? weg.oeffnenFehler(ziel) : weg.schreibFehler(ziel);
        EXPECT_EQ(m.Eintraege, (std::vector<Eintrag>{{"Fehler", text}}));
        if (da) {
            EXPECT_EQ(DateiInhalt(ziel), kAlt);
        } else {
            EXPECT_FALSE(fs::exists(ziel));
        }
        EXPECT_EQ(Dateien(fs::path(ziel).parent_path()), vorher) << "no temporary file left";
        // A file that could not even be created does not become the dialog's start folder.
        if (oeffnenScheitert) {
            EXPECT_EQ(d.VerzeichnisSchreiben, "/vorher");
            EXPECT_EQ(d.VerzeichnisExport, "/vorher");
        }
    }
}

// A tmpfs of its own on a fresh folder, unmounted at the end. Mounting needs root (and a
// machine that allows it); Ok() tells whether it worked.
class KleinesDateisystem {
public:
    explicit KleinesDateisystem(const char* groesse) : groesse_(groesse) {
        ok_ = mount("hoprex-test", dir_.Pfad().c_str(), "tmpfs", 0, Optionen().c_str()) == 0;
    }
    ~KleinesDateisystem() {
        if (ok_) umount2(dir_.Pfad().c_str(), MNT_DETACH);
    }
    KleinesDateisystem(const KleinesDateisystem&) = delete;
    KleinesDateisystem& operator=(const KleinesDateisystem&) = delete;

    bool Ok() const { return ok_; }
    std::string Datei(const std::string& name) const { return dir_.Datei(name); }

    // Takes the write permission away from everyone, root included.
    bool NurLesen() {
        return mount(nullptr, dir_.Pfad().c_str(), nullptr, MS_REMOUNT | MS_RDONLY,
                     Optionen().c_str()) == 0;
    }

    // Fills the file system to the last byte.
    void Fuellen() {
        const int fd = open(Datei("fueller").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        const std::string block(4096, 'x');
        for (size_t laenge = block.size(); laenge > 0;) {
            if (write(fd, block.data(), laenge) < 0) laenge /= 2;
        }
        close(fd);
    }

private:
    std::string Optionen() const { return std::string("size=") + groesse_ + ",mode=0755"; }

    TempDir dir_;
    const char* groesse_;
    bool ok_ = false;
};

// Sets the largest file this process may write, restoring the old limit at the end. Beyond the
// limit the kernel raises SIGXFSZ, whose default action ends the process: it stays in force
// (even where the test runner ignores it), so that only the file code's own holding back of the
// signal lets the test go on to see write() fail with EFBIG.
class Dateigroessengrenze {
public:
    explicit Dateigroessengrenze(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &alt_);
        altSignal_ = std::signal(SIGXFSZ, SIG_DFL);
        rlimit neu = alt_;
        neu.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &neu);
    }
    ~Dateigroessengrenze() {
        setrlimit(RLIMIT_FSIZE, &alt_);
        std::signal(SIGXFSZ, altSignal_);
    }
    Dateigroessengrenze(const Dateigroessengrenze&) = delete;
    Dateigroessengrenze& operator=(const Dateigroessengrenze&) = delete;

private:
    rlimit alt_{};
    void (*altSignal_)(int) = SIG_DFL;
};

} // namespace

// A file in a read-only folder may not be written, a new one cannot be created there. (A
// writable file in such a folder is written: see the replace tests.)
TEST(VersagendeFestplatte, ReadOnlyFolder) {
    if (geteuid() != 0) {
        TempDir dir;
        fs::permissions(dir.Pfad(), fs::perms::owner_read | fs::perms::owner_exec);
        AlleWegeScheitern(dir.Datei("neu.hpx"), true);
        return;
    }
    // Root ignores permission bits; a file system mounted read-only refuses even root.
    KleinesDateisystem platte("64k");
    if (!platte.Ok()) GTEST_SKIP() << "running as root, and no tmpfs may be mounted here";
    const std::string ziel = platte.Datei("route.hpx");
    DateiAnlegen(ziel, kAlt);
    ASSERT_TRUE(platte.NurLesen());
    AlleWegeScheitern(ziel, false);
    AlleWegeScheitern(platte.Datei("neu.hpx"), true);
}

TEST(VersagendeFestplatte, FullFileSystem) {
    KleinesDateisystem platte("64k");
    if (!platte.Ok()) GTEST_SKIP() << "a small tmpfs cannot be mounted here (needs root)";
    const std::string ziel = platte.Datei("route.hpx");
    DateiAnlegen(ziel, kAlt);
    platte.Fuellen();
    AlleWegeScheitern(ziel, false);
    // A hard-linked file is written in place, once its bytes went to a trial file in full.
    fs::create_hard_link(ziel, platte.Datei("sicherung.hpx"));
    AlleWegeScheitern(ziel, false);
}

TEST(VersagendeFestplatte, FileSizeLimitReached) {
    TempDir dir;
    const std::string ziel = dir.Datei("route.hpx");
    DateiAnlegen(ziel, kAlt);
    Dateigroessengrenze grenze(64); // below even the settings file
    AlleWegeScheitern(ziel, false);
    fs::create_hard_link(ziel, dir.Datei("sicherung.hpx"));
    AlleWegeScheitern(ziel, false);
}

// The same writes succeed once the disk takes the bytes: the failures above are the disk's.
TEST(VersagendeFestplatte, TheSameWritesSucceedOnASoundDisk) {
    TempDir dir;
    const std::string ziel = dir.Datei("route.hpx");
    for (const Schreibweg& weg : Schreibwege()) {
        SCOPED_TRACE(weg.name);
        DateiAnlegen(ziel, kAlt);
        HoprexDaten d = Route();
        MeldungsProtokoll m;
        EXPECT_TRUE(weg.schreiben(d, ziel, m));
        EXPECT_TRUE(m.Eintraege.empty());
        EXPECT_GT(DateiInhalt(ziel).size(), 64u) << "larger than the limit above";
        EXPECT_EQ(Dateien(dir.Pfad()), std::vector<std::string>{"route.hpx"});
    }
}
