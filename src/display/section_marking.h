#pragma once

#include "display/graph_mapping.h"
#include "model/profile.h"

#include <cstdint>
#include <vector>

// Marking sections with the mouse and the list. The same rules serve the current graph and the
// overall graph with its gradient strip (same width, so a column means the same position).

// Index of the section under pixel column x of a graph `bildBreite` columns wide, or -1 when no
// section lies there (left of column 0, or beyond the end of the last section, which can happen
// at the right edge because the float32 running position falls just short of the length).
// A column on a boundary belongs to the section on its left.
int32_t AbschnittBeiSpalte(const Profile& profil, int32_t x, int32_t bildBreite = GraphBreite);

// Mouse press (any button) on section `abschnitt`, the section under the pointer or -1 for
// none. Plain: only that section is marked and becomes the anchor. Shift: the range from Anker
// to it is marked, all others cleared, Anker stays. Ctrl (with or without Shift): that
// section's mark is inverted and it becomes the anchor. Returns true when a section was hit:
// the caller redraws the graph and sets the list selection; false (nothing changed) for -1.
bool MarkierenMausDruck(Profile& profil, int32_t abschnitt, bool shift, bool strg);

// Mouse move over section `abschnitt` (-1: none) while the left button is held;
// `letzterAbschnitt` is the section under the pointer at the previous drag event, kept by the
// caller for the whole run, starting at 0. When the pointer is over a section other than
// letzterAbschnitt, marks exactly the range from Anker to it, stores it in letzterAbschnitt and
// returns true (redraw and set the list selection); otherwise changes nothing and returns
// false. Shift and Ctrl play no part in dragging.
bool MarkierenMausZug(Profile& profil, int32_t abschnitt, int32_t& letzterAbschnitt);

// The list selection that shows the marks: line i selected exactly when section i is marked.
std::vector<bool> ListenAuswahl(const Profile& profil);
