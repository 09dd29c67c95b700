#include "files/file_io.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Creates a new, empty file in the folder of `pfad` (so that renaming it over the target stays
// within one file system) with a short hidden name no other file has. Mode 0666 lets the umask
// decide the permissions, as for any file the user creates.
int TempDateiAnlegen(const std::string& pfad, std::string& tempPfad) {
    static std::atomic<unsigned> zaehler{0};
    std::random_device zufall;
    const std::string ordner = pfad.substr(0, pfad.rfind('/') + 1);
    for (int versuch = 0; versuch < 100; ++versuch) {
        tempPfad = ordner + ".hoprex-" + std::to_string(getpid()) + "-" +
                   std::to_string(zaehler++) + "-" + std::to_string(zufall() % 100000);
        const int fd = open(tempPfad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool AllesSchreiben(int fd, std::string_view inhalt) {
    while (!inhalt.empty()) {
        const ssize_t n = write(fd, inhalt.data(), inhalt.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        inhalt.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

} // namespace

SchreibErgebnis DateiErsetzen(const std::string& pfad, std::string_view inhalt) {
    std::string tempPfad;
    const int fd = TempDateiAnlegen(pfad, tempPfad);
    if (fd < 0) return SchreibErgebnis::OeffnenFehler;

    struct stat alt {};
    bool ok = true;
    if (stat(pfad.c_str(), &alt) == 0 && S_ISREG(alt.st_mode))
        ok = fchmod(fd, alt.st_mode & 07777) == 0;
    ok = ok && AllesSchreiben(fd, inhalt) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(tempPfad.c_str(), pfad.c_str()) == 0;
    if (!ok) {
        unlink(tempPfad.c_str());
        return SchreibErgebnis::SchreibFehler;
    }
    return SchreibErgebnis::Ok;
}

SchreibErgebnis DateiSchreiben(const std::string& pfad, std::string_view inhalt,
                               Meldungen& meldungen) {
    const SchreibErgebnis ergebnis = DateiErsetzen(pfad, inhalt);
    if (ergebnis == SchreibErgebnis::OeffnenFehler)
        meldungen.Meldung("Fehler", "Fehler beim Öffnen der Datei");
    else if (ergebnis == SchreibErgebnis::SchreibFehler)
        meldungen.Meldung("Fehler", "Fehler beim Schreiben der Datei");
    return ergebnis;
}

bool DateiLesen(const std::string& pfad, std::string& inhalt) {
    struct stat info {};
    if (stat(pfad.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein) return false;
    inhalt.assign(std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>());
    return !ein.bad();
}

std::string VerzeichnisVon(std::string_view pfad) {
    const size_t pos = pfad.rfind('/');
    return pos == std::string_view::npos ? std::string() : std::string(pfad.substr(0, pos));
}

std::string DateinameVon(std::string_view pfad) {
    const size_t pos = pfad.rfind('/');
    return std::string(pos == std::string_view::npos ? pfad : pfad.substr(pos + 1));
}
