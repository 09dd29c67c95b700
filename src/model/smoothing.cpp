#include "model/smoothing.h"

#include "model/integer_text.h"
#include "model/smoothing_reference.h"
#include "model/smoothing_window.h"

#include <vector>

namespace {

// Finds a point by its index in route order over all sections; cheap when the index moves
// little from one call to the next, as the ends of neighbouring windows do.
class Punktsuche {
public:
    explicit Punktsuche(const Profile& profil) : profil_(profil) {}

    const ProfilePoint& operator()(int64_t index) {
        while (index >= erster_ + profil_.Abschnitte[abschnitt_].Punktanzahl)
            erster_ += profil_.Abschnitte[abschnitt_++].Punktanzahl;
        while (index < erster_)
            erster_ -= profil_.Abschnitte[--abschnitt_].Punktanzahl;
        return profil_.Abschnitte[abschnitt_].Punkte[index - erster_];
    }

private:
    const Profile& profil_;
    size_t abschnitt_ = 0;
    int64_t erster_ = 0; // index of the first point of section abschnitt_
};

// Integer mean truncated toward zero, as the 64-bit division gives it, through a double
// division, which costs a fraction of it. Exact for |summe| < 2^53: a mean that is not whole
// lies at least 1/anzahl from the next whole number, and the quotient's rounding error,
// |summe| / anzahl * 2^-53, stays below that, so truncation lands on the same number.
int32_t Mittelwert(int64_t summe, int64_t anzahl) {
    constexpr int64_t grenze = int64_t{1} << 53;
    if (summe >= grenze || summe <= -grenze) return static_cast<int32_t>(summe / anzahl);
    return static_cast<int32_t>(static_cast<double>(summe) / static_cast<double>(anzahl));
}

// The mean over a window is a difference of prefix sums of Hoehe: one step per point however
// long the window. A window that cannot be found exactly from whole metres is walked.
void Glaetten(Profile& profil, const Wegsummen& wege, int32_t L) {
    // 64 bits: a long flat route at 8000 m sums beyond 2^31 within one window.
    std::vector<int64_t> hoehen(static_cast<size_t>(wege.Punkte()) + 1);
    size_t i = 0;
    for (const ProfileSection& a : profil.Abschnitte) {
        for (int32_t j = 0; j < a.Punktanzahl; ++j, ++i)
            hoehen[i + 1] = hoehen[i] + a.Punkte[j].Hoehe;
    }

    Fensterlauf lauf(wege, L);
    for (int32_t s = 0; s < profil.AnzahlAbschnitte(); ++s) {
        ProfileSection& a = profil.Abschnitte[s];
        for (int32_t j = 0; j < a.Punktanzahl; ++j) {
            const Fenster f = lauf.Naechstes();
            a.Punkte[j].HoeheGeglaettet =
                f.genau ? Mittelwert(hoehen[f.ende + 1] - hoehen[f.anfang], f.ende - f.anfang + 1)
                        : GeglaetteteHoeheReferenz(profil, s, j, L);
        }
    }
}

void Steigungen(Profile& profil, const Wegsummen& wege, int32_t G) {
    Fensterlauf lauf(wege, G);
    Punktsuche anfang(profil);
    Punktsuche ende(profil);
    for (int32_t s = 0; s < profil.AnzahlAbschnitte(); ++s) {
        ProfileSection& a = profil.Abschnitte[s];
        for (int32_t j = 0; j < a.Punktanzahl; ++j) {
            const Fenster f = lauf.Naechstes();
            a.Punkte[j].Steigung = f.genau ? SteigungZwischen(anfang(f.anfang), ende(f.ende))
                                           : SteigungReferenz(profil, s, j, G);
        }
    }
}

// The smoothing proper, with the statistics pass that supplies the positions the gradient
// needs. The steps it sums up serve the gradient pass as well: neither pass changes Abstand.
Wegsummen Glaettungsteil(Profile& profil, int32_t L) {
    profil.GlaettungMittelungUeber = L;
    Statistik(profil);
    Wegsummen wege = WegsummenBilden(profil);
    Glaetten(profil, wege, L);
    return wege;
}

void Steigungsteil(Profile& profil, const Wegsummen& wege, int32_t G) {
    profil.SteigungMittelungUeber = G;
    Steigungen(profil, wege, G);
}

} // namespace

void HoehenGlaetten(Profile& profil, int32_t L) {
    if (profil.Abschnitte.empty()) return;
    Glaettungsteil(profil, L);
}

void SteigungenBerechnen(Profile& profil, int32_t G) {
    profil.SteigungMittelungUeber = G;
    if (profil.Abschnitte.empty()) return;
    Steigungen(profil, WegsummenBilden(profil), G);
}

void Glaettungslauf(Profile& profil, int32_t L, int32_t G) {
    if (profil.Abschnitte.empty()) return;
    const Wegsummen wege = Glaettungsteil(profil, L);
    Steigungsteil(profil, wege, G);
}

void Glaettungslauf(Profile& profil, std::string_view schwelleText,
                    std::string_view steigungGlaettungText) {
    if (profil.Abschnitte.empty()) return;
    const Wegsummen wege = Glaettungsteil(profil, StrToInt(schwelleText));
    Steigungsteil(profil, wege, StrToInt(steigungGlaettungText));
}

void GesamtNeuBerechnen(Profile& profil, std::string_view schwelleText,
                        std::string_view steigungGlaettungText) {
    Glaettungslauf(profil, schwelleText, steigungGlaettungText);
    Statistik(profil);
}
