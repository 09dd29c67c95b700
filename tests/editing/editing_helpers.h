#pragma once

#include "model/profile.h"
#include "support/profile_builder.h"

#include <string>

// Sections named by one letter in their description; heights 100, 110, ... tell the points
// apart so a reversed section can be recognised.
inline Profile Strecke(const std::string& namen, const std::string& marken = {}) {
    Profile p;
    for (size_t i = 0; i < namen.size(); ++i) {
        p.Abschnitte.push_back(
            Abschnitt({100, 110, 130}, {0.0f, 0.05f, 0.03f}, std::string(1, namen[i])));
        p.Abschnitte.back().Markiert = i < marken.size() && marken[i] == '1';
    }
    return p;
}

// The section names in order, a reversed section with a trailing "'".
inline std::string Namen(const Profile& p) {
    std::string s;
    for (const ProfileSection& a : p.Abschnitte) {
        s += a.Beschreibung;
        if (a.Punktanzahl > 1 && a.Punkte[0].Hoehe > a.Punkte[1].Hoehe) s += '\'';
    }
    return s;
}

inline std::string Marken(const Profile& p) {
    std::string s;
    for (const ProfileSection& a : p.Abschnitte)
        s += a.Markiert ? '1' : '0';
    return s;
}
