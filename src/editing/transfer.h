#pragma once

#include "model/hoprex_data.h"
#include "model/messages.h"

// "Übertragen": copies the marked block of the current profile into the overall profile before
// section Einfuegemarke; the copies are the only marked overall sections afterwards and the
// insertion mark stands right behind them. The current profile is not changed.
// Returns true when the overall profile changed: the caller then runs the refresh chain
// (GesamtNeuBerechnen, then the overall refresh). Returns false, with nothing changed, when the
// current profile is empty, nothing is marked, or the marks are not one block, or the overall
// profile would hold more than MaxAbschnitte sections (for these two the message is shown); the
// caller then does nothing.
bool WerteUebernehmen(HoprexDaten& daten, Meldungen& meldungen);
