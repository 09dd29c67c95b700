#pragma once

#include "model/messages.h"
#include "model/profile.h"

// Reverses the point order of a section: point j takes Hoehe, Abstand and Stuetzpunkt of point
// Punktanzahl-1-j. Each point keeps its own step, so the section length stays the same.
void PunkteUmkehren(ProfileSection& abschnitt);

// "Spiegeln": the marked block is travelled the other way round: the points of each marked
// section are reversed and the order of the block's sections too; the block stays marked.
// Returns true when the caller must run the refresh chain (also when nothing is marked);
// false when the marks are not one block: the message is shown, nothing changed, and the caller
// does nothing.
bool AbschnitteSpiegeln(Profile& gesamt, Meldungen& meldungen);
