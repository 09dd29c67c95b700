#include "files/file_replace.h"

#include "files/in_place_backup.h"
#include "files/recovery_file.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <ostream>
#include <random>
#include <streambuf>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Holds back SIGPIPE (a FIFO whose reader went away) and SIGXFSZ (the file size limit) while
// this thread writes, and drops the ones the writes raised: write() then fails with EPIPE or
// EFBIG, which the caller reports, where the signal's default action would end the program and
// lose the user's unsaved route. Signals the caller had blocked already are left to the caller.
class SignaleZurueckhalten {
public:
    SignaleZurueckhalten() {
        sigemptyset(&menge_);
        sigaddset(&menge_, SIGPIPE);
        sigaddset(&menge_, SIGXFSZ);
        pthread_sigmask(SIG_BLOCK, &menge_, &alt_);
    }
    ~SignaleZurueckhalten() {
        // The write's reason stays for the caller to name; dropping a signal sets errno.
        const int grund = errno;
        sigset_t offen;
        sigpending(&offen);
        for (const int signal : {SIGPIPE, SIGXFSZ}) {
            if (!sigismember(&offen, signal) || sigismember(&alt_, signal)) continue;
            sigset_t eines;
            sigemptyset(&eines);
            sigaddset(&eines, signal);
            const timespec sofort{};
            sigtimedwait(&eines, nullptr, &sofort);
        }
        pthread_sigmask(SIG_SETMASK, &alt_, nullptr);
        errno = grund;
    }
    SignaleZurueckhalten(const SignaleZurueckhalten&) = delete;
    SignaleZurueckhalten& operator=(const SignaleZurueckhalten&) = delete;

private:
    sigset_t menge_;
    sigset_t alt_;
};

// A new, empty file with a hidden name no other file has, in `ordner` ("" for the current
// folder, else ending in "/"); removed again when the object goes, unless it was renamed.
class TempDatei {
public:
    TempDatei(const std::string& ordner, mode_t modus) {
        static std::atomic<unsigned> zaehler{0};
        std::random_device zufall;
        for (int versuch = 0; versuch < 100; ++versuch) {
            pfad_ = ordner + ".hoprex-" + std::to_string(getpid()) + "-" +
                    std::to_string(zaehler++) + "-" + std::to_string(zufall() % 100000);
            fd_ = open(pfad_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, modus);
            if (fd_ >= 0 || errno != EEXIST) break;
        }
        // Locked until it is renamed or removed, through a handle of its own that outlasts the
        // closing before the rename: the cleaning of leftovers passes over it.
        if (fd_ >= 0) sperre_ = dup(fd_);
        if (sperre_ >= 0) flock(sperre_, LOCK_EX);
        da_ = fd_ >= 0;
        if (!da_) fehler_ = errno;
    }
    ~TempDatei() {
        if (fd_ >= 0) close(fd_);
        if (da_) unlink(pfad_.c_str());
        if (sperre_ >= 0) close(sperre_);
    }
    TempDatei(const TempDatei&) = delete;
    TempDatei& operator=(const TempDatei&) = delete;

    // Whether the file was created; errno of the failure when not.
    bool Ok() const { return da_; }
    int Fehler() const { return fehler_; }
    int Fd() const { return fd_; }

