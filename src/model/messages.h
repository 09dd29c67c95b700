#pragma once

#include <string>

// Where the program's own message boxes go: the window shows them with a single OK button,
// the command-line tool prints them, tests record them.
class Meldungen {
public:
    virtual ~Meldungen() = default;
    virtual void Meldung(const std::string& titel, const std::string& text) = 0;
};
