#pragma once

#include "display/graph_mapping.h"
#include "model/profile.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

class QPainter;

// Drawing steps that both graphs share.

// The bands behind the marked sections, from the column of the section's start to that of its
// end, both included, over rows 0 to `hoehe` - 1, outlined in black `strich` pixels wide.
// Positions are the float32 sums of the sections' lengths; `breite` is the graph's width in
// pixels.
void BaenderZeichnen(QPainter& maler, const Profile& profil, int32_t breite, int32_t hoehe,
                     const QColor& farbe, int32_t strich = 1);

// Position in km of the gap before section `einfuegemarke` (clamped to 0 .. sections): the
// float32 sum of the lengths of the sections in front of it.
float EinfuegemarkenPosition(const Profile& gesamt, int32_t einfuegemarke);

// The first point of the profile, where the height line starts at the left edge; a profile
// without points yields a point at height 0 (no line is drawn from it then).
const ProfilePoint& ErsterPunkt(const Profile& profil);

// The smallest float32 position that StreckeZuX maps to column `spalte` >= 1 or further right,
// for a route length `strecke` > 0: +infinity when none does. Only positive positions reach such
// a column.
float SpaltenSchwelle(int32_t spalte, float strecke, int32_t breite);

// Walks every point in route order with one float32 running position over the whole profile.
// Calls punkt(point, x) for the first point that reaches a pixel column to the right of the
// last one drawn, and abschnittEnde(x) after each section with the column of its last point
// (that of the section before it, or 0, when a section has no points).
//
// On a route of positive length a position maps to a column that only grows with it, so a point
// needs its column only once its position reaches the first position of the next column: one
// comparison per point instead of a division, for the half million points of a long route.
template <class Punkt, class AbschnittEnde>
void SpaltenDurchlaufen(const Profile& profil, int32_t breite, Punkt&& punkt,
                        AbschnittEnde&& abschnittEnde) {
    const bool steigend = profil.Strecke > 0.0f && std::isfinite(profil.Strecke);
    float position = 0.0f;
    int32_t letzteSpalte = -1;
    // Until a point is drawn, every position is worth a look (a NaN one maps to column 0); after
    // that the drawn column is 0 or more.
    float schwelle = -std::numeric_limits<float>::infinity();
    int32_t x = 0;
    for (const ProfileSection& a : profil.Abschnitte) {
        const int32_t anzahl = std::clamp(a.Punktanzahl, 0, MaxPunkte);
        for (int32_t j = 0; j < anzahl; ++j) {
            position += a.Punkte[j].Abstand;
            if (steigend && position < schwelle) continue;
            x = StreckeZuX(position, profil.Strecke, breite);
            if (x > letzteSpalte) {
                punkt(a.Punkte[j], x);
                letzteSpalte = x;
                if (steigend) schwelle = SpaltenSchwelle(x + 1, profil.Strecke, breite);
            }
        }
        if (anzahl > 0) x = StreckeZuX(position, profil.Strecke, breite);
        abschnittEnde(x);
    }
}
