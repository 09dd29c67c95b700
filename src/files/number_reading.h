#pragma once

#include <charconv>
#include <cstdint>

// The profile file's numbers read as std::from_chars reads them (same value, same end, same
// error), in a few steps for the forms the files hold: a route of 446,000 points has 1.3 million
// numbers to read. Other forms (exponents, long digit strings, a value on a float's rounding
// edge) are handed to std::from_chars.

// A decimal integer with an optional "-".
std::from_chars_result GanzzahlLesen(const char* anfang, const char* ende, int32_t& wert);

// A decimal number with an optional "-" (chars_format::general), rounded to float.
std::from_chars_result KommazahlLesen(const char* anfang, const char* ende, float& wert);
