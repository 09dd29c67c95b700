#pragma once

#include "model/profile.h"

#include <cstdint>

// A route for the route view's tests, benchmarks and pictures: `abschnitte` sections of
// `punkte` points `schritt` km apart over hills of several wavelengths (steep enough for every
// gradient class), section i described "Etappe i+1", smoothed over 450 m with gradients over
// 100 m and with its statistics, as after the refresh chain.
Profile Tour(int32_t abschnitte, int32_t punkte = MaxPunkte, float schritt = 0.02f);

// 1 km flat at 500 m ("Ebene"), 1 km up at 15 % ("Auf"), 1 km down at 15 % ("Ab"), points every
// 10 m (heights rounded toward zero: 501, 503, 504, ... 650); no smoothing window, so the
// smoothed line is the plain one, gradients over 100 m; with its statistics.
Profile Rampe();
