#include "display/value_texts.h"

#include "model/c_format.h"

namespace {

std::string Strecke(float km) {
    return Formatieren("%3.2f", static_cast<double>(km));
}
std::string Hoehe(int32_t m) {
    return Formatieren("%d", m);
}
std::string Hoehenmeter(int32_t m) {
    return Formatieren("%ld", static_cast<long>(m));
}

// A row that leaves a field empty where it has nothing to show: no ascent or descent, or a
// height still at its sentinel.
WerteTexte ZeileOhneLeerwerte(float strecke, int32_t min, int32_t max, int32_t plus,
                              int32_t minus) {
    WerteTexte t;
    t.Strecke = Strecke(strecke);
    if (min != HoeheMinLeer) t.HoeheMin = Hoehe(min);
    if (max != HoeheMaxLeer) t.HoeheMax = Hoehe(max);
    if (plus != 0) t.HoehenmeterPlus = Hoehenmeter(plus);
    if (minus != 0) t.HoehenmeterMinus = Hoehenmeter(minus);
    return t;
}

} // namespace

WerteTexte WerteAktuell(const Profile& aktuell) {
    return {Strecke(aktuell.Strecke), Hoehe(aktuell.HoeheMin), Hoehe(aktuell.HoeheMax),
            Hoehenmeter(aktuell.HoehenmeterPlus), Hoehenmeter(aktuell.HoehenmeterMinus)};
}

WerteTexte WerteGesamt(const Profile& g) {
    if (g.GlaettungEinAus)
        return ZeileOhneLeerwerte(g.Strecke, g.HoeheMinGeglaettet, g.HoeheMaxGeglaettet,
                                  g.HoehenmeterPlusGeglaettet, g.HoehenmeterMinusGeglaettet);
    return ZeileOhneLeerwerte(g.Strecke, g.HoeheMin, g.HoeheMax, g.HoehenmeterPlus,
                              g.HoehenmeterMinus);
}

WerteTexte WerteMarkiert(const Profile& g) {
    return ZeileOhneLeerwerte(g.StreckeMarkiert, g.HoeheMinMarkiert, g.HoeheMaxMarkiert,
                              g.HoehenmeterPlusMarkiert, g.HoehenmeterMinusMarkiert);
}
