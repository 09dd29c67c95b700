#pragma once

#include <QString>

// What the window's file dialogs show of the format table (files/route_formats.h).

// The open dialogs: every format that reads.
QString OeffnenFilter();
// The upper half's open dialog: those and the track files.
QString AktuellOeffnenFilter();
// The save dialog: the profile file; and the extension it adds to a name typed without one.
QString SpeichernFilter();
QString SpeichernEndung();
// The export dialog: its title with the export formats' patterns, its filter, and the extension
// of the first export format.
QString ExportTitel();
QString ExportFilter();
QString ExportEndung();
// The route view's track export: the export formats for bike computers and trainers (all but
// the text export), as above.
QString StreckenTitel();
QString StreckenFilter();
QString StreckenEndung();
