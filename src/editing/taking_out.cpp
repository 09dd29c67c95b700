#include "editing/taking_out.h"

#include <utility>

void AbschnitteEntfernen(Profile& profil, int32_t von, int32_t anzahl) {
    const auto anfang = profil.Abschnitte.begin() + von;
    profil.Abschnitte.erase(anfang, anfang + anzahl);
}

void AbschnitteZuruecklegen(Profile& profil, std::vector<EntnommenerAbschnitt>& entnommen) {
    std::vector<ProfileSection>& a = profil.Abschnitte;
    size_t quelle = a.size();
    size_t k = entnommen.size();
    a.resize(a.size() + k);
    // From the end down, every slot takes either the last section not yet placed or the
    // taken-out section that belongs there; the sections before the first of these stay put.
    for (size_t ziel = a.size(); k > 0;) {
        --ziel;
        if (static_cast<size_t>(entnommen[k - 1].Stelle) == ziel)
            a[ziel] = std::move(entnommen[--k].Abschnitt);
        else
            a[ziel] = std::move(a[--quelle]);
    }
    entnommen.clear();
}
