#pragma once

#include "model/profile.h"

#include <vector>

// Takes the selection of the overall section list into the marks: section i is marked when
// `ausgewaehlt[i]` is true; sections beyond the list's lines are unmarked. The caller then draws
// the overall graph only, which recomputes the statistics of the marked sections.
void MarkierungAusAuswahl(Profile& gesamt, const std::vector<bool>& ausgewaehlt);
