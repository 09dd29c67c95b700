#include "display/graph_steps.h"

#include "display/pixel_drawing.h"

#include <bit>

void BaenderZeichnen(QPainter& maler, const Profile& profil, int32_t breite, int32_t hoehe,
                     const QColor& farbe, int32_t strich) {
    float anfang = 0.0f;
    for (const ProfileSection& a : profil.Abschnitte) {
        const float ende = anfang + a.Strecke;
        if (a.Markiert) {
            const int32_t x1 = StreckeZuX(anfang, profil.Strecke, breite);
            const int32_t x2 = StreckeZuX(ende, profil.Strecke, breite);
            // The band ends under the separator drawn in its end column, as wide as that line.
            Rechteck(maler, x1, 0, x2 + strich, hoehe, farbe, strich);
        }
        anfang = ende;
    }
}

float EinfuegemarkenPosition(const Profile& gesamt, int32_t einfuegemarke) {
    const int32_t vor = std::clamp(einfuegemarke, 0, gesamt.AnzahlAbschnitte());
    float position = 0.0f;
    for (int32_t i = 0; i < vor; ++i)
        position += gesamt.Abschnitte[i].Strecke;
    return position;
}

const ProfilePoint& ErsterPunkt(const Profile& profil) {
    static const ProfilePoint keiner;
    for (const ProfileSection& a : profil.Abschnitte)
        if (a.Punktanzahl > 0) return a.Punkte[0];
    return keiner;
}

float SpaltenSchwelle(int32_t spalte, float strecke, int32_t breite) {
    // Positive floats are ordered as their bit patterns: a binary search over those from +0 to
    // +infinity finds the first one that reaches the column.
    uint32_t unten = 0;
    uint32_t oben = std::bit_cast<uint32_t>(std::numeric_limits<float>::infinity());
    if (StreckeZuX(std::bit_cast<float>(oben), strecke, breite) < spalte)
        return std::bit_cast<float>(oben);
    while (unten < oben) {
        const uint32_t mitte = unten + (oben - unten) / 2;
        if (StreckeZuX(std::bit_cast<float>(mitte), strecke, breite) >= spalte)
            oben = mitte;
        else
            unten = mitte + 1;
    }
    return std::bit_cast<float>(unten);
}
