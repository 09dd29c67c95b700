#include "editing/marking.h"

#include <algorithm>

void MarkierungAusAuswahl(Profile& profil, const std::vector<bool>& ausgewaehlt) {
    for (size_t i = 0; i < profil.Abschnitte.size(); ++i)
        profil.Abschnitte[i].Markiert = i < ausgewaehlt.size() && ausgewaehlt[i];
}

namespace {

void AlleLoeschen(Profile& profil) {
    for (ProfileSection& a : profil.Abschnitte)
        a.Markiert = 0;
}

// Marks the sections from Anker to `bis`, both included, as far as they exist; clears all others.
void BereichMarkieren(Profile& profil, int32_t bis) {
    AlleLoeschen(profil);
    const int32_t von = std::max(std::min(profil.Anker, bis), 0);
    const int32_t ende = std::min(std::max(profil.Anker, bis), profil.AnzahlAbschnitte() - 1);
    for (int32_t i = von; i <= ende; ++i)
        profil.Abschnitte[i].Markiert = 1;
}

} // namespace

bool MarkierenMausDruck(Profile& profil, int32_t i, bool shift, bool strg) {
    if (i < 0 || i >= profil.AnzahlAbschnitte()) return false;
    ProfileSection& a = profil.Abschnitte[i];
    if (strg) {
        a.Markiert = a.Markiert ? 0 : 1;
        profil.Anker = i;
    } else if (shift) {
        BereichMarkieren(profil, i);
    } else {
        AlleLoeschen(profil);
        a.Markiert = 1;
        profil.Anker = i;
    }
    return true;
}

bool MarkierenMausZug(Profile& profil, int32_t i, int32_t& letzterAbschnitt) {
    if (i < 0 || i >= profil.AnzahlAbschnitte() || i == letzterAbschnitt) return false;
    BereichMarkieren(profil, i);
    letzterAbschnitt = i;
    return true;
}

std::vector<bool> ListenAuswahl(const Profile& profil) {
    std::vector<bool> auswahl;
    auswahl.reserve(profil.Abschnitte.size());
    for (const ProfileSection& a : profil.Abschnitte)
        auswahl.push_back(a.Markiert != 0);
    return auswahl;
}

bool MarkierteVorhanden(const Profile& profil) {
    return std::any_of(profil.Abschnitte.begin(), profil.Abschnitte.end(),
                       [](const ProfileSection& a) { return a.Markiert != 0; });
}

Markierungsstand MarkierungsstandLesen(const HoprexDaten& daten) {
    return {ListenAuswahl(daten.Gesamt), daten.Gesamt.Anker, daten.Einfuegemarke};
}

void MarkierungsstandSetzen(HoprexDaten& daten, const Markierungsstand& stand) {
    MarkierungAusAuswahl(daten.Gesamt, stand.Markiert);
    daten.Gesamt.Anker = stand.Anker;
    daten.Einfuegemarke = stand.Einfuegemarke;
}
