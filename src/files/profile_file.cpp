#include "files/profile_file.h"

#include "files/cp1252.h"
#include "files/number_reading.h"
#include "model/c_format.h"
#include "model/route_halves.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <future>
#include <memory>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

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
    explicit Leser(std::string_view text, size_t ab = 0) : text_(text), pos_(ab) {}

    int32_t Zeile() const { return zeile_; }
    size_t Stelle() const { return pos_; }

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

// Below this many bytes left for the sections a second reading thread costs more than it saves.
constexpr size_t ParallelLesenAb = size_t{1} << 20;

// Where a second thread may start reading sections: the start of a description line near the
// middle of the text behind `von`, found by the line of a section's first point ("   0 \t ", as
// the file is written) two lines below it, white space in front skipped as the reader skips it.
// Only a guess: the reader in front takes the back half only when it arrives there at the start
// of a section. npos when there is no such line.
size_t NahtRaten(std::string_view text, size_t von) {
    constexpr auto nichts = std::string_view::npos;
    const size_t ersterPunkt = text.find("\n   0 \t ", von + (text.size() - von) / 2);
    if (ersterPunkt == nichts) return nichts;
    const size_t beschreibungsEnde = text.rfind('\n', ersterPunkt - 1);
    if (beschreibungsEnde == nichts || beschreibungsEnde <= von) return nichts;
    size_t anfang = text.rfind('\n', beschreibungsEnde - 1) + 1;
    while (anfang < text.size() && Leerraum(text[anfang]))
        ++anfang;
    return anfang > von ? anfang : nichts;
}

// Reads sections from `naht` on, on a thread of its own, as many as there are (at most
// `hoechstens`) up to the end of the text or its first fault.
class HintererLeser {
public:
    HintererLeser(std::string_view text, size_t naht, int32_t hoechstens) : naht_(naht) {
        ergebnis_ = std::async(std::launch::async, [this, text, hoechstens] {
            std::vector<ProfileSection> abschnitte;
            Leser l(text, naht_);
            abschnitte.reserve(std::min(static_cast<size_t>(hoechstens), l.Rest() / 3 + 1));
            int32_t fehlerZeile = 0;
            while (abschnitte.size() < static_cast<size_t>(hoechstens) && !abbrechen_) {
                abschnitte.emplace_back();
                if (!AbschnittLesen(l, abschnitte.back(), fehlerZeile)) {
                    abschnitte.pop_back();
                    break;
                }
            }
            return abschnitte;
        });
    }
    // Stops the thread early when its sections are not wanted; the result's end waits for it.
    ~HintererLeser() { abbrechen_ = true; }
    HintererLeser(const HintererLeser&) = delete;
    HintererLeser& operator=(const HintererLeser&) = delete;

    size_t Naht() const { return naht_; }
    std::vector<ProfileSection> Abschnitte() { return ergebnis_.get(); }

private:
    size_t naht_;
    std::atomic<bool> abbrechen_{false};
    std::future<std::vector<ProfileSection>> ergebnis_;
};

} // namespace

namespace {

// About the bytes of the sections [von, bis): a point line takes about 25 bytes with the numbers
// of real routes.
size_t Platz(const Profile& profil, int32_t von, int32_t bis) {
    size_t groesse = 0;
    for (int32_t s = von; s < bis; ++s)
        groesse += 64 + static_cast<size_t>(std::max(profil.Abschnitte[s].Punktanzahl, 0)) * 28;
    return groesse;
}

// The lines of the sections [von, bis), appended to `text`.
void AbschnittsZeilen(const Profile& profil, int32_t von, int32_t bis, std::string& text) {
    CText c(text);
    for (int32_t s = von; s < bis; ++s) {
        const ProfileSection& a = profil.Abschnitte[s];
        c.Text(BeschreibungsZeile(a.Beschreibung)).Zeichen('\n');
        c.Ganzzahl(a.Punktanzahl, 5).Zeichen('\n');
        // "%4d \t %3.3f \t %4d \t %1d\n": index, Abstand, Hoehe, Stuetzpunkt.
        for (int32_t j = 0; j < a.Punktanzahl; ++j) {
            const ProfilePoint& p = a.Punkte[j];
            c.Ganzzahl(j, 4).Text(" \t ").Festkomma(p.Abstand, 3, 3).Text(" \t ");
            c.Ganzzahl(p.Hoehe, 4).Text(" \t ").Ganzzahl(p.Stuetzpunkt, 1).Zeichen('\n');
        }
    }
}

} // namespace

Teiltext ProfilDateiTeile(const Profile& profil) {
    // Parts of whole sections: a description (the one place for bytes beyond ASCII) never
    // meets the end of a part, so each part converts to Windows-1252 as the whole text would.
    const int32_t n = profil.AnzahlAbschnitte();
    auto grenzen = std::make_shared<std::vector<int32_t>>(1, 0);
    int64_t alle = 0;
    for (const ProfileSection& a : profil.Abschnitte)
        alle += std::max(a.Punktanzahl, 0);
    if (alle >= ParallelAb) {
        int64_t punkte = 0;
        for (int32_t s = 0; s < n; ++s) {
            punkte += profil.Abschnitte[s].Punktanzahl;
            if (punkte >= PunkteJeTeil && s + 1 < n) {
                grenzen->push_back(s + 1);
                punkte = 0;
            }
        }
    }
    grenzen->push_back(n);
    return {static_cast<int32_t>(grenzen->size()) - 1, [&profil, grenzen](int32_t i) {
                const int32_t von = (*grenzen)[i];
                const int32_t bis = (*grenzen)[i + 1];
                std::string text;
                if (i == 0) {
                    text = "Version \t 2\n";
                    text += Formatieren("Glaetten \t %3d\n", profil.GlaettungMittelungUeber);
                    text += Formatieren("SteigungGlaetten \t %3d\n", profil.SteigungMittelungUeber);
                    for (int k = 0; k < 7; ++k)
                        text += "leer\n";
                    text += Formatieren("Abschnitte \t %3d\n", profil.AnzahlAbschnitte());
                }
                text.reserve(text.size() + Platz(profil, von, bis));
                AbschnittsZeilen(profil, von, bis, text);
                return Utf8ZuCp1252(std::move(text));
            }};
}

std::string ProfilDateiInhalt(const Profile& profil) {
    return Zusammen(ProfilDateiTeile(profil));
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
    // A long file's back half is read on a second thread from a guessed section start; this
    // thread reads up to it and takes the back half's sections when it arrives there exactly.
    std::optional<HintererLeser> hinten;
    if (l.Rest() >= ParallelLesenAb && std::thread::hardware_concurrency() >= 2) {
        const size_t naht = NahtRaten(inhalt, l.Stelle());
        try {
            if (naht != std::string_view::npos) hinten.emplace(inhalt, naht, anzahl);
        } catch (const std::system_error&) { // no second thread to be had: one reads it all
        }
    }
    for (int32_t i = 0; i < anzahl; ++i) {
        if (hinten && l.Stelle() >= hinten->Naht()) {
            if (l.Stelle() == hinten->Naht()) {
                std::vector<ProfileSection> rest = hinten->Abschnitte();
                const auto fehlend = static_cast<size_t>(anzahl - i);
                if (rest.size() >= fehlend) {
                    for (size_t k = 0; k < fehlend; ++k) {
                        ziel.Abschnitte.push_back(std::move(rest[k]));
                        ziel.Abschnitte.back().Markiert = markiert;
                    }
                    fehlerZeile = 0;
                    return true;
                }
                // The back half holds a fault: read on here, so that its line is named.
            }
            hinten.reset();
        }
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
