#pragma once

#include "model/hoprex_data.h"
#include "model/messages.h"
#include "model/profile.h"

#include <cstdint>

// Direction codes of the two rows of arrow buttons: to the start, one step left, one step
// right, to the end.
enum class Richtung : int32_t { GanzLinks = -2, Links = -1, Rechts = 1, GanzRechts = 2 };

// Moves Einfuegemarke within 0..number of overall sections; a step at either end keeps it.
// The caller then draws the overall graph only (graph and gradient strip).
void EinfuegemarkeVerschieben(HoprexDaten& daten, Richtung richtung);

// Moves the marked block of the overall profile one position or to either end; the sections it
// passes change sides, the block stays marked and every other section is unmarked. The insertion
// mark does not change. Returns true when the caller must run the refresh chain (also when the
// block already stood at that end); false when nothing is marked or the marks are not one block
// (the message is shown), and the caller then does nothing.
bool AbschnitteVerschieben(Profile& gesamt, Richtung richtung, Meldungen& meldungen);
