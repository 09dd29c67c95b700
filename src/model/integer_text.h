#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// The error every edit text raises when it is not a whole number; its message is the one the
// window shows: "'<text>' ist kein gültiger Integerwert".
class KonvertierungsFehler : public std::runtime_error {
public:
    explicit KonvertierungsFehler(std::string_view text);
};

// Converts an edit text to a 32-bit integer: an optional sign, then decimal digits, or
// hexadecimal digits after "$" or "0x" (up to 8 hex digits, FFFFFFFF wrapping to -1).
// Anything else, the empty text and blanks included, throws KonvertierungsFehler.
int32_t StrToInt(std::string_view text);

// The same rules without the error: false when the text is not a whole number.
bool TextZuInt(std::string_view text, int32_t& wert);

// An edit's count or length that must be above 0: the number when it is, std::nullopt for the
// empty text (the user is retyping) and for 0 or below. Any other text that is no whole number
// throws KonvertierungsFehler, as StrToInt does.
std::optional<int32_t> PositiveZahl(std::string_view text);
