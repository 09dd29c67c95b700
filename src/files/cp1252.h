#pragma once

#include <string>
#include <string_view>

// Text is UTF-8 in memory and Windows-1252 in the program's files; these convert at the file
// boundary.

// UTF-8 to Windows-1252 bytes. A character that Windows-1252 cannot hold, and a byte that is
// not part of valid UTF-8, is written as "?". The C1 controls U+0081, U+008D, U+008F, U+0090 and
// U+009D go back to their single bytes (see Cp1252ZuUtf8). Takes the text by value: a text
// moved in that is plain ASCII, as the files are but for descriptions and a few words, comes
// back as it is, without a copy.
std::string Utf8ZuCp1252(std::string utf8);

// Windows-1252 bytes to UTF-8. The five byte values Windows-1252 leaves unassigned become the C1
// controls of the same number, as Windows reads them, so that reading and writing back keeps
// every byte.
std::string Cp1252ZuUtf8(std::string_view cp1252);

// Whether every byte of `text` is ASCII, the same in both encodings.
bool NurAscii(std::string_view text);

// The UTF-8 text as a file keeps it: each character that Windows-1252 cannot hold becomes "?".
std::string Cp1252Darstellbar(std::string utf8);
