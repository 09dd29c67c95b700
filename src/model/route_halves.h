#pragma once

#include "model/profile.h"
#include "parallel/side_by_side.h"

#include <cstdint>

// Long work over the overall profile is split between two threads (Nebeneinander).

// Below this many points a second thread costs more than it saves.
inline constexpr int64_t ParallelAb = 50000;

// Where work over the sections [von, bis) is split: the first section border with at least half
// of their points in front of it, and how many points those are. The border is `bis` (nothing
// for a second thread) when the sections hold fewer than ParallelAb points or the machine has
// a single core.
struct Teilung {
    int32_t abschnitt;
    int64_t punkteDavor;
};
Teilung Teilen(const Profile& profil, int32_t von, int32_t bis);
