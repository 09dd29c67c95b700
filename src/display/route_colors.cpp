#include "display/route_colors.h"

#include "model/gradient_classes.h"

#include <algorithm>
#include <array>

namespace {

// Index 0 is class 1, the gentlest.
const std::array<QColor, AnzahlSteigungsKlassen> Anstieg{
    QColor(255, 236, 160), QColor(255, 196, 110), QColor(250, 140, 70), QColor(225, 70, 50),
    QColor(160, 20, 40)};
const std::array<QColor, AnzahlSteigungsKlassen> Gefaelle{
    QColor(205, 228, 245), QColor(150, 196, 230), QColor(95, 160, 215), QColor(45, 115, 185),
    QColor(15, 65, 140)};

} // namespace

QColor SteigungsFarbe(int32_t klasse) {
    const int32_t stufe = std::clamp(klasse < 0 ? -klasse : klasse, 1, AnzahlSteigungsKlassen);
    return (klasse < 0 ? Gefaelle : Anstieg)[stufe - 1];
}
