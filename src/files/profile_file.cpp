#include "files/profile_file.h"

#include "files/cp1252.h"
#include "files/format_streams.h"
#include "files/number_reading.h"
#include "model/c_format.h"

#include <algorithm>
#include <cmath>
#include <istream>
#include <ostream>
#include <system_error>

namespace {

constexpr std::string_view kLeer = "BESCHREIBUNG_LEER";

// The description as its one line of the file: the placeholder when it holds only white space
// (the reader would skip such a line and lose the section), and no line break inside it.
std::string BeschreibungsZeile(const std::string& beschreibung) {
    if (BeschreibungLeer(beschreibung)) return std::string(kLeer);
    std::string zeile = beschreibung;
    for (char& c : zeile)
        if (c == '\n' || c == '\r') c = ' ';
    return zeile;
}

// The line the writer puts for an empty description, perhaps with white space an editor left
// behind (a stray carriage return too: the writer would turn it into a blank, and the line must
// read back the same after that). Only that: "BESCHREIBUNG_LEERE Strasse" is a description.
bool IstPlatzhalter(std::string_view zeile) {
    return zeile.starts_with(kLeer) && BeschreibungLeer(zeile.substr(kLeer.size()));
}

// Walks the file text the way the formatted reads do: numbers and words separated by any white
// space, descriptions as whole lines. Counts lines for the error message.
class Leser {
public:
    explicit Leser(std::string_view text) : text_(text) {}

    int32_t Zeile() const { return zeile_; }

    // One whole line without its "\n" or "\r\n"; false at the end of the text.
    bool ZeileLesen(std::string_view& zeile) {
        if (pos_ >= text_.size()) return false;
        size_t ende = text_.find('\n', pos_);
        const size_t naechste = ende == std::string_view::npos ? text_.size() : ende + 1;
        if (ende == std::string_view::npos) ende = text_.size();
        zeile = text_.substr(pos_, ende - pos_);
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        pos_ = naechste;
        if (naechste > ende) ++zeile_;
        return true;
    }

    void LeerraumUeberspringen() {
        while (pos_ < text_.size() && Leerraum(text_[pos_])) {
            if (text_[pos_] == '\n') ++zeile_;
            ++pos_;
        }
    }

    // Bytes not yet read.
    size_t Rest() const { return text_.size() - pos_; }

    bool Wort(std::string_view wort) {
        if (text_.substr(pos_, wort.size()) != wort) return false;
        pos_ += wort.size();
        return true;
    }

    // A decimal integer of any width with an optional sign, then the white space after it.
    bool Ganzzahl(int32_t& wert) {
        size_t start = pos_;
        if (start < text_.size() && text_[start] == '+') ++start;
        const char* ende = text_.data() + text_.size();
        const auto [ptr, fehler] = GanzzahlLesen(text_.data() + start, ende, wert);
        if (fehler != std::errc()) return false;
        pos_ = static_cast<size_t>(ptr - text_.data());
        LeerraumUeberspringen();
        return true;
    }

    bool Kommazahl(float& wert) {
        size_t start = pos_;
        if (start < text_.size() && text_[start] == '+') ++start;
        const char* ende = text_.data() + text_.size();
        const auto [ptr, fehler] = KommazahlLesen(text_.data() + start, ende, wert);
        if (fehler != std::errc() || !std::isfinite(wert)) return false;
        pos_ = static_cast<size_t>(ptr - text_.data());
        LeerraumUeberspringen();
        return true;
    }

    // The vertex flag: a single digit.
    bool Ziffer(int32_t& wert) {
        if (pos_ >= text_.size() || text_[pos_] < '0' || text_[pos_] > '9') return false;
        wert = text_[pos_++] - '0';
        LeerraumUeberspringen();
        return true;
    }

private:
    std::string_view text_;
    size_t pos_ = 0;
    int32_t zeile_ = 1;
};

// A header value such as "Glaetten \t 450": the number after the name; false leaves the field.
bool KopfWert(std::string_view zeile, std::string_view name, int32_t& wert) {
    if (zeile.substr(0, name.size()) != name) return false;
    Leser l(zeile.substr(name.size()));
    l.LeerraumUeberspringen();
    int32_t w = 0;
    if (!l.Ganzzahl(w)) return false;
    wert = w;
    return true;
}

bool PunktLesen(Leser& l, ProfilePoint& p) {
    int32_t index = 0;
    int32_t flag = 0;
    if (!l.Ganzzahl(index) || !l.Kommazahl(p.Abstand) || !l.Ganzzahl(p.Hoehe) || !l.Ziffer(flag))
        return false;
    p.Stuetzpunkt = flag != 0;
    return true;
}

// Reads one section; on a fault `fehlerZeile` is the line of the item that failed.
bool AbschnittLesen(Leser& l, ProfileSection& a, int32_t& fehlerZeile) {
    fehlerZeile = l.Zeile();
    std::string_view zeile;
    if (!l.ZeileLesen(zeile)) return false;
    if (IstPlatzhalter(zeile)) {
        a.Beschreibung.clear();
    } else {
        // Cut in the file's one-byte encoding first, so a runaway line costs no conversion.
        BeschreibungSetzen(a, Cp1252ZuUtf8(zeile.substr(0, MaxBeschreibung)));
    }
    l.LeerraumUeberspringen();
    fehlerZeile = l.Zeile();
    if (!l.Ganzzahl(a.Punktanzahl) || a.Punktanzahl < 0 || a.Punktanzahl > MaxPunkte) return false;
    for (int32_t j = 0; j < a.Punktanzahl; ++j) {
        fehlerZeile = l.Zeile();
        if (!PunktLesen(l, a.Punkte[j])) return false;
    }
    return true;
}

// The lines of the section `a`, appended to `text`.
void AbschnittsZeilen(const ProfileSection& a, std::string& text) {
    CText c(text);
    c.Text(BeschreibungsZeile(a.Beschreibung)).Zeichen('\n');
    c.Ganzzahl(a.Punktanzahl, 5).Zeichen('\n');
    // "%4d \t %3.3f \t %4d \t %1d\n": index, Abstand, Hoehe, Stuetzpunkt.
    for (int32_t j = 0; j < a.Punktanzahl; ++j) {
        const ProfilePoint& p = a.Punkte[j];
        c.Ganzzahl(j, 4).Text(" \t ").Festkomma(p.Abstand, 3, 3).Text(" \t ");
        c.Ganzzahl(p.Hoehe, 4).Text(" \t ").Ganzzahl(p.Stuetzpunkt, 1).Zeichen('\n');
    }
}

} // namespace

