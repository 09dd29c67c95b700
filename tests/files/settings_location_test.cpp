// Where an installed program keeps its settings: a settings file beside the program is used
// while the user can write it, else the user's own file, seeded once from the one beside it.
// Checked as a user without root's rights, for whom the program's folder is not writable.

#include "files/settings_file.h"

#include "support/message_log.h"
#include "support/other_user.h"
#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// Sets an environment variable for the scope, and puts back what it was.
class Umgebung {
public:
    Umgebung(const char* name, const std::string& wert) : name_(name) {
        if (const char* alt = std::getenv(name)) alt_ = alt;
        setenv(name, wert.c_str(), 1);
    }
    ~Umgebung() {
        if (alt_)
            setenv(name_, alt_->c_str(), 1);
        else
            unsetenv(name_);
    }
    Umgebung(const Umgebung&) = delete;
    Umgebung& operator=(const Umgebung&) = delete;

private:
    const char* name_;
    std::optional<std::string> alt_;
};

// A program folder as an installation run by root leaves it: the user may not write into it.
struct Installation {
    TempDir dir;
    std::string bin = dir.Datei("bin");
    std::string einstellungen = bin + "/hoprex.INI";
    std::string benutzer = dir.Datei("benutzer"); // the user's own, writable folder

    explicit Installation(const std::string& inhalt) {
        fs::permissions(dir.Pfad(), fs::perms(0755));
        fs::create_directory(bin);
        DateiAnlegen(einstellungen, inhalt);
        fs::create_directory(benutzer);
        DemBenutzerGeben(benutzer);
    }
    ~Installation() { fs::permissions(bin, fs::perms::owner_all, fs::perm_options::add); }
    void OrdnerSperren() const { fs::permissions(bin, fs::perms(0555)); }

    // One start and close of the program, as the user: where the settings were, what was read,
    // what the close said.
    std::string StartUndEnde(int32_t steigungMax) const {
        const Umgebung xdg("XDG_CONFIG_HOME", benutzer + "/config");
        const Umgebung tmp("TMPDIR", benutzer);
        const std::string pfad = EinstellungenPfad(bin + "/hoprex");
        HoprexDaten d;
        EinstellungenLesen(d, pfad);
        const std::string gelesen = std::to_string(d.Gesamt.SteigungMax);
        d.Gesamt.SteigungMax = steigungMax;
        MeldungsProtokoll m;
        EinstellungenSchreiben(d, pfad, m);
        return pfad + "|" + gelesen + "|" + (m.Eintraege.empty() ? "" : m.Eintraege[0].Text);
    }
};

} // namespace

TEST(EinstellungenOrt, AFileBesideTheProgramTheUserCannotWriteGivesWayToTheUsersOwn) {
    Installation inst("[Steigung]\nSteigungMax=7\n[Fremd]\nWert=1\n");
    chmod(inst.einstellungen.c_str(), 0644); // root's, or read-only to its owner
    if (geteuid() != 0) chmod(inst.einstellungen.c_str(), 0444);
    inst.OrdnerSperren();
    const std::string eigene = inst.benutzer + "/config/hoprex/hoprex.INI";
    const std::optional<std::string> erster =
        AlsGewoehnlicherBenutzer([&] { return inst.StartUndEnde(9); });
    if (!erster) GTEST_SKIP() << "running as root, and root cannot become nobody here";
    // Seeded from the file beside the program, and written without a message.
    EXPECT_EQ(*erster, eigene + "|7|");
    const std::string text = DateiInhalt(eigene);
    EXPECT_EQ(text.find("[Steigung]\nSteigungMax=9\n"), 0u) << text;
    EXPECT_NE(text.find("[Fremd]\nWert=1\n"), std::string::npos) << text;
    EXPECT_EQ(DateiInhalt(inst.einstellungen), "[Steigung]\nSteigungMax=7\n[Fremd]\nWert=1\n");

    // Seeded once: the next start reads the user's own file.
    EXPECT_EQ(AlsGewoehnlicherBenutzer([&] { return inst.StartUndEnde(11); }), eigene + "|9|");
}

// "Fehler beim Öffnen der Datei" at every close: the file could be written, its folder not.
TEST(EinstellungenOrt, AWritableFileInAFolderTheUserCannotWriteIsUsed) {
    Installation inst("[Steigung]\nSteigungMax=7\n");
    DemBenutzerGeben(inst.einstellungen);
    inst.OrdnerSperren();
    const std::optional<std::string> lauf =
        AlsGewoehnlicherBenutzer([&] { return inst.StartUndEnde(9); });
    if (!lauf) GTEST_SKIP() << "running as root, and root cannot become nobody here";
    EXPECT_EQ(*lauf, inst.einstellungen + "|7|");
    EXPECT_EQ(DateiInhalt(inst.einstellungen).find("[Steigung]\nSteigungMax=9\n"), 0u);
    // The trial write went to the user's temporary folder and was removed there.
    EXPECT_EQ(std::distance(fs::directory_iterator(inst.bin), {}), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(inst.benutzer), {}), 0);
}

// Root runs an installed program as any user does: its settings go to root's own folder, not
// into the shared bin folder. A program in a folder of its own keeps them beside itself.
TEST(EinstellungenOrt, AnInstalledProgramKeepsTheSettingsWithTheUserWhoeverRunsIt) {
    TempDir dir;
    const Umgebung xdg("XDG_CONFIG_HOME", dir.Datei("config"));
    const std::string eigene = dir.Datei("config") + "/hoprex/hoprex.INI";
    // What `cmake --install --prefix` leaves: the programs in bin, the desktop entry in share.
    const std::string praefix = dir.Datei("praefix");
    fs::create_directories(praefix + "/bin");
    fs::create_directories(praefix + "/share/applications");
    DateiAnlegen(praefix + "/share/applications/de.hoprex.Hoprex.desktop", "[Desktop Entry]\n");
    for (const std::string& programm :
         {praefix + "/bin/hoprex", std::string("/usr/bin/hoprex"),
          std::string("/usr/local/bin/hoprex"), std::string("/opt/hoprex/bin/hoprex")})
        EXPECT_EQ(EinstellungenPfad(programm), eigene) << programm;

    HoprexDaten d = Voreinstellungen();
    d.Gesamt.SteigungMax = 12;
    MeldungsProtokoll m;
    EXPECT_TRUE(EinstellungenSchreiben(d, EinstellungenPfad(praefix + "/bin/hoprex"), m));
    EXPECT_FALSE(fs::exists(praefix + "/bin/hoprex.INI"));
    HoprexDaten gelesen;
    EinstellungenLesen(gelesen, EinstellungenPfad(praefix + "/bin/hoprex"));
    EXPECT_EQ(gelesen.Gesamt.SteigungMax, 12);

    // A build or portable folder, also one below a folder named like a system one.
    for (const std::string& ordner : {dir.Datei("portabel"), dir.Datei("usr/bin")}) {
        fs::create_directories(ordner);
        EXPECT_EQ(EinstellungenPfad(ordner + "/hoprex"), ordner + "/hoprex.INI");
    }
}
