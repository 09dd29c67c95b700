#include "editing/describing.h"

bool BeschreibungSpeichern(Profile& gesamt, int32_t abschnitt, std::string_view text) {
    if (abschnitt < 0 || abschnitt >= gesamt.AnzahlAbschnitte()) return false;
    BeschreibungSetzen(gesamt.Abschnitte[abschnitt], text);
    return true;
}

bool BeschreibungAendertSich(const Profile& gesamt, int32_t abschnitt, std::string_view text) {
    if (abschnitt < 0 || abschnitt >= gesamt.AnzahlAbschnitte()) return false;
    return gesamt.Abschnitte[abschnitt].Beschreibung != BeschreibungGekuerzt(text);
}
