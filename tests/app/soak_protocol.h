#pragma once

// How the soak test and its child window describe a route and the window's state to each other,
// one line each way. A route is its sections separated by '|': a section is its description,
// '~', then its points "height,step,vertex" separated by ' ' (the step in km with three
// decimals, as the profile file keeps it). Descriptions hold none of "|~\t".

#include "model/profile.h"

#include <cstdio>
#include <string>

inline std::string PunktText(int32_t hoehe, float abstand, int stuetzpunkt) {
    char text[64];
    std::snprintf(text, sizeof text, "%d,%.3f,%d", hoehe, static_cast<double>(abstand),
                  stuetzpunkt);
    return text;
}

// `marken`: each section begins with '*' when it is marked, '-' when not.
inline std::string RoutenText(const Profile& p, bool marken = false) {
    std::string text;
    for (size_t i = 0; i < p.Abschnitte.size(); ++i) {
        const ProfileSection& a = p.Abschnitte[i];
        if (i > 0) text += '|';
        if (marken) text += a.Markiert ? '*' : '-';
        text += a.Beschreibung + '~';
        for (int32_t j = 0; j < a.Punktanzahl; ++j) {
            if (j > 0) text += ' ';
            text += PunktText(a.Punkte[j].Hoehe, a.Punkte[j].Abstand, a.Punkte[j].Stuetzpunkt);
        }
    }
    return text;
}

// The child's answer after each command: the fields of Bericht separated by tabs.
struct Bericht {
    int Index = 0;  // steps of the history done
    int Anzahl = 0; // steps of the history
    std::string Titel;
    std::string Glaettung; // the switch in the records, then the box: "00" or "11"
    int Boxen = 0;         // message boxes shown since the child started
    std::string Route;
    std::string Aktuell; // with marks
};
