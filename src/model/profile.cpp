#include "model/profile.h"

#include <algorithm>
#include <cstdint>

Profile LeeresProfilWie(const Profile& vorbild) {
    Profile p;
    p.GlaettungEinAus = vorbild.GlaettungEinAus;
    p.GlaettungMittelungUeber = vorbild.GlaettungMittelungUeber;
    p.SteigungMax = vorbild.SteigungMax;
    p.SteigungMittelungUeber = vorbild.SteigungMittelungUeber;
    p.Anker = vorbild.Anker;
    return p;
}

void ProfilLeeren(Profile& profil) {
    profil.Abschnitte.clear();
    profil.Abschnitte.shrink_to_fit();
    profil.Punktanzahl = 0;
    profil.Strecke = 0.0f;
    profil.HoeheMax = 0;
    profil.HoeheMin = 0;
    profil.HoehenmeterPlus = 0;
    profil.HoehenmeterMinus = 0;
    profil.StreckeMarkiert = 0.0f;
    profil.HoeheMaxMarkiert = 0;
    profil.HoeheMinMarkiert = 0;
    profil.HoehenmeterPlusMarkiert = 0;
    profil.HoehenmeterMinusMarkiert = 0;
}

void HoehenmeterAddieren(int32_t& summe, int32_t wert) {
    summe = static_cast<int32_t>(std::min<int64_t>(int64_t{summe} + wert, INT32_MAX));
}

namespace {

// Ascent and descent of a section, held at INT32_MAX. One sum per point does for both: ascent
// plus descent is the sum of the step magnitudes, ascent minus descent is the last height minus
// the first. 64 bits: a profile file may hold any 32-bit heights, and 446 steps of at most
// 2^32 m cannot overflow. Holding the total once equals holding it after every step, as the
// sums only grow. No branch on the sign of a step: between noisy heights that is a coin toss
// for the processor, and this runs for every point twice per statistics pass.
struct Hoehenmeter {
    int64_t betraege = 0; // m, sum of the magnitudes of the steps
    int32_t erste = 0;
    int32_t letzte = 0;

