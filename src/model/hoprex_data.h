#pragma once

#include "model/profile.h"
#include "model/route_view_settings.h"

#include <cstdint>
#include <string>
#include <utility>

// The nine options of the text export, with the defaults of a missing settings file.
struct TExportOptions {
    bool Header = false;
    bool Abschnitte = false;
    bool Stuetzpunkte = false;
    bool PunkteReduzieren = false;
    int32_t MeterProPunkt = 1; // m between exported points when reducing
    bool StreckeInKm = true;
    bool StreckeRelativ = false;
    bool Glaettung = false;
    bool TrennzeichenPunkt = false;
};

// The step (m) at which a track read in is resampled, unless the settings say otherwise, and
// the bounds a setting is held to.
inline constexpr int32_t SpurAbstandVorgabe = 25;
inline constexpr int32_t SpurAbstandMin = 1;
inline constexpr int32_t SpurAbstandMax = 1000;
// Where and how fast the exported tracks run: a profile has neither coordinates nor times. The
// track follows a geodesic from the start point; the defaults are those of a missing settings
// file.
struct TStreckenOptionen {
    double StartBreite = 47.0;  // degrees north, -90 .. 90
    double StartLaenge = 11.0;  // degrees east, -180 .. 180
    double Richtung = 90.0;     // degrees clockwise from north, 0 .. 360
    double Tempo = 20.0;        // km/h: the times of the course files
    int32_t SegmentMeter = 100; // m: the segments of the trainer's slope course
};

// Everything the main window owns for the whole run, apart from the controls and the
// screenshot evaluation's work record. The settings fields of smoothing and gradient live in
// the overall profile (GlaettungEinAus, GlaettungMittelungUeber, SteigungMax,
// SteigungMittelungUeber).
struct HoprexDaten {
    Profile Aktuell;           // upper half: the profile of the last screenshot or file
    Profile Gesamt;            // lower half: the assembled route
    int32_t Einfuegemarke = 0; // gap before which transfers insert, 0..Gesamt sections

    bool SkalFixEin = false; // fixed height scale for both graphs
    int32_t SkalFixMax = 0;  // m
    int32_t SkalFixMin = 0;  // m

    TExportOptions ExportOptions;
    int32_t SpurAbstand = SpurAbstandVorgabe; // m between the points of a track read in
    TStreckenOptionen StreckenOptionen;

    std::string VerzeichnisLaden;     // start folder of the open dialogs
    std::string VerzeichnisSchreiben; // start folder of the save dialog
    std::string VerzeichnisExport;    // start folder of the export dialog
    std::string Dateiname;   // last profile file loaded into the overall profile, without ".hpx"
    std::string GesamtDatei; // the route's profile file (full path) since it was saved or loaded
    bool GesamtGeaendert = false; // the route changed since it was last saved or loaded

    RoutenprofilEinstellungen Routenprofil; // the route view's place, size and options
};

// What a load into the overall profile replaces, and an undo of the load puts back: the route,
// the insertion mark in it, and the route's file with its saved state.
struct Routendaten {
    Profile Gesamt;
    int32_t Einfuegemarke = 0;
    std::string Dateiname;
    std::string GesamtDatei;
    bool GesamtGeaendert = false;
};

// Exchanges the route of `daten` with `route`; no section is copied. The smoothing switch and
// the gradient strip's scale are the user's settings, not part of a route: they stay, so that
// an undone load does not turn them back to what they were when the file was loaded.
inline void RouteTauschen(HoprexDaten& daten, Routendaten& route) {
    std::swap(daten.Gesamt, route.Gesamt);
    std::swap(daten.Gesamt.GlaettungEinAus, route.Gesamt.GlaettungEinAus);
    std::swap(daten.Gesamt.SteigungMax, route.Gesamt.SteigungMax);
    std::swap(daten.Einfuegemarke, route.Einfuegemarke);
    std::swap(daten.Dateiname, route.Dateiname);
    std::swap(daten.GesamtDatei, route.GesamtDatei);
    std::swap(daten.GesamtGeaendert, route.GesamtGeaendert);
}
