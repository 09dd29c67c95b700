#pragma once

#include "model/hoprex_data.h"
#include "model/profile.h"

#include <cstdint>
#include <vector>

// Marking sections with the mouse and the list. The same rules serve the current and the
// overall profile.

// Takes a section list's selection into the marks: section i is marked when `ausgewaehlt[i]`
// is true; sections beyond the list's lines are unmarked. The caller then draws the graph only
// (drawing the overall graph recomputes the statistics of the marked sections).
void MarkierungAusAuswahl(Profile& profil, const std::vector<bool>& ausgewaehlt);

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

// Whether any section of the profile is marked.
bool MarkierteVorhanden(const Profile& profil);

// The marks of the route with its anchor and the insertion mark: what an undo step keeps so
// that undoing and redoing it put them back exactly, whatever was marked in between.
struct Markierungsstand {
    std::vector<bool> Markiert; // one per overall section
    int32_t Anker = 0;
    int32_t Einfuegemarke = 0;
};
Markierungsstand MarkierungsstandLesen(const HoprexDaten& daten);
// Puts back a state read from the route as it is now (the same number of sections).
void MarkierungsstandSetzen(HoprexDaten& daten, const Markierungsstand& stand);
