#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A file written in place (where a rename cannot keep its identity: a second hard link, an owner
// the process cannot give, a folder that takes no new file) is broken when the program is killed
// during the write: the first bytes new, the rest old. Its old bytes are therefore kept in the
// state folder (WiederherstellungsOrdner) until the new ones are on the disk, and a later start
// finds them when the write did not finish.

// The length and a 64-bit FNV-1a hash of bytes written, to tell at a later start whether a file
// holds them.
struct Pruefsumme {
    uint64_t laenge = 0;
    uint64_t wert = 14695981039346656037ull;
    void Hinzu(std::string_view bytes);
    bool operator==(const Pruefsumme&) const = default;
};

// The old bytes of one file for the time it is written in place. The backup file is held locked
// while this object lives, so that no other program takes the write for an interrupted one, and
// removed when the object goes.
class AltinhaltSicherung {
public:
    AltinhaltSicherung() = default;
    ~AltinhaltSicherung();
    AltinhaltSicherung(const AltinhaltSicherung&) = delete;
    AltinhaltSicherung& operator=(const AltinhaltSicherung&) = delete;

    // Copies the bytes of the regular file `ziel` into a backup in `ordner`, flushed to the
    // disk, with the path and `neu`, the bytes that are to replace them. False when the file
    // cannot be read or the backup not written; nothing is left then.
    bool Anlegen(const std::string& ordner, const std::string& ziel, const Pruefsumme& neu);

    // After a write in place that failed: the old bytes go back into the file; false when they
    // cannot (the backup then stays for a later start).
    bool Zurueckschreiben();

private:
    std::string pfad_, ziel_;
    int fd_ = -1;
    uint64_t koerper_ = 0; // where the old bytes begin in the backup
    uint64_t laenge_ = 0;  // how many there are
    bool behalten_ = false;
};

// A write in place that a program now gone did not finish: the file holds neither its old nor
// its new bytes.
struct UnterbrochenesSchreiben {
    std::string Sicherung; // the backup of the old bytes
    std::string Ziel;      // the file
};

// The unfinished writes in place whose backups lie in `ordner`. Backups of writes that finished
// or never began (the file holds its new or its old bytes) and broken backups are removed.
std::vector<UnterbrochenesSchreiben> UnterbrocheneSchreibvorgaenge(const std::string& ordner);

// Puts the old bytes back into the file, in place, and then removes the backup. False, with
// errno the reason, when the file cannot be written; the backup then stays.
bool AltenInhaltZurueckschreiben(const UnterbrochenesSchreiben& schreiben);

// Removes the backup; the file stays as it is.
void SicherungVerwerfen(const UnterbrochenesSchreiben& schreiben);
