#pragma once

#include "files/route_format.h"
#include "model/hoprex_data.h"
#include "model/messages.h"
#include "model/profile.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

// Number of data lines the export writes for `gesamt` under `optionen`: every point without
// PunkteReduzieren, else the points the thinning keeps (see ExportInhalt).
int32_t ExportPunktanzahl(const Profile& gesamt, const TExportOptions& optionen);

// The export options dialog's estimate of the data lines when thinning:
// min(trunc(Strecke * 1000 / meterProPunkt), Punktanzahl) of `gesamt`. A step below 1 m thins
// nothing, so the estimate is then Punktanzahl.
int32_t GeschaetztePunktanzahl(const Profile& gesamt, int32_t meterProPunkt);

// The text export of `gesamt`, as Windows-1252 bytes with lines ending in "\n": the optional
// six-line header, then one tab-separated line per exported point (distance, height, gradient
// with Glaettung, section marker and description with Abschnitte, "Knick"/"Stuetz" at vertices
// with Stuetzpunkte and without thinning). With PunkteReduzieren the first and last point are
// always written and any other point once its position has reached the next multiple of
// MeterProPunkt; every section with a written point gets its "Abschnitt" marker on its first
// written line. `gesamt` must have been through the refresh chain.
std::string ExportInhalt(const Profile& gesamt, const TExportOptions& optionen);
// The same text in UTF-8 into `aus`, a few hundred lines at a time (the writer of
// TextExportFormat).
void ExportSchreiben(const Profile& gesamt, const TExportOptions& optionen, std::ostream& aus);

// The text export as an entry of the format table: writes only, Windows-1252.
const Routenformat& TextExportFormat();

// "Export": writes the overall profile in the export format of the extension of `pfad` (the text
// export, ExportInhalt under daten.ExportOptions, for any other) to `pfad`
// (replacing the file only once it was fully written) and sets VerzeichnisExport to its folder.
// Does nothing when the dialog was cancelled. Returns true when the file was written. The
// window calls DatenVorhanden before its dialog. Nothing is redrawn.
bool Exportieren(HoprexDaten& daten, const std::optional<std::string>& pfad, Meldungen& meldungen);
