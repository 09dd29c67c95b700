#include "files/file_io.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

SchreibErgebnis Melden(SchreibErgebnis ergebnis, Meldungen& meldungen) {
    if (ergebnis == SchreibErgebnis::OeffnenFehler)
        meldungen.Meldung("Fehler", "Fehler beim Öffnen der Datei");
    else if (ergebnis == SchreibErgebnis::SchreibFehler)
        meldungen.Meldung("Fehler", "Fehler beim Schreiben der Datei");
    return ergebnis;
}

} // namespace

SchreibErgebnis DateiSchreiben(const std::string& pfad, std::string_view inhalt,
                               Meldungen& meldungen) {
    return Melden(DateiErsetzen(pfad, inhalt), meldungen);
}

SchreibErgebnis DateiSchreiben(const std::string& pfad, const Schreiber& inhalt,
                               Meldungen& meldungen) {
    return Melden(DateiErsetzen(pfad, inhalt), meldungen);
}

bool DateiLesen(const std::string& pfad, std::string& inhalt, size_t hoechstens) {
    // Non-blocking, so that opening a FIFO does not wait for a writer; it is refused below.
    const int fd = open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
              static_cast<unsigned long long>(info.st_size) <= hoechstens;
    std::string gelesen;
    if (ok) gelesen.reserve(static_cast<size_t>(info.st_size));
    // The file may grow while it is read: the bound holds for what is read, not for the size.
    char puffer[65536];
    while (ok) {
        const ssize_t n = read(fd, puffer, sizeof puffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        gelesen.append(puffer, static_cast<size_t>(n));
        ok = gelesen.size() <= hoechstens;
    }
    close(fd);
    if (ok) inhalt = std::move(gelesen);
    return ok;
}

bool DieselbeDatei(const std::string& a, const std::string& b) {
    struct stat x {};
    struct stat y {};
    return stat(a.c_str(), &x) == 0 && stat(b.c_str(), &y) == 0 && x.st_dev == y.st_dev &&
           x.st_ino == y.st_ino;
}

std::string VerzeichnisVon(std::string_view pfad) {
    const size_t pos = pfad.rfind('/');
    return pos == std::string_view::npos ? std::string() : std::string(pfad.substr(0, pos));
}

std::string DateinameVon(std::string_view pfad) {
    const size_t pos = pfad.rfind('/');
    return std::string(pos == std::string_view::npos ? pfad : pfad.substr(pos + 1));
}
