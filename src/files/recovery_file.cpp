#include "files/recovery_file.h"

#include "files/file_io.h"
#include "files/file_replace.h"
#include "files/format_streams.h"
#include "files/profile_file.h"
#include "files/profile_storage.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <ostream>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view Kennung = "Hoprex Wiederherstellung 1\n";

bool Da(const std::string& pfad) {
    struct stat info {};
    return lstat(pfad.c_str(), &info) == 0;
}

bool BeginntWieKopie(const std::string& pfad) {
    const int fd = open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    std::string anfang(Kennung.size(), '\0');
    const bool ok = read(fd, anfang.data(), anfang.size()) == static_cast<ssize_t>(anfang.size()) &&
                    anfang == Kennung;
    close(fd);
    return ok;
}

} // namespace

std::string WiederherstellungsOrdner() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && state[0] == '/') return std::string(state) + "/hoprex";
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') return {};
    return std::string(home) + "/.local/state/hoprex";
}

namespace {

// The first line and the route file's path, as bytes: the path is the file system's name.
std::string KopieKopf(const std::string& gesamtDatei) {
    std::string kopf(Kennung);
    kopf += std::to_string(gesamtDatei.size()) + "\n" + gesamtDatei + "\n";
    return kopf;
}

} // namespace

Schreiber KopieSchreiber(const Profile& gesamt, const std::string& gesamtDatei) {
    return [&gesamt, kopf = KopieKopf(gesamtDatei)](std::ostream& aus) {
        static const Formatoptionen keine;
        aus.write(kopf.data(), static_cast<std::streamsize>(kopf.size()));
        RoutenSchreiber(ProfilDateiFormat(), gesamt, keine)(aus);
    };
}

