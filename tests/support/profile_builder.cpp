#include "support/profile_builder.h"

#include <stdexcept>

ProfileSection Abschnitt(const std::vector<int32_t>& hoehen, const std::vector<float>& abstaende,
                         const std::string& beschreibung) {
    if (hoehen.size() != abstaende.size() || hoehen.size() > MaxPunkte)
        throw std::invalid_argument("Abschnitt: heights and steps must pair up, at most 446");
    ProfileSection a;
    a.Punktanzahl = static_cast<int32_t>(hoehen.size());
    for (size_t i = 0; i < hoehen.size(); ++i) {
        a.Punkte[i].Hoehe = hoehen[i];
        a.Punkte[i].Abstand = abstaende[i];
    }
    BeschreibungSetzen(a, beschreibung);
    return a;
}

ProfileSection Abschnitt(const std::vector<int32_t>& hoehen, float abstand,
                         const std::string& beschreibung) {
    return Abschnitt(hoehen, std::vector<float>(hoehen.size(), abstand), beschreibung);
}

Profile ProfilAus(std::vector<ProfileSection> abschnitte) {
    Profile p;
    p.Abschnitte = std::move(abschnitte);
    return p;
}
