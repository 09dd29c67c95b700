#pragma once

#include "files/file_replace.h"
#include "files/route_format.h"

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

// The services of the format seam: the Windows-1252 conversion of a writer's text on its way
// and the writers and readers over plain streams. The whole-file replace takes a Schreiber.

// Hands UTF-8 text on to `ziel` as Windows-1252 bytes in pieces of about a megabyte, each cut
// where the conversion of the piece gives the same bytes as that of the whole text would (see
// SichererSchnitt). What is still held goes on at Abschliessen; a failed `ziel` fails the
// stream that writes into this buffer.
class Cp1252Puffer : public std::streambuf {
public:
    explicit Cp1252Puffer(std::ostream& ziel);
    Cp1252Puffer(const Cp1252Puffer&) = delete;
    Cp1252Puffer& operator=(const Cp1252Puffer&) = delete;

    // Converts and hands on the rest; false when `ziel` failed on the way.
    bool Abschliessen();

protected:
    int_type overflow(int_type c) override;

private:
    bool Weitergeben(bool alles);

    std::ostream& ziel_;
    std::string puffer_;
};

// The largest n <= text.size() such that the three bytes before n are ASCII, 0 when there is
// none. Windows-1252 conversion of text cut there gives the bytes of the whole: a UTF-8 lead
// byte before the cut announces at most three bytes after it, and ASCII ends every run that
// needs converting.
size_t SichererSchnitt(std::string_view text);

// The writer of `format` for `route` under `optionen`, as DateiErsetzen and hoprex-cli's
// standard output take it: the file's bytes, converted where the format says. `format`, `route`
// and `optionen` must outlive the Schreiber.
Schreiber RoutenSchreiber(const Routenformat& format, const Profile& route,
                          const Formatoptionen& optionen);

// The whole file in memory.
std::string RoutenInhalt(const Routenformat& format, const Profile& route,
                         const Formatoptionen& optionen = {});

// Routenformat::Lesen of the file's bytes `inhalt`.
bool RouteLesen(const Routenformat& format, std::string_view inhalt, Profile& ziel,
                int32_t& fehlerZeile);

// All that is left in `ein`, as bytes; false when more than `hoechstens` bytes are left or
// reading failed.
bool AllesLesen(std::istream& ein, std::string& inhalt, size_t hoechstens);
