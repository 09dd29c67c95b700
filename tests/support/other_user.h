#pragma once

#include <functional>
#include <optional>
#include <string>

// Tests of files the user may not write need a user without root's rights, which root ignores.
// As root the check runs in a forked child that has become "nobody"; as any other user it runs
// in the test itself, as that user.

// Gives the file or folder at `pfad` to the user the checks run as (as root: nobody and its
// group; otherwise nothing changes, the test's user owns it already).
void DemBenutzerGeben(const std::string& pfad);

// Runs `pruefen` as that user and returns the text it returns: what it found, for the test to
// compare. A check that dies returns a text that says so. std::nullopt when root cannot become
// nobody here; the test then skips.
std::optional<std::string> AlsGewoehnlicherBenutzer(const std::function<std::string()>& pruefen);
