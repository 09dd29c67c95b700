#pragma once

#include <cstdint>
#include <string>

// The route view's own options, kept in the settings file's section [Routenprofil].

// What the chart draws besides the height line and the section boundaries.
struct RoutenDarstellung {
    bool RoheLinie = true;       // the plain line faintly behind the smoothed one
    bool Steigungsfarben = true; // the fill below the line in gradient classes (else one colour)
    bool Abschnittsnamen = true; // section numbers and descriptions at the top
    bool SteigungBetrag = false; // gradient classes by steepness alone, descents as ascents
    bool operator==(const RoutenDarstellung&) const = default;
};

// Bounds of a picture's width and height in pixels: room for the axes, the header and the
// legend, and a picture that still fits in memory.
inline constexpr int32_t BildSeiteMin = 200;
inline constexpr int32_t BildSeiteMax = 10000;

// What "Als Bild speichern…" writes: the view as shown or the whole route, at the size of the
// chart on screen or at Breite x Hoehe pixels.
struct RoutenBildOptionen {
    bool GanzeRoute = false;
    bool Fenstergroesse = true;
    int32_t Breite = 1600; // px
    int32_t Hoehe = 600;   // px
    bool operator==(const RoutenBildOptionen&) const = default;
};

struct RoutenprofilEinstellungen {
    // The window's place and size in screen pixels; a width of 0 means never placed, and the
    // window then opens at its default size beside the main window.
    int32_t Links = 0;
    int32_t Oben = 0;
    int32_t Breite = 0;
    int32_t Hoehe = 0;
    bool Maximiert = false;
    RoutenDarstellung Darstellung;
    RoutenBildOptionen Bild;
    std::string Verzeichnis; // start folder of the picture's save dialog
};
