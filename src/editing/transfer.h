#pragma once

#include "editing/marked_block.h"
#include "model/hoprex_data.h"
#include "model/messages.h"

#include <cstdint>
#include <optional>

// The marked block of the current profile that "Übertragen" copies. None, with nothing changed,
// when the current profile is empty, nothing is marked, or the marks are not one block, or the
// overall profile would hold more than MaxAbschnitte sections (for these two the message is
// shown); the caller then does nothing.
std::optional<MarkierterBlock> UebertragungsBlock(const HoprexDaten& daten, Meldungen& meldungen);

// Copies `block` of the current profile into the overall profile before section Einfuegemarke;
// the copies are the only marked overall sections afterwards and the insertion mark stands right
// behind them. The current profile is not changed. Returns the index of the first copy. The
// caller then runs the refresh chain (GesamtNeuBerechnen, then the overall refresh).
int32_t BlockUebernehmen(HoprexDaten& daten, const MarkierterBlock& block);

// "Übertragen" in one: UebertragungsBlock, then BlockUebernehmen. Returns true when the overall
// profile changed.
bool WerteUebernehmen(HoprexDaten& daten, Meldungen& meldungen);
