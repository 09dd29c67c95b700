#pragma once

#include "model/profile.h"

#include <cstdint>
#include <vector>

// A route for the route view's tests, benchmarks and pictures: `abschnitte` sections of
// `punkte` points `schritt` km apart over hills of several wavelengths (steep enough for every
// gradient class), section i described "Etappe i+1", smoothed over 450 m with gradients over
// 100 m and with its statistics, as after the refresh chain.
Profile Tour(int32_t abschnitte, int32_t punkte = MaxPunkte, float schritt = 0.02f);

// 1 km flat at 500 m ("Ebene"), 1 km up at 15 % ("Auf"), 1 km down at 15 % ("Ab"), points every
// 10 m (heights rounded toward zero: 501, 503, 504, ... 650); no smoothing window, so the
// smoothed line is the plain one, gradients over 100 m; with its statistics.
Profile Rampe();

// A stretch of a built route: its length and its gradient.
struct Steigungsstueck {
    double Km;
    double Prozent;
};

// A route over `stuecke` from `start` m: a point every 20 m (the first at 0.02 km) at the
// height of the exact line rounded to whole metres, in sections of `proAbschnitt` points,
// smoothed over `glaetten` m (0: the smoothed line is the plain one) with gradients over 100 m,
// with its statistics.
Profile Steigungsroute(const std::vector<Steigungsstueck>& stuecke, int32_t start = 500,
                       int32_t proAbschnitt = MaxPunkte, int32_t glaetten = 0);