    void Schritt(int32_t vorher, int32_t jetzt) {
        const int64_t d = int64_t{jetzt} - vorher;
        betraege += d < 0 ? -d : d;
    }
    int32_t Plus() const { return Gehalten((betraege + Netto()) / 2); }
    int32_t Minus() const { return Gehalten((betraege - Netto()) / 2); }

private:
    int64_t Netto() const { return int64_t{letzte} - erste; }
    static int32_t Gehalten(int64_t summe) {
        return static_cast<int32_t>(std::min<int64_t>(summe, INT32_MAX));
    }
};

// Section statistics over Hoehe; with `geglaettet` also over HoeheGeglaettet, and with
// `positionen` the running position, which continues from section to section. The sums run in
// locals, not in the records: the stores into each point's Strecke would otherwise make the
// compiler reload every running value, and this pass runs twice after each click of a window-length
// spin button.
template <bool geglaettet, bool positionen = geglaettet>
void AbschnittStatistik(ProfileSection& a, float& laufend) {
    int32_t max = HoeheMaxLeer, min = HoeheMinLeer, maxG = HoeheMaxLeer, minG = HoeheMinLeer;
    Hoehenmeter hm, hmG;
    float strecke = 0.0f;
    float position = laufend;
    for (int32_t j = 0; j < a.Punktanzahl; ++j) {
        ProfilePoint& p = a.Punkte[j];
        max = std::max(max, p.Hoehe);
        min = std::min(min, p.Hoehe);
        if (j > 0) hm.Schritt(a.Punkte[j - 1].Hoehe, p.Hoehe);
        // Both sums stay float32, rounded after every addition, so that lengths and positions
        // come out the same on every machine and match what the profile file reproduces.
        strecke += p.Abstand;
        if constexpr (geglaettet) {
            maxG = std::max(maxG, p.HoeheGeglaettet);
            minG = std::min(minG, p.HoeheGeglaettet);
            if (j > 0) hmG.Schritt(a.Punkte[j - 1].HoeheGeglaettet, p.HoeheGeglaettet);
        }
        if constexpr (positionen) {
            position += p.Abstand;
            p.Strecke = position;
        }
    }
    if (a.Punktanzahl > 0) {
        const ProfilePoint& erster = a.Punkte[0];
        const ProfilePoint& letzter = a.Punkte[a.Punktanzahl - 1];
        hm.erste = erster.Hoehe;
        hm.letzte = letzter.Hoehe;
        hmG.erste = erster.HoeheGeglaettet;
        hmG.letzte = letzter.HoeheGeglaettet;
    }
    a.HoeheMax = max;
    a.HoeheMin = min;
    a.Strecke = strecke;
    a.HoehenmeterPlus = hm.Plus();
    a.HoehenmeterMinus = hm.Minus();
    if constexpr (geglaettet) {
        a.HoeheMaxGeglaettet = maxG;
        a.HoeheMinGeglaettet = minG;
        a.HoehenmeterPlusGeglaettet = hmG.Plus();
        a.HoehenmeterMinusGeglaettet = hmG.Minus();
    }
    if constexpr (positionen) laufend = position;
}

void Summen(Profile& profil, bool geglaettet) {
    profil.HoeheMin = HoeheMinLeer;
    profil.HoeheMax = HoeheMaxLeer;
    profil.Punktanzahl = 0;
    profil.Strecke = 0.0f;
    profil.HoehenmeterPlus = 0;
    profil.HoehenmeterMinus = 0;
    if (geglaettet) {
        profil.HoeheMinGeglaettet = HoeheMinLeer;
        profil.HoeheMaxGeglaettet = HoeheMaxLeer;
        profil.HoehenmeterPlusGeglaettet = 0;
        profil.HoehenmeterMinusGeglaettet = 0;
    }
    for (const ProfileSection& a : profil.Abschnitte) {
        profil.Strecke += a.Strecke;
        HoehenmeterAddieren(profil.HoehenmeterPlus, a.HoehenmeterPlus);
        HoehenmeterAddieren(profil.HoehenmeterMinus, a.HoehenmeterMinus);
        profil.Punktanzahl += a.Punktanzahl;
        profil.HoeheMax = std::max(profil.HoeheMax, a.HoeheMax);
        profil.HoeheMin = std::min(profil.HoeheMin, a.HoeheMin);
        if (!geglaettet) continue;
        HoehenmeterAddieren(profil.HoehenmeterPlusGeglaettet, a.HoehenmeterPlusGeglaettet);
        HoehenmeterAddieren(profil.HoehenmeterMinusGeglaettet, a.HoehenmeterMinusGeglaettet);
        profil.HoeheMaxGeglaettet = std::max(profil.HoeheMaxGeglaettet, a.HoeheMaxGeglaettet);
        profil.HoeheMinGeglaettet = std::min(profil.HoeheMinGeglaettet, a.HoeheMinGeglaettet);
    }
}

} // namespace

void Statistik(Profile& profil) {
    float position = 0.0f;
    for (ProfileSection& a : profil.Abschnitte)
        AbschnittStatistik<true>(a, position);
    Summen(profil, true);
}

void AbschnittStatistikGeglaettet(ProfileSection& abschnitt) {
    float ohne = 0.0f;
    AbschnittStatistik<true, false>(abschnitt, ohne);
}

void StatistikSummen(Profile& profil) {
    Summen(profil, true);
}

void StatistikUngeglaettet(Profile& profil) {
    float position = 0.0f;
    for (ProfileSection& a : profil.Abschnitte)
        AbschnittStatistik<false>(a, position);
    Summen(profil, false);
}

std::string_view BeschreibungGekuerzt(std::string_view text) {
    size_t ende = 0;
    int32_t zeichen = 0;
    while (ende < text.size() && zeichen < MaxBeschreibung) {
        ++ende;
        // Continuation bytes of a UTF-8 sequence belong to the character before them.
        while (ende < text.size() && (static_cast<unsigned char>(text[ende]) & 0xC0) == 0x80)
            ++ende;
        ++zeichen;
    }
    return text.substr(0, ende);
}

void BeschreibungSetzen(ProfileSection& abschnitt, std::string_view text) {
    abschnitt.Beschreibung.assign(BeschreibungGekuerzt(text));
}

bool BeschreibungLeer(std::string_view text) {
    return std::all_of(text.begin(), text.end(), Leerraum);
}
