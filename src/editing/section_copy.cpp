#include "editing/section_copy.h"

void AbschnittsdatenKopieren(const ProfileSection& quelle, ProfileSection& ziel) {
    ziel.Punktanzahl = quelle.Punktanzahl;
    ziel.Beschreibung = quelle.Beschreibung;
    static_cast<Abschnittswerte&>(ziel) = quelle;
    // Only the points in use: a section record holds 446 point slots, most routes far fewer.
    for (int32_t j = 0; j < quelle.Punktanzahl; ++j) {
        ziel.Punkte[j].Hoehe = quelle.Punkte[j].Hoehe;
        ziel.Punkte[j].Abstand = quelle.Punkte[j].Abstand;
        ziel.Punkte[j].Stuetzpunkt = quelle.Punkte[j].Stuetzpunkt;
    }
}

void AbschnittKopieren(Profile& profil, int32_t von, int32_t nach) {
    // Onto itself (von == nach) the copy changes nothing, so it needs no branch of its own.
    AbschnittsdatenKopieren(profil.Abschnitte[von], profil.Abschnitte[nach]);
    profil.Abschnitte[nach].Markiert = 0;
}
