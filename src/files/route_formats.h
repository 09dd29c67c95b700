#pragma once

#include "files/route_format.h"

#include <string>
#include <string_view>
#include <vector>

// The table of the route file formats and what the dialogs and hoprex-cli take from it.

using Formatliste = std::vector<const Routenformat*>;

// Every format, in the order the dialogs list them; the profile file first.
const Formatliste& Routenformate();

// The program's own file: what "Speichern" writes and "Öffnen" reads by default.
const Routenformat& Profilformat();

// What "Export" offers: every format that writes, but the profile file. The first is what a
// file of any other extension gets.
Formatliste Exportformate();

// What the open dialogs offer: every format that reads.
Formatliste Leseformate();

// The format of that Name; nullptr when there is none.
const Routenformat* FormatNamens(std::string_view name);

// The format among `formate` whose extension ends the file name of `pfad` (in any case);
// nullptr when none does.
const Routenformat* FormatDerEndung(const Formatliste& formate, std::string_view pfad);

// What "Export" writes to `pfad`: the export format of its extension, the first otherwise.
const Routenformat& ExportformatFuer(std::string_view pfad);

// What a file at `pfad` is read as: the reading format of its extension, the profile file
// otherwise (profile files are known by their content whatever their name).
const Routenformat& LeseformatFuer(std::string_view pfad);

// The extensions of `formate` as file name patterns: "*.hpx *.txt".
std::string Dateimuster(const Formatliste& formate);

// A file dialog's filter in Qt's form: "Hoprex Daten (*.hpx)" per format, joined by ";;".
std::string DialogFilter(const Formatliste& formate);
