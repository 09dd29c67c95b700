#pragma once

#include "model/hoprex_data.h"
#include "model/messages.h"
#include "model/profile.h"

#include <cstdint>
#include <optional>

// Direction codes of the two rows of arrow buttons: to the start, one step left, one step
// right, to the end.
enum class Richtung : int32_t { GanzLinks = -2, Links = -1, Rechts = 1, GanzRechts = 2 };

// Moves Einfuegemarke within 0..number of overall sections; a step at either end keeps it.
// The caller then draws the overall graph only (graph and gradient strip).
void EinfuegemarkeVerschieben(HoprexDaten& daten, Richtung richtung);

// A move of the marked block: its ends before the move (section indices, inclusive) and the
// index where its first section stands after it.
struct Verschiebung {
    int32_t Erster = 0;
    int32_t Letzter = 0;
    int32_t Ziel = 0;
};

// Where one press of a lower arrow button moves the marked block of the overall profile: one
// position or to either end. None when nothing is marked or the marks are not one block (the
// message is shown); the caller then does nothing. A block that already stands at that end
// gets a move onto itself, after which the caller still runs the refresh chain.
std::optional<Verschiebung> VerschiebungPlanen(const Profile& gesamt, Richtung richtung,
                                               Meldungen& meldungen);

// Carries out the move: the sections the block passes change sides, the block ends up marked and
// every other section unmarked. The insertion mark does not change. The caller then runs the
// refresh chain.
void BlockVerschieben(Profile& gesamt, const Verschiebung& v);

// The move that takes `v` back.
Verschiebung Umkehrung(const Verschiebung& v);
