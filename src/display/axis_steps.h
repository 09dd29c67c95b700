#pragma once

#include <cstdint>

// Tick steps of the route view's axes: 1, 2 or 5 times a power of ten, the readable steps of
// a printed map or chart.

// The smallest such step that divides `spanne` (km or m, > 0) into at most `hoechstens` steps.
// 1 for a span that is not a positive number or a count below 1.
double TickSchritt(double spanne, int32_t hoechstens);

// The decimals that show every multiple of `schritt` exactly: 0 for steps of 1 and above, 1 for
// 0.1 to 0.5, 2 for 0.01 to 0.05, and so on (at most 9).
int32_t Nachkommastellen(double schritt);
