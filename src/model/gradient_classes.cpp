#include "model/gradient_classes.h"

#include <cmath>

int32_t SteigungsKlasse(double prozent) {
    if (std::isnan(prozent)) return 1;
    const double betrag = std::fabs(prozent);
    int32_t klasse = 1;
    for (float grenze : SteigungsKlassenGrenzen)
        if (betrag > grenze) ++klasse;
    return prozent < 0.0 ? -klasse : klasse;
}
