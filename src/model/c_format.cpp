#include "model/c_format.h"

#include <algorithm>
#include <array>
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

// "00" to "99": the digits of a number are written two at a time.
constexpr auto Paare = [] {
    std::array<char, 200> paare{};
    for (int i = 0; i < 100; ++i) {
        paare[2 * i] = static_cast<char>('0' + i / 10);
        paare[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return paare;
}();

// The number of decimal digits of `wert`.
size_t Ziffernzahl(uint64_t wert) {
    size_t n = 1;
    for (uint64_t grenze = 10; n < 20 && wert >= grenze; grenze *= 10)
        ++n;
    return n;
}

// The decimal digits of `wert`, written backwards so that the last one is just before `ende`.
void ZiffernVor(char* ende, uint64_t wert) {
    while (wert >= 100) {
        ende -= 2;
        std::memcpy(ende, &Paare[2 * (wert % 100)], 2);
        wert /= 100;
    }
    if (wert >= 10) {
        std::memcpy(ende - 2, &Paare[2 * wert], 2);
    } else {
        ende[-1] = static_cast<char>('0' + wert);
    }
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

char* CText::Platz(size_t laenge, int breite) {
    size_t rand = breite > 0 && laenge < static_cast<size_t>(breite)
                      ? static_cast<size_t>(breite) - laenge
                      : 0;
    // Eight bytes more than the text: the blanks go in as one store of eight.
    if (rand + laenge + 8 > sizeof puffer_ - laenge_) {
        Abgeben();
        if (rand + laenge + 8 > sizeof puffer_) { // a width beyond any the files use
            ziel_.append(rand, ' ');
            rand = 0;
        }
    }
    char* p = puffer_ + laenge_;
    if (rand <= 8) {
        std::memcpy(p, "        ", 8);
    } else {
        std::memset(p, ' ', rand);
    }
    laenge_ += rand + laenge;
    return p + rand;
}

CText& CText::Ganzzahl(long wert, int breite) {
    const bool negativ = wert < 0;
    const uint64_t betrag =
        negativ ? 0ull - static_cast<uint64_t>(wert) : static_cast<uint64_t>(wert);
    const size_t ziffern = Ziffernzahl(betrag);
    char* p = Platz(ziffern + negativ, breite);
    if (negativ) *p++ = '-';
    ZiffernVor(p + ziffern, betrag);
    return *this;
}

CText& CText::Festkomma(double wert, int breite, int stellen, char punkt) {
    // The positions and gradients the files hold are float32 values (or differences of two),
    // whose product with 1000 is exact in double: rounding it to a whole number, ties to the
    // even one, is what printf does with the exact decimal value. A product that is not exact,
    // and inf and nan, go the general way.
    static constexpr double Skala[] = {1.0, 10.0, 100.0, 1000.0};
    if (stellen >= 0 && stellen <= 3) {
        const double skaliert = std::fabs(wert * Skala[stellen]);
        const bool exakt = static_cast<double>(static_cast<float>(wert)) == wert ||
                           std::fma(wert, Skala[stellen], -wert * Skala[stellen]) == 0.0;
        if (skaliert < 0x1p53 && exakt) {
            auto ganz = static_cast<uint64_t>(skaliert);
            const double rest = skaliert - static_cast<double>(ganz); // exact
            if (rest > 0.5 || (rest == 0.5 && ganz % 2 == 1)) ++ganz;
            // Whole part (at least its "0"), point, decimals: written from the back.
            const size_t vorne = std::max(Ziffernzahl(ganz), static_cast<size_t>(stellen) + 1) -
                                 static_cast<size_t>(stellen);
            const bool negativ = std::signbit(wert);
            const size_t laenge = negativ + vorne + (stellen > 0 ? 1 + stellen : 0);
            char* p = Platz(laenge, breite);
            char* q = p + laenge;
            for (int i = 0; i < stellen; ++i, ganz /= 10)
                *--q = static_cast<char>('0' + ganz % 10);
            if (stellen > 0) *--q = punkt;
            ZiffernVor(q, ganz);
            if (negativ) *p = '-';
            return *this;
        }
    }
    char zahl[ZahlPlatz];
    const auto ergebnis =
        std::to_chars(zahl, zahl + sizeof zahl, wert, std::chars_format::fixed, stellen);
    if (ergebnis.ec != std::errc()) { // more decimals than the buffer holds
        std::string text = Formatieren("%*.*f", breite, stellen, wert);
        std::replace(text.begin(), text.end(), '.', punkt);
        return Text(text);
    }
    std::replace(zahl, ergebnis.ptr, '.', punkt);
    const auto laenge = static_cast<size_t>(ergebnis.ptr - zahl);
    std::memcpy(Platz(laenge, breite), zahl, laenge);
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
