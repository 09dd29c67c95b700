#include "display/graph_steps.h"

#include "display/pixel_drawing.h"

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
