#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A section holds at most 446 points: one per graph column of the viewer's larger layout.
inline constexpr int32_t MaxPunkte = 446;
// The most sections a profile holds: ten times the largest real route (1,000 screenshots). Each
// section keeps its full 446-point record (about 11 kB), so the bound also caps what a profile
// file can make the program allocate: a file that declares more sections is refused unread.
inline constexpr int32_t MaxAbschnitte = 10000;
// Longest description a section keeps, in characters (not bytes: the text is UTF-8 in memory).
inline constexpr int32_t MaxBeschreibung = 500;

// Starting values of a maximum and a minimum that have not seen any height yet; valid heights lie
// strictly between them. Displays show an empty text for a value still at its sentinel.
inline constexpr int32_t HoeheMaxLeer = -9000;
inline constexpr int32_t HoeheMinLeer = 9000;

// One sample of a height profile. Hoehe, Abstand and Stuetzpunkt are the primary data; the
// other fields are derived by the statistics, smoothing and gradient passes.
struct ProfilePoint {
    int32_t Hoehe = 0;           // m, as read from the screenshot or the profile file
    int32_t HoeheGeglaettet = 0; // m, moving average over GlaettungMittelungUeber metres
    float Abstand = 0.0f;        // km, step from the previous point to this one
    float Strecke = 0.0f;        // km, position from the start of the whole profile
    uint8_t Stuetzpunkt = 0;     // 1 at a vertex of the viewer's cross-section
    float Steigung = 0.0f;       // percent, slope of the smoothed line
};

// A section's statistics of its heights as read, which a copy of the section carries with its
// points (AbschnittsdatenKopieren).
struct Abschnittswerte {
    float Strecke = 0.0f; // km, float32 sum of the points' Abstand in point order
    int32_t HoeheMax = 0;
    int32_t HoeheMin = 0;
    int32_t HoehenmeterPlus = 0;  // ascent within the section, m
    int32_t HoehenmeterMinus = 0; // descent within the section, m, positive
    bool operator==(const Abschnittswerte&) const = default;
};

// A section's statistics of its smoothed heights, which only the statistics pass writes.
struct AbschnittswerteGeglaettet {
    int32_t HoeheMaxGeglaettet = 0;
    int32_t HoeheMinGeglaettet = 0;
    int32_t HoehenmeterPlusGeglaettet = 0;
    int32_t HoehenmeterMinusGeglaettet = 0;
    bool operator==(const AbschnittswerteGeglaettet&) const = default;
};

// Everything the statistics pass writes into a section. A section's statistics are copied as
// these records, never field by field, so that a statistic added to one of them is carried by
// every copy.
struct Abschnittsstatistik : Abschnittswerte, AbschnittswerteGeglaettet {
    bool operator==(const Abschnittsstatistik&) const = default;
};

struct ProfileSection : Abschnittsstatistik {
    std::string Beschreibung; // UTF-8, at most MaxBeschreibung characters (see BeschreibungSetzen)
    int32_t Punktanzahl = 0;  // points in use, 0..MaxPunkte
    std::array<ProfilePoint, MaxPunkte> Punkte{};
    uint8_t Markiert = 0;
};

struct Profile {
    std::vector<ProfileSection> Abschnitte; // in route order

    int32_t Punktanzahl = 0;
    float Strecke = 0.0f; // km, float32 sum of the sections' Strecke in section order
    int32_t HoeheMax = 0;
    int32_t HoeheMin = 0;
    int32_t HoehenmeterPlus = 0;
    int32_t HoehenmeterMinus = 0;

    // Statistics of the marked sections; written each time the overall graph is drawn.
    float StreckeMarkiert = 0.0f;
    int32_t HoeheMaxMarkiert = 0;
    int32_t HoeheMinMarkiert = 0;
    int32_t HoehenmeterPlusMarkiert = 0;
    int32_t HoehenmeterMinusMarkiert = 0;

    bool GlaettungEinAus = false;
    int32_t GlaettungMittelungUeber = 0; // m, smoothing window
    int32_t HoeheMaxGeglaettet = 0;
    int32_t HoeheMinGeglaettet = 0;
    int32_t HoehenmeterPlusGeglaettet = 0;
    int32_t HoehenmeterMinusGeglaettet = 0;
    int32_t SteigungMax = 0;            // percent that fills the gradient strip
    int32_t SteigungMittelungUeber = 0; // m, gradient window

    int32_t Anker = 0; // section index where a Shift range marking starts

    int32_t AnzahlAbschnitte() const { return static_cast<int32_t>(Abschnitte.size()); }
};

// Adds an ascent or descent (m, both >= 0) to a sum held at INT32_MAX: a profile file may hold
// any 32-bit heights, whose steps and sums would overflow.
void HoehenmeterAddieren(int32_t& summe, int32_t wert);

// A profile without sections that keeps the settings of `vorbild` (smoothing and gradient
// parameters, Anker): what a load or an evaluation fills before it replaces `vorbild`.
Profile LeeresProfilWie(const Profile& vorbild);

// Empties the profile: no sections, and the totals and marked statistics 0 (not the sentinels:
// the statistics that follow a load put those back). Parameters and Anker stay.
void ProfilLeeren(Profile& profil);

// Statistics pass of the overall profile: every section statistic (plain and smoothed), every
// point's Strecke (one running position over all sections), and the profile's totals. Reads
// Hoehe, HoeheGeglaettet and Abstand; leaves marks, parameters and marked statistics alone.
void Statistik(Profile& profil);

// The statistics pass in two steps, for a chain that has set the point positions already: the
// plain and smoothed statistics of one section (no position written), and the profile's totals
// from those of its sections.
void AbschnittStatistikGeglaettet(ProfileSection& abschnitt);
void StatistikSummen(Profile& profil);

// The same rules restricted to Hoehe, for the current profile: section Strecke, HoeheMax,
// HoeheMin, ascent and descent, and the profile's totals. Point positions are not written.
void StatistikUngeglaettet(Profile& profil);

// The first MaxBeschreibung characters (UTF-8 code points) of `text`: what a description keeps.
std::string_view BeschreibungGekuerzt(std::string_view text);

// Stores a description, cut to MaxBeschreibung characters.
void BeschreibungSetzen(ProfileSection& abschnitt, std::string_view text);

// White space as the C locale's isspace sees it: blank, tab, line feed, carriage return,
// vertical tab and form feed. Separates the numbers of a profile file.
constexpr bool Leerraum(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// A description that holds nothing but white space counts as none: the profile file writes a
// placeholder for it.
bool BeschreibungLeer(std::string_view text);