    // Closes the file, which stays until the object goes; false when closing reported a fault.
    bool Schliessen() {
        const bool ok = close(fd_) == 0;
        fd_ = -1;
        return ok;
    }
    // Renames the closed file over `ziel`. The file it replaces is held open by a handle until
    // the rename is done and let go right after it: freeing a large file's blocks takes the
    // file system milliseconds (8 ms for 10 MB on ext4), which so are spent after the rename
    // rather than inside it.
    bool UmbenennenNach(const std::string& ziel) {
        const int alt = open(ziel.c_str(), O_PATH | O_CLOEXEC);
        bool ok = rename(pfad_.c_str(), ziel.c_str()) == 0;
        if (ok) {
            da_ = false;
            // The new name, too, must be on the disk before the caller lets go of what it
            // replaced (a recovery copy, say); a folder that cannot be flushed is no fault.
            const std::string ordner = pfad_.substr(0, pfad_.rfind('/') + 1);
            const int verzeichnis =
                open(ordner.empty() ? "." : ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (verzeichnis >= 0) {
                fsync(verzeichnis);
                close(verzeichnis);
            }
        }
        if (alt >= 0) {
            const int grund = errno;
            close(alt);
            errno = grund;
        }
        return ok;
    }
    // Removes the closed file now.
    void Entfernen() {
        unlink(pfad_.c_str());
        da_ = false;
    }

private:
    std::string pfad_;
    int fd_ = -1;
    bool da_ = false;
    int fehler_ = 0;
    int sperre_ = -1;
};

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

// What goes into the file: finished bytes, or bytes made while they are written.
class Inhalt {
public:
    explicit Inhalt(std::string_view text) : text_(text) {}
    explicit Inhalt(const Schreiber& schreiber) : schreiber_(&schreiber) {}

    // Writes every byte to `fd` in order. With `anstossen` the disk starts on each megabyte as
    // soon as it is written, so that the flush at the end waits for the last ones only. Bytes
    // made while they are written are made anew for another file. `summe`, where given, gets
    // the bytes written.
    bool SchreibenIn(int fd, bool anstossen, Pruefsumme* summe = nullptr) {
        Schreibvorgang schreiber{fd, anstossen, summe};
        if (schreiber_ == nullptr) {
            schreiber(text_);
            return schreiber.ok;
        }
        Stueckpuffer puffer(schreiber);
        std::ostream strom(&puffer);
        (*schreiber_)(strom);
        strom.flush();
        // Bytes made after a failed write leave the reason the write gave.
        if (!schreiber.ok) errno = schreiber.fehler;
        return schreiber.ok && strom.good();
    }

private:
    struct Schreibvorgang {
        int fd;
        bool anstossen;
        Pruefsumme* summe;
        bool ok = true;
        int fehler = 0; // errno of the failed write
        off_t geschrieben = 0;
        void operator()(std::string_view text) {
            constexpr size_t Megabyte = size_t{1} << 20;
            while (ok && !text.empty()) {
                const std::string_view stueck = text.substr(0, Megabyte);
                if (summe != nullptr) summe->Hinzu(stueck);
                ok = AllesSchreiben(fd, stueck);
                if (!ok) fehler = errno;
                // Only a hint to the kernel: a file system without it writes at the flush.
                if (ok && anstossen)
                    sync_file_range(fd, geschrieben, static_cast<off_t>(stueck.size()),
                                    SYNC_FILE_RANGE_WRITE);
                geschrieben += static_cast<off_t>(stueck.size());
                text.remove_prefix(stueck.size());
            }
        }
    };
    // Gathers the bytes a Schreiber makes into megabytes, each written once it is full.
    class Stueckpuffer : public std::streambuf {
    public:
        explicit Stueckpuffer(Schreibvorgang& schreiber)
            : schreiber_(schreiber), puffer_(size_t{1} << 20, '\0') {
            setp(puffer_.data(), puffer_.data() + puffer_.size());
        }

    protected:
        int_type overflow(int_type c) override {
            if (!Abgeben()) return traits_type::eof();
            if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
            return c;
        }
        int sync() override { return Abgeben() ? 0 : -1; }

    private:
        bool Abgeben() {
            schreiber_(std::string_view(pbase(), static_cast<size_t>(pptr() - pbase())));
            setp(puffer_.data(), puffer_.data() + puffer_.size());
            return schreiber_.ok;
        }
        Schreibvorgang& schreiber_;
        std::string puffer_;
    };

