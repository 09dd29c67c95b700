#include "display/axis_steps.h"

#include <algorithm>
#include <cmath>

double TickSchritt(double spanne, int32_t hoechstens) {
    if (!(spanne > 0.0) || !std::isfinite(spanne) || hoechstens < 1) return 1.0;
    const double roh = spanne / hoechstens;
    double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    // The smallest of 1, 2, 5 and 10 times the power that reaches the raw step; the factor
    // guards against log10 landing one power too low on an exact power of ten.
    for (;;) {
        for (double faktor : {1.0, 2.0, 5.0})
            if (faktor * zehner >= roh * (1.0 - 1e-9)) return faktor * zehner;
        zehner *= 10.0;
    }
}

int32_t Nachkommastellen(double schritt) {
    if (!(schritt > 0.0) || schritt >= 1.0) return 0;
    return std::clamp(static_cast<int32_t>(std::ceil(-std::log10(schritt) - 1e-9)), 0, 9);
}
