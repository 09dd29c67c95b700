#pragma once

#include "model/profile.h"

#include <cstdint>
#include <optional>
#include <vector>

// The climbs of a route: where it goes up, how long and steep, and how hard, in the categories
// cyclists know from route planners.

// Hardness by score (length in m times mean gradient in %): "4" above 8,000, "3" above 16,000,
// "2" above 32,000, "1" above 64,000, "HC" above 80,000; Keine at 8,000 or less (not listed).
enum class AnstiegsKategorie { Keine, Vier, Drei, Zwei, Eins, HC };

// "4", "3", "2", "1", "HC"; "" for Keine.
const char* KategorieText(AnstiegsKategorie kategorie);
AnstiegsKategorie KategorieFuer(double wertung);

// A climb: from a low point to a high point of the route's heights, both points themselves.
struct Anstieg {
    float Von = 0.0f;         // km, position of the low point
    float Bis = 0.0f;         // km, of the high point
    double Laenge = 0.0;      // km, Bis - Von
    int32_t HoeheAnfang = 0;  // m
    int32_t HoeheGipfel = 0;  // m
    int32_t Hoehenmeter = 0;  // m, HoeheGipfel - HoeheAnfang
    double Steigung = 0.0;    // %, mean gradient
    double MaxSteigung = 0.0; // %, steepest over any 100 m of it
    double Wertung = 0.0;     // length in m times mean gradient in %
    AnstiegsKategorie Kategorie = AnstiegsKategorie::Keine;
    double Fiets = 0.0; // FIETS index
};

// The thresholds of a climb.
inline constexpr double AnstiegMindestSteigung = 3.0; // %, mean
inline constexpr double AnstiegMindestLaenge = 0.3;   // km
inline constexpr int32_t DelleMaxVerlust = 10;        // m, a dip must lose less to keep a climb
inline constexpr int32_t DelleAnteil = 5;             // ... and less than 1/5 of the gain so far
inline constexpr double SteilsteStrecke = 0.1;        // km, the window of the steepest gradient

// The listed climbs of the overall profile in route order, over the smoothed heights with
// `geglaettet`, else the plain ones, with the points' positions of the statistics pass. The
// route is one line across section borders. A climb runs from a low point to the following high
// point; a dip on the way ends it only when it loses 10 m or more, or a fifth or more of the
// height gained so far. A climb whose mean gradient stays below 3 % over its whole length keeps
// the longest part that reaches 3 %, from a later low point up to its top or from its foot up
// to an earlier high point, whichever gains more, and the rest of it is searched the same way
// (a long level piece between two climbs keeps them two). A climb is at least 0.3 km long and
// is listed when its score exceeds 8,000. Costs a few steps per point.
std::vector<Anstieg> AnstiegeFinden(const Profile& profil, bool geglaettet);

// The steepest gradient over SteilsteStrecke of a run of points given in route order: for each
// point the gradient to the first later point at least 100 m on (in %). None while no two
// points lie 100 m apart. Holds the points of the last 100 m.
class SteilsteSteigung {
public:
    void Punkt(float km, int32_t hoehe);
    std::optional<double> Ergebnis() const { return steilste_; }

private:
    struct Offen {
        float km;
        int32_t hoehe;
    };
    // The points still waiting for their partner 100 m on: offen_[erster_] onwards. A vector
    // with its own front: a deque's blocks cost more than the walk itself.
    std::vector<Offen> offen_;
    size_t erster_ = 0;
    std::optional<double> steilste_;
};

// Where one section ends and the next begins far apart in height (two screenshots that do not
// meet): the climbs and the smoothing run on across such a join, so it shows why a climb looks
// larger than the sections.
inline constexpr int32_t SprungSchwelle = 50; // m, more than this is a join that does not fit

struct Hoehensprung {
    int32_t Abschnitt = 0; // index of the section that begins there
    float Km = 0.0f;       // position of the first point of that section
    int32_t Differenz = 0; // m, its plain height minus that of the last point before it
};

// The joins whose plain heights differ by more than SprungSchwelle, in route order. Empty
// sections are passed over.
std::vector<Hoehensprung> HoehenspruengeFinden(const Profile& profil);

// The joins of `spruenge` (in route order) that lie within the climb: after its low point, up
// to its top.
std::vector<Hoehensprung> SpruengeIn(const std::vector<Hoehensprung>& spruenge,
                                     const Anstieg& anstieg);
