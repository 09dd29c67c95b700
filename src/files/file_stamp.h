#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What tells whether a file on disk is still the one the program read or wrote: the file it is
// (device and inode, which a replacing save changes), its size and the time of its last change
// to the nanosecond.
struct Dateistand {
    uint64_t Geraet = 0;
    uint64_t Inode = 0;
    int64_t Groesse = 0;           // bytes
    int64_t GeaendertSekunden = 0; // since 1970
    int64_t GeaendertNanosekunden = 0;
    bool operator==(const Dateistand&) const = default;
};

// The state of the file at `pfad` now (after links); none when it does not exist or cannot be
// looked at.
std::optional<Dateistand> DateistandLesen(const std::string& pfad);
