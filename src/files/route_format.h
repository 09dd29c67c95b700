#pragma once

#include "model/hoprex_data.h"
#include "model/profile.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// A file format a route is saved, exported or opened in. Each format is one class in a file of
// its own and one line of the table in route_formats.cpp; the dialogs, hoprex-cli and its manual
// page know the formats from that table only.

// How the bytes a writer hands on reach the file.
enum class Zeichensatz {
    Cp1252, // UTF-8 text, converted to Windows-1252 on its way ("?" for what it cannot hold)
    Bytes,  // the writer's own bytes, as they go to disk (UTF-8 XML, binary records)
};

// What the formats may be set to: the settings records they take their options from. A format
// reads only its own part.
struct Formatoptionen {
    TExportOptions Text;       // the text export; its Glaettung also for the tracks' heights
    TStreckenOptionen Strecke; // the tracks and courses
};

class Routenformat {
public:
    virtual ~Routenformat() = default;

    // The short name hoprex-cli's --format takes ("hpx"): lower case, unique in the table.
    virtual std::string_view Name() const = 0;
    // The name of the file type in the file dialogs ("Hoprex Daten").
    virtual std::string_view Bezeichnung() const = 0;
    // The file name extensions, lower case without the dot; the first is the one a save dialog
    // adds to a name typed without one.
    virtual std::vector<std::string> Endungen() const = 0;
    virtual Zeichensatz Kodierung() const = 0;

    virtual bool Liest() const = 0;
    virtual bool Schreibt() const = 0;

    // Writes the route `route`, which has been through the refresh chain, to `aus` in the order
    // of the file, under its part of `optionen`. A writer hands its text on as it is made, in
    // pieces of any size; with Zeichensatz::Cp1252 in UTF-8. It may stop early once `aus`
    // failed. Only called when Schreibt().
    virtual void Schreiben(const Profile& route, const Formatoptionen& optionen,
                           std::ostream& aus) const = 0;

    // Reads the sections (and whatever window lengths the format holds) from `ein` into `ziel`,
    // which holds no sections and keeps the settings of the route it replaces. False when the
    // bytes are not a sound file of the format; `fehlerZeile` is then the 1-based line of the
    // fault and `ziel` half-read. Only called when Liest().
    virtual bool Lesen(std::istream& ein, Profile& ziel, int32_t& fehlerZeile) const = 0;
};
