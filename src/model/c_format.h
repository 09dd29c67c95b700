#pragma once

#include <string>

// printf formatting in the "C" locale, whatever locale the process runs in: the file formats
// need "." as decimal point, while a Qt application takes the user's locale (a German one
// would write "0,052"). Same format strings and arguments as snprintf.
std::string Formatieren(const char* format, ...) __attribute__((format(printf, 1, 2)));
