#pragma once

#include <cstdint>

// The rule of the smoothing and gradient windows in whole metres, for routes whose steps sum up
// exactly (see GanzeMeter): the window of a point first walks back, point by point, then on,
// each step onto a point adding that point's step. The walk over the route and the reach rules
// of the refresh after an edit both ask these two questions; the point-by-point float walk in
// model/smoothing_reference.cpp is what they must agree with.

// Whether the walk back goes on past a point, with `zurueck` m passed so far: while twice that
// is short of the window's length (about half the window back).
constexpr bool FensterZurueckWeiter(int64_t zurueck, int32_t laenge) {
    return 2 * zurueck < laenge;
}

// Whether the walk on goes on, with `zurueck` m passed back and `vor` m on so far: while all
// steps passed are short of the window's length.
constexpr bool FensterVorWeiter(int64_t zurueck, int64_t vor, int32_t laenge) {
    return zurueck + vor < laenge;
}
