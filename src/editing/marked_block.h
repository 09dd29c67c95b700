#pragma once

#include "model/messages.h"
#include "model/profile.h"

#include <cstdint>

// The run of marked sections that the transfer, moving and mirroring work on. Section indices,
// both ends inclusive; Anzahl is 0 when no section is marked (Erster and Letzter are then -1).
struct MarkierterBlock {
    int32_t Erster = -1;
    int32_t Letzter = -1;
    int32_t Anzahl = 0;
};

// Finds the marked block of `profil`. When the marked sections are not one run of consecutive
// sections, shows "Mehrfachmarkierungen müssen in einem Block ausgeführt sein" (caption "Fehler")
// and returns false; the profile is never changed.
bool MarkierterBlockSuchen(const Profile& profil, MarkierterBlock& block, Meldungen& meldungen);
