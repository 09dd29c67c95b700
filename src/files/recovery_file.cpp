#include "files/recovery_file.h"

#include "files/file_io.h"
#include "files/file_replace.h"
#include "files/profile_file.h"
#include "files/profile_storage.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view Kennung = "Hoprex Wiederherstellung 1\n";

} // namespace

std::string WiederherstellungsOrdner() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && state[0] == '/') return std::string(state) + "/hoprex";
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') return {};
    return std::string(home) + "/.local/state/hoprex";
}

std::string KopieInhalt(const Profile& gesamt, const std::string& gesamtDatei) {
    std::string inhalt(Kennung);
    inhalt += std::to_string(gesamtDatei.size()) + "\n" + gesamtDatei + "\n";
    inhalt += ProfilDateiInhalt(gesamt);
    return inhalt;
}

bool KopieLesen(std::string_view inhalt, const Profile& vorbild, Routendaten& route) {
    if (!inhalt.starts_with(Kennung)) return false;
    inhalt.remove_prefix(Kennung.size());
    const size_t zeilenende = inhalt.find('\n');
    if (zeilenende == std::string_view::npos || zeilenende == 0 || zeilenende > 9) return false;
    size_t laenge = 0;
    for (const char c : inhalt.substr(0, zeilenende)) {
        if (c < '0' || c > '9') return false;
        laenge = laenge * 10 + static_cast<size_t>(c - '0');
    }
    inhalt.remove_prefix(zeilenende + 1);
    if (inhalt.size() <= laenge || inhalt[laenge] != '\n') return false;
    Routendaten neu;
    neu.GesamtDatei.assign(inhalt.substr(0, laenge));
    inhalt.remove_prefix(laenge + 1);
    neu.Gesamt = LeeresProfilWie(vorbild);
    int32_t fehlerZeile = 0;
    if (!ProfilDateiLesen(inhalt, 0, neu.Gesamt, fehlerZeile)) return false;
    if (!neu.GesamtDatei.empty()) neu.Dateiname = ProfilDateiname(neu.GesamtDatei);
    neu.GesamtGeaendert = true;
    route = std::move(neu);
    return true;
}

bool KopieDateiLesen(const std::string& pfad, const Profile& vorbild, Routendaten& route) {
    // A path takes at most PATH_MAX (4096) bytes, its length line a few more.
    constexpr size_t kopf = 8192;
    std::string inhalt;
    return DateiLesen(pfad, inhalt, MaxProfilDatei + kopf) && KopieLesen(inhalt, vorbild, route);
}

Kopienablage::~Kopienablage() {
    if (sperre_ >= 0) close(sperre_);
}

std::string Kopienablage::Pfad(const std::string& name, const char* endung) const {
    return ordner_ + "/" + name + endung;
}

bool Kopienablage::Sperren(const std::string& name) {
    const int fd = open(Pfad(name, ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return false;
    }
    sperre_ = fd;
    name_ = name;
    return true;
}

bool Kopienablage::Schreiben(std::string_view inhalt) {
    if (ordner_.empty()) return false;
    if (name_.empty()) {
        std::error_code fehler;
        fs::create_directories(ordner_, fehler);
        // A name of this process that a gone program with the same process id left behind
        // holds that program's copy; it must not be overwritten.
        const std::string basis = "route-" + std::to_string(getpid());
        for (int n = 0; name_.empty() && n < 1000; ++n) {
            const std::string name = basis + "-" + std::to_string(n);
            if (fs::exists(Pfad(name, ".hpx")) || !Sperren(name)) continue;
            if (fs::exists(Pfad(name, ".hpx"))) Freigeben();
        }
        if (name_.empty()) return false;
    }
    return DateiErsetzen(Pfad(name_, ".hpx"), inhalt) == SchreibErgebnis::Ok;
}

void Kopienablage::Entfernen() {
    if (name_.empty()) return;
    unlink(Pfad(name_, ".hpx").c_str());
    unlink(Pfad(name_, ".lock").c_str());
    Freigeben();
}

void Kopienablage::Freigeben() {
    if (sperre_ >= 0) close(sperre_);
    sperre_ = -1;
    name_.clear();
}

std::optional<std::string> Kopienablage::VerwaisteKopieUebernehmen() {
    if (ordner_.empty() || !name_.empty()) return std::nullopt;
    std::vector<std::pair<fs::file_time_type, std::string>> kopien;
    std::error_code fehler;
    for (const fs::directory_entry& e : fs::directory_iterator(ordner_, fehler)) {
        const fs::path& p = e.path();
        if (p.extension() != ".hpx" || !e.is_regular_file(fehler)) continue;
        const std::string name = p.stem().string();
        if (!angeboten_.contains(name)) kopien.emplace_back(e.last_write_time(fehler), name);
    }
    std::sort(kopien.begin(), kopien.end(), std::greater<>());
    for (const auto& [zeit, name] : kopien) {
        if (!Sperren(name)) continue;
        // Its program may have removed it just before it ended.
        if (!fs::exists(Pfad(name, ".hpx"))) {
            Freigeben();
            continue;
        }
        angeboten_.insert(name);
        return Pfad(name, ".hpx");
    }
    return std::nullopt;
}
