#include "cli/cli_files.h"

#include "files/file_io.h"

#include <cerrno>
#include <cstring>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view Standard = "-";

void Systemfehler(const std::string& name, int grund, Meldungen& meldungen) {
    meldungen.Meldung("hoprex-cli", name + ": " + std::strerror(grund));
}

// Standard input to its end, at most `hoechstens` bytes; errno set when false.
bool StandardeingabeLesen(std::string& inhalt, size_t hoechstens) {
    char puffer[65536];
    for (;;) {
        const ssize_t n = read(STDIN_FILENO, puffer, sizeof puffer);
        if (n == 0) return true;
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        inhalt.append(puffer, static_cast<size_t>(n));
        if (inhalt.size() > hoechstens) {
            errno = EFBIG;
            return false;
        }
    }
}

// Why DateiLesen refused `pfad`, asked of the file afterwards.
void LeseGrundMelden(const std::string& pfad, size_t hoechstens, Meldungen& meldungen) {
    struct stat info {};
    if (stat(pfad.c_str(), &info) != 0)
        Systemfehler(pfad, errno, meldungen);
    else if (S_ISDIR(info.st_mode))
        Systemfehler(pfad, EISDIR, meldungen);
    else if (!S_ISREG(info.st_mode))
        meldungen.Meldung("hoprex-cli", pfad + ": keine reguläre Datei");
    else if (static_cast<unsigned long long>(info.st_size) > hoechstens)
        Systemfehler(pfad, EFBIG, meldungen);
    else if (access(pfad.c_str(), R_OK) != 0)
        Systemfehler(pfad, errno, meldungen);
    else
        Systemfehler(pfad, EIO, meldungen);
}

} // namespace

std::string EingabeName(const std::string& pfad) {
    return pfad == Standard ? "Standardeingabe" : pfad;
}

bool EingabeLesen(const std::string& pfad, std::string& inhalt, size_t hoechstens,
                  Meldungen& meldungen) {
    inhalt.clear();
    if (pfad == Standard) {
        if (StandardeingabeLesen(inhalt, hoechstens)) return true;
        Systemfehler(EingabeName(pfad), errno, meldungen);
        return false;
    }
    if (DateiLesen(pfad, inhalt, hoechstens)) return true;
    LeseGrundMelden(pfad, hoechstens, meldungen);
    return false;
}

namespace {

int DateiErgebnis(SchreibErgebnis ergebnis, const std::string& pfad, Meldungen& meldungen) {
    if (ergebnis == SchreibErgebnis::Ok) return 0;
    Systemfehler(pfad, errno, meldungen);
    return 1;
}

// Writes what `schreiben` makes to standard output.
int StandardausgabeSchreiben(std::ostream& aus, Meldungen& meldungen, const Schreiber& schreiben) {
    errno = 0;
    schreiben(aus);
    aus.flush();
    if (aus) return 0;
    // A stream that failed without a system error (none set errno) still is a write error.
    Systemfehler("Standardausgabe", errno != 0 ? errno : EIO, meldungen);
    return 1;
}

} // namespace

int DateiAusgeben(const std::string& pfad, std::string_view inhalt, Meldungen& meldungen) {
    return DateiErgebnis(DateiErsetzen(pfad, inhalt), pfad, meldungen);
}

int AusgabeSchreiben(const std::optional<std::string>& ausgabe, std::string_view inhalt,
                     std::ostream& aus, Meldungen& meldungen) {
    if (ausgabe) return DateiAusgeben(*ausgabe, inhalt, meldungen);
    return StandardausgabeSchreiben(aus, meldungen, [&](std::ostream& s) {
        s.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
    });
}

int AusgabeSchreiben(const std::optional<std::string>& ausgabe, const Schreiber& inhalt,
                     std::ostream& aus, Meldungen& meldungen) {
    if (ausgabe) return DateiErgebnis(DateiErsetzen(*ausgabe, inhalt), *ausgabe, meldungen);
    return StandardausgabeSchreiben(aus, meldungen, inhalt);
}