std::string KopieInhalt(const Profile& gesamt, const std::string& gesamtDatei) {
    return KopieKopf(gesamtDatei) + ProfilDateiInhalt(gesamt);
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

std::string SicherungsFehlerText(const std::string& ordner, int fehler) {
    if (ordner.empty())
        return "Der Höhenverlauf ist nicht gegen Abstürze gesichert: es ist kein Ordner für "
               "Sicherungskopien bekannt (HOME ist nicht gesetzt).";
    std::string grund;
    switch (fehler) {
    case ENOSPC:
    case EDQUOT:
        grund = "der Datenträger ist voll";
        break;
    case EROFS:
        grund = "der Datenträger ist schreibgeschützt";
        break;
    case EACCES:
    case EPERM:
        grund = "keine Schreibberechtigung";
        break;
    case ENOTDIR:
    case EEXIST:
        grund = "an seiner Stelle liegt eine Datei";
        break;
    case EFBIG:
        grund = "die Dateigrößengrenze ist erreicht";
        break;
    default:
        grund = "Fehler " + std::to_string(fehler);
    }
    return "Der Höhenverlauf ist nicht gegen Abstürze gesichert: in den Ordner\n" + ordner +
           "\nkann keine Sicherungskopie geschrieben werden (" + grund +
           ").\nHoprex versucht es weiter.";
}

Kopienablage::~Kopienablage() {
    if (sperre_ >= 0) close(sperre_);
}

std::string Kopienablage::Pfad(const std::string& name, const char* endung) const {
    return ordner_ + "/" + name + endung;
}

Kopienablage::Sperre Kopienablage::Sperren(const std::string& name) {
    const int fd = open(Pfad(name, ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return Sperre::Unbrauchbar;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return Sperre::Besetzt;
    }
    sperre_ = fd;
    name_ = name;
    return Sperre::Genommen;
}

bool Kopienablage::NamenNehmen() {
    std::error_code fehler;
    fs::create_directories(ordner_, fehler);
    // A name of this process that a gone program with the same process id left behind
    // holds that program's copy; it must not be overwritten.
    const std::string basis = "route-" + std::to_string(getpid());
    for (int n = 0; name_.empty() && n < 1000; ++n) {
        const std::string name = basis + "-" + std::to_string(n);
        if (fs::exists(Pfad(name, ".hpx"))) continue;
        if (Sperren(name) == Sperre::Unbrauchbar && errno != EISDIR) return false;
        if (fs::exists(Pfad(name, ".hpx"))) Freigeben();
    }
    return !name_.empty();
}

bool Kopienablage::Bereit() {
    if (ordner_.empty()) {
        errno = ENOENT;
        return false;
    }
    return !name_.empty() || NamenNehmen();
}

bool Kopienablage::Geschrieben(SchreibErgebnis ergebnis) {
    if (ergebnis == SchreibErgebnis::Ok) return true;
    // The lock file's time marks the copy as older than the route (this needs no room on the
    // disk): the offer at the next start says so.
    const int grund = errno;
    if (fs::exists(Pfad(name_, ".hpx"))) futimens(sperre_, nullptr);
    errno = grund;
    return false;
}

bool Kopienablage::Schreiben(std::string_view inhalt) {
    return Bereit() && Geschrieben(DateiErsetzen(Pfad(name_, ".hpx"), inhalt));
}

bool Kopienablage::Schreiben(const Schreiber& inhalt) {
    return Bereit() && Geschrieben(DateiErsetzen(Pfad(name_, ".hpx"), inhalt));
}

std::optional<int64_t> Kopienablage::VeraltetSeit() const {
    struct stat kopie {};
    struct stat sperre {};
    const auto zeit = [](const struct stat& s) {
        return std::pair(s.st_mtim.tv_sec, s.st_mtim.tv_nsec);
    };
    if (name_.empty() || stat(Pfad(name_, ".hpx").c_str(), &kopie) != 0 ||
        fstat(sperre_, &sperre) != 0 || zeit(sperre) <= zeit(kopie))
        return std::nullopt;
    return sperre.st_mtime;
}

void Kopienablage::Entfernen() {
    if (name_.empty()) return;
    // The copy goes first: a lock file left alone by a kill is removed at a later start.
    unlink(Pfad(name_, ".hpx").c_str());
    unlink(Pfad(name_, ".lock").c_str());
    Freigeben();
}

void Kopienablage::Freigeben() {
    if (sperre_ >= 0) close(sperre_);
    sperre_ = -1;
    name_.clear();
}

void Kopienablage::KopienSammeln() {
    VerwaisteTempDateienEntfernen(ordner_);
    std::vector<std::pair<fs::file_time_type, std::string>> kopien;
    std::set<std::string> sperren, mitKopie;
    std::error_code fehler;
    for (const fs::directory_entry& e : fs::directory_iterator(ordner_, fehler)) {
        const fs::path& p = e.path();
        if (p.extension() == ".lock") sperren.insert(p.stem().string());
        if (p.extension() != ".hpx" || !e.is_regular_file(fehler)) continue;
        kopien.emplace_back(e.last_write_time(fehler), p.stem().string());
        mitKopie.insert(kopien.back().second);
    }
    for (const std::string& name : sperren) {
        if (mitKopie.contains(name) || Sperren(name) != Sperre::Genommen) continue;
        // A clean end cut off between its two deletes left the lock file without its copy.
        if (!fs::exists(Pfad(name, ".hpx"))) unlink(Pfad(name, ".lock").c_str());
        Freigeben();
    }
    std::sort(kopien.begin(), kopien.end());
    kandidaten_.emplace();
    for (auto& [zeit, name] : kopien)
        kandidaten_->push_back(std::move(name));
}

std::optional<std::string> Kopienablage::VerwaisteKopieUebernehmen() {
    if (ordner_.empty() || !name_.empty()) return std::nullopt;
    if (!kandidaten_) KopienSammeln();
    std::vector<std::string>& kandidaten = *kandidaten_;
    for (size_t i = kandidaten.size(); i-- > 0;) {
        const std::string name = kandidaten[i];
        // A file that is no copy is passed by without a lock file made for it (making files
        // costs the file system more than reading a few bytes).
        if (!Da(Pfad(name, ".lock")) && !BeginntWieKopie(Pfad(name, ".hpx"))) {
            kandidaten.erase(kandidaten.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        const Sperre sperre = Sperren(name);
        // Another program's copy may be offered once that program is gone.
        if (sperre == Sperre::Besetzt) continue;
        kandidaten.erase(kandidaten.begin() + static_cast<std::ptrdiff_t>(i));
        if (sperre == Sperre::Unbrauchbar) {
            // Its lock cannot be taken: the copy is taken over under a name of this program.
            // Of two programs that try at once, only one renames it.
            if (!NamenNehmen()) continue;
            if (rename(Pfad(name, ".hpx").c_str(), Pfad(name_, ".hpx").c_str()) != 0) {
                Entfernen();
                continue;
            }
        }
        // Its program may have removed it just before it ended.
        if (!fs::exists(Pfad(name_, ".hpx"))) {
            Entfernen();
            continue;
        }
        return Pfad(name_, ".hpx");
    }
    return std::nullopt;
}