    std::string_view text_;
    const Schreiber* schreiber_ = nullptr;
};

// Written in full and on the disk: only then may a file be renamed over a target.
bool VollstaendigSchreiben(TempDatei& temp, Inhalt& inhalt, Pruefsumme* summe = nullptr) {
    const bool ok = inhalt.SchreibenIn(temp.Fd(), true, summe) && fsync(temp.Fd()) == 0;
    return temp.Schliessen() && ok;
}

// The file a path finally names: symbolic links followed to any depth, at most 40 of them in a
// chain, as the kernel counts. False for a longer chain (a loop).
bool ZielAufloesen(std::string& pfad) {
    for (int verweise = 0; verweise < 40; ++verweise) {
        std::error_code fehler;
        if (!fs::is_symlink(fs::symlink_status(pfad, fehler))) return true;
        const fs::path ziel = fs::read_symlink(pfad, fehler);
        if (fehler) {
            errno = fehler.value();
            return false;
        }
        pfad = ziel.is_absolute() ? ziel.string() : (fs::path(pfad).parent_path() / ziel).string();
    }
    errno = ELOOP;
    return false;
}

// The folder of `pfad` as the prefix of a name in it.
std::string OrdnerVon(const std::string& pfad) {
    return pfad.substr(0, pfad.rfind('/') + 1);
}

// Writes into the existing file `ziel` itself: a FIFO or device as it is, a regular file from
// its start and cut to the new length.
SchreibErgebnis HineinSchreiben(const std::string& ziel, Inhalt& inhalt, bool regulaer) {
    // Opening a FIFO without a reader would wait for one; non-blocking it fails at once.
    const int fd =
        open(ziel.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | (regulaer ? 0 : O_NONBLOCK));
    if (fd < 0) return SchreibErgebnis::OeffnenFehler;
    bool ok = regulaer || fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0;
    ok = ok && inhalt.SchreibenIn(fd, false);
    // Cut where the writing ended.
    const off_t laenge = regulaer && ok ? lseek(fd, 0, SEEK_CUR) : 0;
    if (regulaer) ok = ok && laenge >= 0 && ftruncate(fd, laenge) == 0 && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    return ok ? SchreibErgebnis::Ok : SchreibErgebnis::SchreibFehler;
}

// HineinSchreiben of a regular file whose old bytes wait in the state folder until the new ones,
// `neu`, are on the disk: a kill meanwhile leaves what a later start needs to put the file back
// whole. Where the backup cannot be written, the file is written all the same (the only way to
// save it); a failed write puts the old bytes back.
SchreibErgebnis GesichertHineinSchreiben(const std::string& ziel, Inhalt& inhalt,
                                         const Pruefsumme& neu) {
    AltinhaltSicherung sicherung;
    const bool gesichert = sicherung.Anlegen(WiederherstellungsOrdner(), ziel, neu);
    const SchreibErgebnis ergebnis = HineinSchreiben(ziel, inhalt, true);
    if (ergebnis != SchreibErgebnis::Ok && gesichert) {
        const int grund = errno;
        sicherung.Zurueckschreiben();
        errno = grund;
    }
    return ergebnis;
}

SchreibErgebnis NeueDatei(const std::string& ziel, Inhalt& inhalt) {
    VerwaisteTempDateienEntfernen(OrdnerVon(ziel));
    TempDatei temp(OrdnerVon(ziel), 0666);
    if (!temp.Ok()) return SchreibErgebnis::OeffnenFehler;
    const bool ok = VollstaendigSchreiben(temp, inhalt) && temp.UmbenennenNach(ziel);
    return ok ? SchreibErgebnis::Ok : SchreibErgebnis::SchreibFehler;
}

// Gives the temporary file the old file's owner, group and mode; false when the process may
// not (another user's file, a group the user is not in).
bool IdentitaetGeben(int fd, const struct stat& alt) {
    struct stat neu {};
    if (fstat(fd, &neu) != 0) return false;
    // Owner first: changing it clears the set-user-ID bits, which the mode then restores.
    if ((neu.st_uid != alt.st_uid || neu.st_gid != alt.st_gid) &&
        fchown(fd, alt.st_uid, alt.st_gid) != 0)
        return false;
    return fchmod(fd, alt.st_mode & 07777) == 0;
}

SchreibErgebnis RegulaereDateiErsetzen(const std::string& ziel, const struct stat& alt,
                                       Inhalt& inhalt) {
    // Until it has the old file's mode, only the owner may read the new file.
    VerwaisteTempDateienEntfernen(OrdnerVon(ziel));
    std::optional<TempDatei> temp;
    temp.emplace(OrdnerVon(ziel), 0600);
    const bool imOrdner = temp->Ok();
    if (!imOrdner) {
        const int fehler = temp->Fehler();
        if (fehler != EACCES && fehler != EPERM && fehler != EROFS)
            return SchreibErgebnis::OeffnenFehler;
        // A writable file in a folder that takes no new file: the trial write goes elsewhere.
        std::error_code f;
        const fs::path anderswo = fs::temp_directory_path(f);
        if (f) return SchreibErgebnis::OeffnenFehler;
        temp.emplace(anderswo.string() + "/", 0600);
        if (!temp->Ok()) return SchreibErgebnis::OeffnenFehler;
    }

    const bool umbenennen = imOrdner && alt.st_nlink == 1 && IdentitaetGeben(temp->Fd(), alt);
    Pruefsumme neu;
    if (!VollstaendigSchreiben(*temp, inhalt, umbenennen ? nullptr : &neu))
        return SchreibErgebnis::SchreibFehler;
    if (umbenennen)
        return temp->UmbenennenNach(ziel) ? SchreibErgebnis::Ok : SchreibErgebnis::SchreibFehler;
    // The trial bytes go first, so that their room on the disk is free for the file itself.
    temp->Entfernen();
    return GesichertHineinSchreiben(ziel, inhalt, neu);
}

SchreibErgebnis Ersetzen(const std::string& pfad, Inhalt& inhalt) {
    const SignaleZurueckhalten signale;
    std::string ziel = pfad;
    if (!ZielAufloesen(ziel)) return SchreibErgebnis::OeffnenFehler;
    struct stat alt {};
    if (stat(ziel.c_str(), &alt) != 0)
        return errno == ENOENT ? NeueDatei(ziel, inhalt) : SchreibErgebnis::OeffnenFehler;
    if (S_ISDIR(alt.st_mode)) {
        errno = EISDIR;
        return SchreibErgebnis::OeffnenFehler;
    }
    if (faccessat(AT_FDCWD, ziel.c_str(), W_OK, AT_EACCESS) != 0)
        return SchreibErgebnis::SchreibFehler;
    if (!S_ISREG(alt.st_mode)) return HineinSchreiben(ziel, inhalt, false);
    return RegulaereDateiErsetzen(ziel, alt, inhalt);
}

} // namespace

SchreibErgebnis DateiErsetzen(const std::string& pfad, std::string_view inhalt) {
    Inhalt i(inhalt);
    return Ersetzen(pfad, i);
}

SchreibErgebnis DateiErsetzen(const std::string& pfad, const Schreiber& inhalt) {
    Inhalt i(inhalt);
    return Ersetzen(pfad, i);
}

void VerwaisteTempDateienEntfernen(const std::string& ordner) {
    constexpr std::string_view vorsilbe = ".hoprex-";
    std::error_code fehler;
    for (const fs::directory_entry& e :
         fs::directory_iterator(ordner.empty() ? "." : ordner, fehler)) {
        const std::string name = e.path().filename().string();
        if (!name.starts_with(vorsilbe)) continue;
        // The name holds the process id of the program that made it.
        const long pid = std::strtol(name.c_str() + vorsilbe.size(), nullptr, 10);
        if (pid <= 0 || pid == getpid() || kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH)
            continue;
        // Beyond a process id of another namespace, the lock tells whether it is being written.
        const int fd = open(e.path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat info {};
        if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0)
            unlink(e.path().c_str());
        close(fd);
    }
}
