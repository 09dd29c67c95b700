#pragma once

#include <string>
#include <string_view>

// Text is UTF-8 in memory and Windows-1252 in the program's files; these convert at the file
// boundary.

// UTF-8 to Windows-1252 bytes. A character that Windows-1252 cannot hold, and a byte that is
// not part of valid UTF-8, is written as "?".
std::string Utf8ZuCp1252(std::string_view utf8);

// Windows-1252 bytes to UTF-8. The few byte values that Windows-1252 leaves unassigned become "?".
std::string Cp1252ZuUtf8(std::string_view cp1252);
