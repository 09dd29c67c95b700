#pragma once

#include "files/file_replace.h"
#include "model/hoprex_data.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Recovery copies of a modified route, so that a crash or a killed process loses nothing: one
// copy per running program in the state folder, each with a lock file that its program holds
// while it runs. The kernel drops the lock when the program ends in any way, so a copy whose
// lock can be taken belongs to a program that is gone.

// $XDG_STATE_HOME/hoprex, or ~/.local/state/hoprex when that variable is unset or not an
// absolute path; "" when not even HOME is set (no copies then).
std::string WiederherstellungsOrdner();

// The bytes of a recovery copy: a first line that names it, the route file's path (length in
// bytes on a line of its own, then the path and a line end), then the route in the profile
// file format, which holds the smoothing and gradient window lengths.
std::string KopieInhalt(const Profile& gesamt, const std::string& gesamtDatei);
// The same bytes, made while they are written; `gesamt` must stay as it is and outlive the
// Schreiber.
Schreiber KopieSchreiber(const Profile& gesamt, const std::string& gesamtDatei);

// Reads a recovery copy into `route`: the sections unmarked, the window lengths, the route
// file's path and name (without ".hpx"), the insertion mark at 0 and the route modified.
// Settings missing from the copy come from `vorbild`. False when `inhalt` is no sound copy.
bool KopieLesen(std::string_view inhalt, const Profile& vorbild, Routendaten& route);

// KopieLesen of the file at `pfad`, read with the size bound of a profile file (plus room for
// the path). False when it cannot be read or is no sound copy.
bool KopieDateiLesen(const std::string& pfad, const Profile& vorbild, Routendaten& route);

// Why no copy could be written into `ordner`, for the user: the route is then not protected.
// `fehler` is the errno of the failed write.
std::string SicherungsFehlerText(const std::string& ordner, int fehler);

// This program's place in the state folder. Nothing is created before the first write.
// Schreiben may run on another thread than the rest, but never at the same time as another
// member function.
class Kopienablage {
public:
    explicit Kopienablage(std::string ordner) : ordner_(std::move(ordner)) {}
    ~Kopienablage(); // gives up the lock; the copy stays
    Kopienablage(const Kopienablage&) = delete;
    Kopienablage& operator=(const Kopienablage&) = delete;

    const std::string& Ordner() const { return ordner_; }

    // Replaces this program's copy by `inhalt`, atomically. The first write creates the folder
    // and takes a name no other copy has. False, with errno the reason, when the folder cannot
    // be written; a copy written before then stays and is marked as older than the route.
    bool Schreiben(std::string_view inhalt);
    bool Schreiben(const Schreiber& inhalt);

    // Deletes this program's copy and its lock file; the next write takes a new name.
    void Entfernen();

    // The newest copy left by a program that is gone and not yet offered by this one: it then
    // becomes this program's copy (its lock is taken, so no other program offers it, and the
    // next write replaces it). Returns its path. Only while this program has no copy of its own.
    // The folder is read once, at the first call; lock files without a copy and temporary files
    // of gone programs are removed then.
    std::optional<std::string> VerwaisteKopieUebernehmen();

    // For the copy taken over: the time of the last write that failed after it was written
    // (seconds since 1970), when its program could not keep it up to date; the copy then lacks
    // the changes made up to that time.
    std::optional<int64_t> VeraltetSeit() const;

    // Gives a taken-over copy back untouched (one that could not be read): it stays for a later
    // start, and this program takes a new name at its next write.
    void Freigeben();

private:
    enum class Sperre { Genommen, Besetzt, Unbrauchbar };
    // Takes the lock of copy `name`: Besetzt when another program holds it, Unbrauchbar when
    // its lock file cannot be opened (a folder in its place, say).
    Sperre Sperren(const std::string& name);
    // Before a write: the folder known and a name taken; false with errno the reason.
    bool Bereit();
    // After a write: whether it succeeded, the copy left marked as older when not.
    bool Geschrieben(SchreibErgebnis ergebnis);
    // Takes a name of this program that no copy has, with its lock.
    bool NamenNehmen();
    // Reads the folder for VerwaisteKopieUebernehmen, oldest copy first.
    void KopienSammeln();
    std::string Pfad(const std::string& name, const char* endung) const;

    std::string ordner_;
    std::string name_;                                   // "" while this program has no copy
    int sperre_ = -1;                                    // the open lock file of name_
    std::optional<std::vector<std::string>> kandidaten_; // not yet offered, newest last
};
