#include "model/c_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <locale.h>

namespace {

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// The longest number text: a fixed-point double has up to 309 digits before the point.
constexpr size_t ZahlPlatz = 400;

// Fixed-point digits of a value already scaled by 10^stellen and rounded to a whole number,
// written backwards from `ende`; returns where they start.
char* FestkommaZiffern(char* ende, uint64_t skaliert, int stellen, bool negativ, char punkt) {
    char* p = ende;
    for (int i = 0; i < stellen; ++i, skaliert /= 10)
        *--p = static_cast<char>('0' + skaliert % 10);
    if (stellen > 0) *--p = punkt;
    do {
        *--p = static_cast<char>('0' + skaliert % 10);
        skaliert /= 10;
    } while (skaliert != 0);
    if (negativ) *--p = '-';
    return p;
}

} // namespace

std::string Formatieren(const char* format, ...) {
    const locale_t vorher = uselocale(CLocale());
    char puffer[256];
    va_list args;
    va_start(args, format);
    va_list kopie;
    va_copy(kopie, args);
    const int laenge = vsnprintf(puffer, sizeof puffer, format, args);
    va_end(args);
    std::string text;
    if (laenge >= 0 && static_cast<size_t>(laenge) < sizeof puffer) {
        text.assign(puffer, static_cast<size_t>(laenge));
    } else if (laenge > 0) {
        text.resize(static_cast<size_t>(laenge) + 1);
        vsnprintf(text.data(), text.size(), format, kopie);
        text.resize(static_cast<size_t>(laenge));
    }
    va_end(kopie);
    uselocale(vorher);
    return text;
}

void CText::Abgeben() {
    ziel_.append(puffer_, laenge_);
    laenge_ = 0;
}

void CText::Ausrichten(const char* anfang, const char* ende, int breite) {
    const size_t laenge = static_cast<size_t>(ende - anfang);
    const size_t rand = breite > 0 && laenge < static_cast<size_t>(breite)
                            ? static_cast<size_t>(breite) - laenge
                            : 0;
    if (rand + laenge > sizeof puffer_ - laenge_) {
        Abgeben();
        if (rand + laenge > sizeof puffer_) { // a width beyond any the files use
            ziel_.append(rand, ' ');
            ziel_.append(anfang, laenge);
            return;
        }
    }
    // Byte by byte: the numbers are a few characters long, shorter than a call of memcpy.
    char* ziel = puffer_ + laenge_;
    for (size_t i = 0; i < rand; ++i)
        *ziel++ = ' ';
    for (const char* p = anfang; p < ende; ++p)
        *ziel++ = *p;
    laenge_ += rand + laenge;
}

CText& CText::Ganzzahl(long wert, int breite) {
    char zahl[24];
    char* ende = zahl + sizeof zahl;
    char* p = ende;
    unsigned long betrag = wert < 0 ? 0ul - static_cast<unsigned long>(wert) : wert;
    do {
        *--p = static_cast<char>('0' + betrag % 10);
        betrag /= 10;
    } while (betrag != 0);
    if (wert < 0) *--p = '-';
    Ausrichten(p, ende, breite);
    return *this;
}

CText& CText::Festkomma(double wert, int breite, int stellen, char punkt) {
    // The positions and gradients the files hold are float32 values (or differences of two),
    // whose product with 1000 is exact in double: rounding it to a whole number, ties to the
    // even one, is what printf does with the exact decimal value. A product that is not exact,
    // and inf and nan, go the general way.
    static constexpr double Skala[] = {1.0, 10.0, 100.0, 1000.0};
    char zahl[ZahlPlatz];
    char* ende = zahl + sizeof zahl;
    if (stellen >= 0 && stellen <= 3) {
        const double skaliert = std::fabs(wert * Skala[stellen]);
        const bool exakt = static_cast<double>(static_cast<float>(wert)) == wert ||
                           std::fma(wert, Skala[stellen], -wert * Skala[stellen]) == 0.0;
        if (skaliert < 0x1p53 && exakt) {
            auto ganz = static_cast<uint64_t>(skaliert);
            const double rest = skaliert - static_cast<double>(ganz); // exact
            if (rest > 0.5 || (rest == 0.5 && ganz % 2 == 1)) ++ganz;
            Ausrichten(FestkommaZiffern(ende, ganz, stellen, std::signbit(wert), punkt), ende,
                       breite);
            return *this;
        }
    }
    const auto ergebnis = std::to_chars(zahl, ende, wert, std::chars_format::fixed, stellen);
    if (ergebnis.ec != std::errc()) { // more decimals than the buffer holds
        std::string text = Formatieren("%*.*f", breite, stellen, wert);
        std::replace(text.begin(), text.end(), '.', punkt);
        return Text(text);
    }
    std::replace(zahl, ergebnis.ptr, '.', punkt);
    Ausrichten(zahl, ergebnis.ptr, breite);
    return *this;
}

CText& CText::TextLang(std::string_view text) {
    if (text.size() > sizeof puffer_ - laenge_) Abgeben();
    if (text.size() > sizeof puffer_) {
        ziel_.append(text);
        return *this;
    }
    std::memcpy(puffer_ + laenge_, text.data(), text.size());
    laenge_ += text.size();
    return *this;
}
