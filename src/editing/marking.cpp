#include "editing/marking.h"

void MarkierungAusAuswahl(Profile& gesamt, const std::vector<bool>& ausgewaehlt) {
    for (size_t i = 0; i < gesamt.Abschnitte.size(); ++i)
        gesamt.Abschnitte[i].Markiert = i < ausgewaehlt.size() && ausgewaehlt[i];
}
