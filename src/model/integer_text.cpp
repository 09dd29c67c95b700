#include "model/integer_text.h"

KonvertierungsFehler::KonvertierungsFehler(std::string_view text)
    : std::runtime_error("'" + std::string(text) + "' ist kein gültiger Integerwert") {}

namespace {

int Ziffernwert(char c, int basis) {
    int w = -1;
    if (c >= '0' && c <= '9') w = c - '0';
    else if (c >= 'a' && c <= 'f') w = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') w = c - 'A' + 10;
    return w < basis ? w : -1;
}

} // namespace

bool TextZuInt(std::string_view text, int32_t& wert) {
    size_t i = 0;
    bool negativ = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negativ = text[i++] == '-';
    int basis = 10;
    if (i < text.size() && text[i] == '$') {
        basis = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        basis = 16;
        i += 2;
    }
    if (i == text.size()) return false;

    // Decimal numbers must fit the signed range; hexadecimal ones fill all 32 bits, as a
    // settings file written by hand may hold FFFFFFFF for -1.
    const uint64_t grenze = basis == 16 ? 0xFFFFFFFFull : (negativ ? 0x80000000ull : 0x7FFFFFFFull);
    uint64_t betrag = 0;
    for (; i < text.size(); ++i) {
        const int z = Ziffernwert(text[i], basis);
        if (z < 0) return false;
        betrag = betrag * basis + static_cast<uint64_t>(z);
        if (betrag > grenze) return false;
    }
    const uint32_t bits = static_cast<uint32_t>(betrag);
    wert = static_cast<int32_t>(negativ ? 0u - bits : bits);
    return true;
}

int32_t StrToInt(std::string_view text) {
    int32_t wert = 0;
    if (!TextZuInt(text, wert)) throw KonvertierungsFehler(text);
    return wert;
}

std::optional<int32_t> PositiveZahl(std::string_view text) {
    if (text.empty()) return std::nullopt;
    const int32_t zahl = StrToInt(text);
    if (zahl <= 0) return std::nullopt;
    return zahl;
}
