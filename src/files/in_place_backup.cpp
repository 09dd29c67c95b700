#include "files/in_place_backup.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view Kennung = "Hoprex Altinhalt 1\n";
constexpr size_t Block = size_t{1} << 20;

bool AllesSchreiben(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// Reads `laenge` bytes from `fd`'s position on, a block at a time, into `weiter`; false when
// the file ends before or a read fails.
bool Lesen(int fd, uint64_t laenge, const std::function<bool(std::string_view)>& weiter) {
    std::string puffer(Block, '\0');
    while (laenge > 0) {
        const ssize_t n = read(fd, puffer.data(), std::min<uint64_t>(laenge, Block));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        laenge -= static_cast<uint64_t>(n);
        if (!weiter(std::string_view(puffer.data(), static_cast<size_t>(n)))) return false;
    }
    return true;
}

// Copies `laenge` bytes from `von`'s position to `nach`'s.
bool Kopieren(int von, int nach, uint64_t laenge) {
    return Lesen(von, laenge, [nach](std::string_view b) { return AllesSchreiben(nach, b); });
}

// The head of a backup: the file, the old length, the new bytes; and where the old bytes begin.
struct Kopf {
    std::string ziel;
    uint64_t alt = 0;
    Pruefsumme neu;
    uint64_t koerper = 0;
};

std::string KopfText(const std::string& ziel, uint64_t alt, const Pruefsumme& neu) {
    return std::string(Kennung) + std::to_string(ziel.size()) + "\n" + ziel + "\n" +
           std::to_string(alt) + " " + std::to_string(neu.laenge) + " " + std::to_string(neu.wert) +
           "\n";
}

std::optional<Kopf> KopfLesen(int fd) {
    std::string text(8192 + 128, '\0');
    const ssize_t n = pread(fd, text.data(), text.size(), 0);
    if (n <= 0) return std::nullopt;
    text.resize(static_cast<size_t>(n));
    std::string_view rest(text);
    if (!rest.starts_with(Kennung)) return std::nullopt;
    rest.remove_prefix(Kennung.size());
    Kopf kopf;
    size_t pfadLaenge = 0;
    const auto zahl = [&rest](auto& wert, char ende) {
        const auto [p, fehler] = std::from_chars(rest.data(), rest.data() + rest.size(), wert);
        if (fehler != std::errc() || p == rest.data() + rest.size() || *p != ende) return false;
        rest.remove_prefix(static_cast<size_t>(p - rest.data()) + 1);
        return true;
    };
    if (!zahl(pfadLaenge, '\n') || rest.size() <= pfadLaenge || rest[pfadLaenge] != '\n')
        return std::nullopt;
    kopf.ziel.assign(rest.substr(0, pfadLaenge));
    rest.remove_prefix(pfadLaenge + 1);
    if (!zahl(kopf.alt, ' ') || !zahl(kopf.neu.laenge, ' ') || !zahl(kopf.neu.wert, '\n'))
        return std::nullopt;
    kopf.koerper = text.size() - rest.size();
    return kopf;
}

// Whether the file `ziel` holds the old bytes of the backup `fd`, or the new ones.
bool HaeltAlteOderNeue(const Kopf& kopf, int fd) {
    const int datei = open(kopf.ziel.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (datei < 0) return errno == ENOENT; // a file removed since needs no bytes back
    struct stat info {};
    const auto groesse = fstat(datei, &info) == 0 ? static_cast<uint64_t>(info.st_size) : ~0ull;
    bool gleich = false;
    if (groesse == kopf.alt && lseek(fd, static_cast<off_t>(kopf.koerper), SEEK_SET) >= 0) {
        std::string alt(Block, '\0');
        gleich = Lesen(datei, groesse, [&](std::string_view b) {
            return read(fd, alt.data(), b.size()) == static_cast<ssize_t>(b.size()) &&
                   std::string_view(alt.data(), b.size()) == b;
        });
    }
    if (!gleich && groesse == kopf.neu.laenge && lseek(datei, 0, SEEK_SET) == 0) {
        Pruefsumme summe;
        gleich = Lesen(datei, groesse,
                       [&](std::string_view b) {
                           summe.Hinzu(b);
                           return true;
                       }) &&
                 summe == kopf.neu;
    }
    close(datei);
    return gleich;
}

// Writes the old bytes of the backup `fd` back into `ziel`, in place, flushed to the disk.
bool Zurueck(int fd, const std::string& ziel, uint64_t koerper, uint64_t laenge) {
    const int datei = open(ziel.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (datei < 0) return false;
    const bool ok = lseek(fd, static_cast<off_t>(koerper), SEEK_SET) >= 0 &&
                    Kopieren(fd, datei, laenge) &&
                    ftruncate(datei, static_cast<off_t>(laenge)) == 0 && fsync(datei) == 0;
    const int grund = errno;
    close(datei);
    errno = grund;
    return ok;
}

} // namespace

void Pruefsumme::Hinzu(std::string_view bytes) {
    laenge += bytes.size();
    for (const char c : bytes) {
        wert ^= static_cast<unsigned char>(c);
        wert *= 1099511628211ull;
    }
}

AltinhaltSicherung::~AltinhaltSicherung() {
    if (fd_ < 0) return;
    // Removed while it is still locked, so no other program sees it free meanwhile.
    if (!behalten_) unlink(pfad_.c_str());
    close(fd_);
}

bool AltinhaltSicherung::Anlegen(const std::string& ordner, const std::string& ziel,
                                 const Pruefsumme& neu) {
    if (ordner.empty()) return false;
    static std::atomic<unsigned> zaehler{0};
    std::error_code fehler;
    fs::create_directories(ordner, fehler);
    const int quelle = open(ziel.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
    if (quelle < 0) return false;
    struct stat info {};
    pfad_ = ordner + "/speichern-" + std::to_string(getpid()) + "-" + std::to_string(zaehler++) +
            ".alt";
    fd_ = fstat(quelle, &info) == 0
              ? open(pfad_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600)
              : -1;
    bool ok = fd_ >= 0 && flock(fd_, LOCK_EX) == 0;
    if (ok) {
        ziel_ = ziel;
        laenge_ = static_cast<uint64_t>(info.st_size);
        const std::string kopf = KopfText(ziel, laenge_, neu);
        koerper_ = kopf.size();
        // On the disk in full before the file is touched: only then does it stand for it.
        ok = AllesSchreiben(fd_, kopf) && Kopieren(quelle, fd_, laenge_) && fsync(fd_) == 0;
    }
    close(quelle);
    if (!ok && fd_ >= 0) {
        unlink(pfad_.c_str());
        close(fd_);
        fd_ = -1;
    }
    return ok;
}

bool AltinhaltSicherung::Zurueckschreiben() {
    behalten_ = !Zurueck(fd_, ziel_, koerper_, laenge_);
    return !behalten_;
}

std::vector<UnterbrochenesSchreiben> UnterbrocheneSchreibvorgaenge(const std::string& ordner) {
    std::vector<UnterbrochenesSchreiben> offen;
    std::error_code fehler;
    for (const fs::directory_entry& e : fs::directory_iterator(ordner, fehler)) {
        const std::string name = e.path().filename().string();
        if (!name.starts_with("speichern-") || e.path().extension() != ".alt") continue;
        const int fd = open(e.path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        // A program that runs is writing this file now.
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            close(fd);
            continue;
        }
        struct stat info {};
        const std::optional<Kopf> kopf = KopfLesen(fd);
        // A backup cut short: the file was not touched yet.
        const bool ganz = kopf && fstat(fd, &info) == 0 &&
                          static_cast<uint64_t>(info.st_size) == kopf->koerper + kopf->alt;
        if (ganz && !HaeltAlteOderNeue(*kopf, fd))
            offen.push_back({e.path().string(), kopf->ziel});
        else
            unlink(e.path().c_str());
        close(fd);
    }
    return offen;
}

bool AltenInhaltZurueckschreiben(const UnterbrochenesSchreiben& schreiben) {
    const int fd = open(schreiben.Sicherung.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const std::optional<Kopf> kopf = KopfLesen(fd);
    const bool ok = kopf && Zurueck(fd, schreiben.Ziel, kopf->koerper, kopf->alt);
    const int grund = errno;
    if (ok) unlink(schreiben.Sicherung.c_str());
    close(fd);
    errno = grund;
    return ok;
}

void SicherungVerwerfen(const UnterbrochenesSchreiben& schreiben) {
    unlink(schreiben.Sicherung.c_str());
}
