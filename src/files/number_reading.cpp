#include "files/number_reading.h"

#include "model/profile.h"

#include <bit>

namespace {

bool Ziffer(const char* p, const char* ende) {
    return p < ende && static_cast<unsigned char>(*p - '0') < 10;
}

// Whether `d` lies exactly halfway between two floats. A double nearest to a decimal number
// rounds to the float nearest to that number, except at such a point, where the number itself
// may lie on either side.
bool FloatMitte(double d) {
    constexpr uint64_t untere = (uint64_t{1} << 29) - 1; // the bits a float drops
    return (std::bit_cast<uint64_t>(d) & untere) == uint64_t{1} << 28;
}

} // namespace

std::from_chars_result GanzzahlLesen(const char* anfang, const char* ende, int32_t& wert) {
    const char* p = anfang;
    const bool negativ = p < ende && *p == '-';
    if (negativ) ++p;
    const char* ziffern = p;
    uint64_t betrag = 0;
    while (Ziffer(p, ende) && p - ziffern < 11)
        betrag = betrag * 10 + static_cast<unsigned>(*p++ - '0');
    // No digit, or more than eleven (leading zeros perhaps): the general way.
    if (p == ziffern || Ziffer(p, ende)) return std::from_chars(anfang, ende, wert);
    const int64_t v = negativ ? -static_cast<int64_t>(betrag) : static_cast<int64_t>(betrag);
    if (v < INT32_MIN || v > INT32_MAX) return {p, std::errc::result_out_of_range};
    wert = static_cast<int32_t>(v);
    return {p, std::errc()};
}

std::from_chars_result KommazahlLesen(const char* anfang, const char* ende, float& wert) {
    static constexpr double Zehnerpotenz[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* p = anfang;
    const bool negativ = p < ende && *p == '-';
    if (negativ) ++p;
    uint64_t m = 0;
    int ziffern = 0;
    int nachkomma = 0;
    for (; Ziffer(p, ende); ++p, ++ziffern)
        m = m * 10 + static_cast<unsigned>(*p - '0');
    const bool vorne = ziffern > 0;
    if (vorne && p < ende && *p == '.' && Ziffer(p + 1, ende))
        for (++p; Ziffer(p, ende); ++p, ++ziffern, ++nachkomma)
            m = m * 10 + static_cast<unsigned>(*p - '0');
    // Up to 15 digits the digits are exact in a double and so is the power of ten: their
    // quotient is the double nearest to the number.
    if (!vorne || ziffern > 15 || (p < ende && !Leerraum(*p)))
        return std::from_chars(anfang, ende, wert, std::chars_format::general);
    const double d = static_cast<double>(m) / Zehnerpotenz[nachkomma];
    if (FloatMitte(d)) return std::from_chars(anfang, ende, wert, std::chars_format::general);
    wert = static_cast<float>(negativ ? -d : d);
    return {p, std::errc()};
}
