#pragma once

#include "editing/marked_block.h"
#include "model/profile.h"

// Reverses the point order of a section: point j takes Hoehe, Abstand and Stuetzpunkt of point
// Punktanzahl-1-j. Each point keeps its own step, so the section length stays the same.
void PunkteUmkehren(ProfileSection& abschnitt);

// "Spiegeln" of the marked block `block` (found by MarkierterBlockSuchen, at least one
// section): the block is travelled the other way round: the points of each of its sections are
// reversed and the order of its sections too; it stays marked. Mirroring the same block again
// gives the route back. The caller then runs the refresh chain.
void BlockSpiegeln(Profile& gesamt, const MarkierterBlock& block);