void ProfilDateiSchreiben(const Profile& profil, std::ostream& aus) {
    std::string text = "Version \t 2\n";
    text += Formatieren("Glaetten \t %3d\n", profil.GlaettungMittelungUeber);
    text += Formatieren("SteigungGlaetten \t %3d\n", profil.SteigungMittelungUeber);
    for (int k = 0; k < 7; ++k)
        text += "leer\n";
    text += Formatieren("Abschnitte \t %3d\n", profil.AnzahlAbschnitte());
    // The lines go on a few hundred kilobytes at once; a section takes at most about 13 kB.
    constexpr size_t Stueck = size_t{256} << 10;
    text.reserve(Stueck + (size_t{16} << 10));
    for (size_t s = 0; s < profil.Abschnitte.size() && aus; ++s) {
        AbschnittsZeilen(profil.Abschnitte[s], text);
        if (text.size() >= Stueck) {
            aus.write(text.data(), static_cast<std::streamsize>(text.size()));
            text.clear();
        }
    }
    aus.write(text.data(), static_cast<std::streamsize>(text.size()));
}

namespace {

class ProfilDatei final : public Routenformat {
public:
    std::string_view Name() const override { return "hpx"; }
    std::string_view Bezeichnung() const override { return "Hoprex Daten"; }
    std::vector<std::string> Endungen() const override { return {"hpx"}; }
    Zeichensatz Kodierung() const override { return Zeichensatz::Cp1252; }
    bool Liest() const override { return true; }
    bool Schreibt() const override { return true; }
    void Schreiben(const Profile& route, const Formatoptionen&, std::ostream& aus) const override {
        ProfilDateiSchreiben(route, aus);
    }
    bool Lesen(std::istream& ein, Profile& ziel, int32_t& fehlerZeile) const override {
        std::string inhalt;
        fehlerZeile = 1;
        return AllesLesen(ein, inhalt, MaxProfilDatei) &&
               ProfilDateiLesen(inhalt, 0, ziel, fehlerZeile);
    }
};

} // namespace

const Routenformat& ProfilDateiFormat() {
    static const ProfilDatei format;
    return format;
}

std::string ProfilDateiInhalt(const Profile& profil) {
    return RoutenInhalt(ProfilDateiFormat(), profil);
}

bool ProfilDateiLesen(std::string_view inhalt, uint8_t markiert, Profile& ziel,
                      int32_t& fehlerZeile) {
    Leser l(inhalt);
    // The three known header lines may stand on any of the ten lines, in any order.
    for (int i = 0; i < 10; ++i) {
        std::string_view zeile;
        if (!l.ZeileLesen(zeile)) {
            fehlerZeile = l.Zeile();
            return false;
        }
        KopfWert(zeile, "Glaetten", ziel.GlaettungMittelungUeber);
        KopfWert(zeile, "SteigungGlaetten", ziel.SteigungMittelungUeber);
    }

    l.LeerraumUeberspringen();
    fehlerZeile = l.Zeile();
    int32_t anzahl = 0;
    if (!l.Wort("Abschnitte")) return false;
    l.LeerraumUeberspringen();
    if (!l.Ganzzahl(anzahl) || anzahl < 0 || anzahl > MaxAbschnitte) return false;
    // Room for the sections at once: growing step by step would hold the old and the new array
    // of 11 kB records side by side. A section takes at least three bytes of the file (a
    // character of its description, the line break, a digit of its point count), so a short
    // text that declares many sections gets room only for those it can hold.
    ziel.Abschnitte.reserve(std::min(static_cast<size_t>(anzahl), l.Rest() / 3 + 1));
    for (int32_t i = 0; i < anzahl; ++i) {
        ziel.Abschnitte.emplace_back();
        ProfileSection& a = ziel.Abschnitte.back();
        if (!AbschnittLesen(l, a, fehlerZeile)) return false;
        a.Markiert = markiert;
    }
    fehlerZeile = 0;
    return true;
}

bool BeginntWieProfilDatei(std::string_view anfang) {
    constexpr std::string_view kopf = "Version";
    return anfang.starts_with(kopf) && anfang.size() > kopf.size() &&
           (anfang[kopf.size()] == ' ' || anfang[kopf.size()] == '\t');
}
