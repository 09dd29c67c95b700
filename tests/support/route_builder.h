#pragma once

#include "model/profile.h"

#include <cstdint>

// A route for the route view's tests, benchmarks and pictures: `abschnitte` sections of
// `punkte` points `schritt` km apart over hills of several wavelengths (steep enough for every
// gradient class), section i described "Etappe i+1", smoothed over 450 m with gradients over
// 100 m and with its statistics, as after the refresh chain.
Profile Tour(int32_t abschnitte, int32_t punkte = MaxPunkte, float schritt = 0.02f);
