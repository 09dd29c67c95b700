#include "display/list_lines.h"

#include "model/c_format.h"

std::string ListenZeile(int32_t nummer, float strecke, int32_t hoeheMin, int32_t hoeheMax,
                        int32_t hoehenmeterPlus, int32_t hoehenmeterMinus,
                        const std::string& beschreibung) {
    // "%2d  %6.2f  %4d  %4d  %5ld  %5ld  %s", the very bytes of Formatieren without its locale
    // switch: a route of a thousand sections refreshes a thousand lines after every edit.
    std::string zeile;
    CText(zeile)
        .Ganzzahl(nummer, 2)
        .Text("  ")
        .Festkomma(strecke, 6, 2)
        .Text("  ")
        .Ganzzahl(hoeheMin, 4)
        .Text("  ")
        .Ganzzahl(hoeheMax, 4)
        .Text("  ")
        .Ganzzahl(hoehenmeterPlus, 5)
        .Text("  ")
        .Ganzzahl(hoehenmeterMinus, 5)
        .Text("  ")
        .Text(beschreibung.c_str()); // up to a zero byte, as %s reads it
    return zeile;
}

std::vector<std::string> ListenZeilenAktuell(const Profile& aktuell) {
    std::vector<std::string> zeilen;
    zeilen.reserve(aktuell.Abschnitte.size());
    for (const ProfileSection& a : aktuell.Abschnitte)
        zeilen.push_back(ListenZeile(static_cast<int32_t>(zeilen.size()) + 1, a.Strecke, a.HoeheMin,
                                     a.HoeheMax, a.HoehenmeterPlus, a.HoehenmeterMinus,
                                     a.Beschreibung));
    return zeilen;
}

std::vector<std::string> ListenZeilenGesamt(const Profile& gesamt) {
    if (!gesamt.GlaettungEinAus) return ListenZeilenAktuell(gesamt);
    std::vector<std::string> zeilen;
    zeilen.reserve(gesamt.Abschnitte.size());
    for (const ProfileSection& a : gesamt.Abschnitte)
        zeilen.push_back(ListenZeile(static_cast<int32_t>(zeilen.size()) + 1, a.Strecke,
                                     a.HoeheMinGeglaettet, a.HoeheMaxGeglaettet,
                                     a.HoehenmeterPlusGeglaettet, a.HoehenmeterMinusGeglaettet,
                                     a.Beschreibung));
    return zeilen;
}
