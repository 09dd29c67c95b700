#include "display/graph_mapping.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int32_t Saettigen(long double wert) {
    if (std::isnan(wert)) return 0;
    const long double grenze = static_cast<long double>(KoordinatenGrenze);
    return static_cast<int32_t>(std::clamp(wert, -grenze, grenze));
}

// The viewer computes the product in 32-bit integers; it wraps instead of being undefined when
// absurd heights from a damaged file overflow it.
int32_t Produkt32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

int32_t Differenz32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

} // namespace

Hoehenskala HoehenskalaFuer(const Profile& profil, bool skalFixEin, int32_t skalFixMax,
                            int32_t skalFixMin) {
    if (skalFixEin) return {skalFixMax, skalFixMin};
    return {profil.HoeheMax, profil.HoeheMin};
}

std::optional<int32_t> SkalFixMaxKorrektur(int32_t skalFixMax, int32_t skalFixMin) {
    if (skalFixMax > skalFixMin) return std::nullopt;
    return skalFixMin < std::numeric_limits<int32_t>::max() ? skalFixMin + 1 : skalFixMin;
}

int32_t HoeheZuY(int32_t hoehe, const Hoehenskala& skala, int32_t bildHoehe, int32_t rand) {
    const int64_t spanne = int64_t{skala.Oben} - skala.Unten;
    if (spanne <= 0) return bildHoehe / 2;
    const int32_t H = bildHoehe - 2 * rand;
    // Extended precision: the quotient of a 32-bit product and a span below 2^33 never rounds
    // across an integer, so the truncation is that of the exact quotient.
    const long double t =
        std::trunc(static_cast<long double>(Produkt32(Differenz32(hoehe, skala.Unten), H)) /
                   static_cast<long double>(spanne));
    return Saettigen(static_cast<long double>(H + rand) - t);
}

int32_t StreckeZuX(float position, float strecke, int32_t bildBreite) {
    if (strecke == 0.0f) return 0;
    // Double precision suffices here and keeps the walk over half a million points fast: a
    // float32 position times a width below 2^29 is exact, and the one rounding of the division
    // cannot carry a quotient below 2^24 across an integer, so the truncation is exact.
    const double x = static_cast<double>(position) * bildBreite / static_cast<double>(strecke);
    if (std::isnan(x)) return 0;
    const double grenze = static_cast<double>(KoordinatenGrenze);
    return static_cast<int32_t>(std::clamp(x, -grenze, grenze));
}

int32_t AbschnittBeiSpalte(const Profile& profil, int32_t x, int32_t bildBreite) {
    float position = 0.0f;
    int32_t links = 0;
    for (int32_t i = 0; i < profil.AnzahlAbschnitte(); ++i) {
        const ProfileSection& a = profil.Abschnitte[i];
        // The same float32 running position over all points as the drawn line, so a click lands
        // on the section the user sees there.
        for (int32_t j = 0; j < std::clamp(a.Punktanzahl, 0, MaxPunkte); ++j)
            position += a.Punkte[j].Abstand;
        const int32_t rechts = StreckeZuX(position, profil.Strecke, bildBreite);
        if (links <= x && x <= rechts) return i;
        links = rechts;
    }
    return -1;
}

int32_t SteigungsBalken(float steigung, int32_t steigungMax, int32_t streifenHoehe) {
    if (steigungMax <= 0) return 0;
    return Saettigen(std::trunc(static_cast<long double>(steigung) * streifenHoehe /
                                static_cast<long double>(steigungMax)));
}

std::vector<int32_t> GitterZeilen(int32_t steigungMax, int32_t streifenHoehe) {
    std::vector<int32_t> zeilen;
    if (steigungMax <= 0 || streifenHoehe <= 0) return zeilen;
    // Walk the rows rather than the 10 % steps: a steigungMax from a damaged settings file could
    // ask for hundreds of millions of steps, but at most streifenHoehe rows can be hit. Row
    // r above the bottom is hit when the first step reaching it lands exactly on it.
    const int64_t M = steigungMax;
    const int64_t Hs = streifenHoehe;
    for (int64_t r = 0; r < Hs; ++r) {
        const int64_t k = 10 * std::max<int64_t>(1, (r * M + 10 * Hs - 1) / (10 * Hs));
        if (k < M && k * Hs / M == r) zeilen.push_back(static_cast<int32_t>(Hs - r));
    }
    return zeilen;
}
