#pragma once

#include <array>
#include <string>

// The viewer's label font as the screenshot builder paints it: every glyph is five columns
// wide and nine rows high, glyphs are set six columns apart (one empty column between), a
// blank is four empty columns.
inline constexpr int GlyphBreite = 5;
inline constexpr int GlyphHoehe = 9;
inline constexpr int GlyphAbstand = 6;
inline constexpr int LeerzeichenBreite = 4;

// The rows of a glyph, top to bottom, '#' for an inked pixel. Known characters: the digits,
// 'k' and 'm'; any other character has no glyph (nullptr).
const std::array<std::string, GlyphHoehe>* Glyph(char zeichen);
