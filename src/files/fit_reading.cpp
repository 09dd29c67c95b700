// FIT files are read by a small reader of our own: Debian packages no FIT library, and a track
// needs only the framing, the CRCs and three fields of the record message.
#include "files/fit_crc.h"
#include "files/track_numbers.h"
#include "files/track_reading.h"

#include <array>

namespace {

// Global message numbers and their fields, as the FIT profile numbers them.
constexpr uint16_t MeldungRecord = 20;
constexpr uint16_t MeldungCourse = 31;
constexpr uint8_t FeldBreite = 0;          // sint32, semicircles
constexpr uint8_t FeldLaenge = 1;          // sint32, semicircles
constexpr uint8_t FeldHoehe = 2;           // uint16, m * 5 + 500
constexpr uint8_t FeldStrecke = 5;         // uint32, cm
constexpr uint8_t FeldHoeheErweitert = 78; // uint32, m * 5 + 500
constexpr uint8_t FeldCourseName = 5;      // string

struct Feld {
    uint8_t Nummer = 0;
    uint8_t Groesse = 0;
};

struct Definition {
    bool Da = false;
    bool BigEndian = false;
    uint16_t Meldung = 0;
    std::vector<Feld> Felder;
    size_t Laenge = 0; // bytes of a data message's content, developer fields included
};

uint32_t Wert(const unsigned char* p, size_t groesse, bool big) {
    uint32_t w = 0;
    for (size_t i = 0; i < groesse; ++i)
        w |= uint32_t{p[big ? groesse - 1 - i : i]} << (8 * i);
    return w;
}

class FitLeser {
public:
    FitLeser(std::string_view inhalt, Spur& spur, std::string& fehler, size_t hoechstens)
        : d_(reinterpret_cast<const unsigned char*>(inhalt.data())), n_(inhalt.size()), spur_(spur),
          fehler_(fehler), hoechstens_(hoechstens) {}

    bool Lesen() {
        if (n_ == 0) return Fehler("Die Datei ist leer");
        // Several FIT files may follow each other in one; each has its header and CRC.
        size_t stelle = 0;
        while (stelle < n_)
            if (!Datei(stelle)) return false;
        return true;
    }

private:
    bool Fehler(std::string grund) {
        fehler_ = std::move(grund);
        return false;
    }

    bool Datei(size_t& stelle) {
        const size_t rest = n_ - stelle;
        const unsigned char* k = d_ + stelle;
        if (rest < 12 || (k[0] != 12 && k[0] != 14) ||
            std::string_view(reinterpret_cast<const char*>(k + 8), 4) != ".FIT")
            return Fehler("Die Datei ist keine FIT-Datei");
        const size_t kopf = k[0];
        if (rest < kopf) return Fehler("Der Kopf der FIT-Datei ist unvollständig");
        if (kopf == 14) {
            const uint16_t soll = static_cast<uint16_t>(Wert(k + 12, 2, false));
            if (soll != 0 && soll != FitCrc(k, 12))
                return Fehler("Die Prüfsumme des FIT-Kopfs stimmt nicht");
        }
        const size_t daten = Wert(k + 4, 4, false);
        if (rest - kopf < daten || rest - kopf - daten < 2)
            return Fehler("Die FIT-Datei ist unvollständig");
        if (Wert(k + kopf + daten, 2, false) != FitCrc(k, kopf + daten))
            return Fehler("Die Prüfsumme der FIT-Datei stimmt nicht");
        definitionen_ = {};
        if (!Meldungen(stelle + kopf, stelle + kopf + daten)) return false;
        stelle += kopf + daten + 2;
        return true;
    }

    bool Meldungen(size_t p, size_t ende) {
        while (p < ende) {
            const unsigned char h = d_[p++];
            const bool komprimiert = (h & 0x80) != 0;
            Definition& def = definitionen_[komprimiert ? (h >> 5) & 0x03 : h & 0x0F];
            if (!komprimiert && (h & 0x40) != 0) {
                if (!DefinitionLesen(p, ende, (h & 0x20) != 0, def)) return false;
                continue;
            }
            if (!def.Da) return Fehler("Die FIT-Datei enthält Daten ohne Definition");
            if (ende - p < def.Laenge) return Fehler("Die FIT-Datei ist unvollständig");
            if (def.Meldung == MeldungRecord && !Punkt(d_ + p, def)) return false;
            if (def.Meldung == MeldungCourse) Name(d_ + p, def);
            p += def.Laenge;
        }
        return true;
    }

    bool DefinitionLesen(size_t& p, size_t ende, bool entwickler, Definition& def) {
        if (ende - p < 5) return Fehler("Die FIT-Datei ist unvollständig");
        def = {};
        def.BigEndian = d_[p + 1] == 1;
        def.Meldung = static_cast<uint16_t>(Wert(d_ + p + 2, 2, def.BigEndian));
        const size_t felder = d_[p + 4];
        p += 5;
        if (ende - p < 3 * felder) return Fehler("Die FIT-Datei ist unvollständig");
        for (size_t i = 0; i < felder; ++i, p += 3) {
            def.Felder.push_back({d_[p], d_[p + 1]});
            def.Laenge += d_[p + 1];
        }
        if (entwickler) {
            if (ende - p < 1 || ende - p - 1 < 3 * size_t{d_[p]})
                return Fehler("Die FIT-Datei ist unvollständig");
            const size_t zusatz = d_[p++];
            for (size_t i = 0; i < zusatz; ++i, p += 3)
                def.Laenge += d_[p + 1];
        }
        def.Da = true;
        return true;
    }

    // One record message: a point when it holds a place or a distance (a record of sensors
    // alone is no point of the track).
    bool Punkt(const unsigned char* p, const Definition& def) {
        Spurpunkt punkt;
        std::optional<double> hoehe, erweitert;
        for (const Feld& f : def.Felder) {
            const uint32_t w = f.Groesse <= 4 ? Wert(p, f.Groesse, def.BigEndian) : 0;
            p += f.Groesse;
            if ((f.Nummer == FeldBreite || f.Nummer == FeldLaenge) && f.Groesse == 4 &&
                w != 0x7FFFFFFF) {
                const double grad = static_cast<int32_t>(w) * (180.0 / 2147483648.0);
                const ZahlArt art = f.Nummer == FeldBreite ? ZahlArt::Breite : ZahlArt::Laenge;
                if (!ZahlGueltig(grad, art)) return Fehler(ZahlFehler(std::to_string(grad), art));
                (f.Nummer == FeldBreite ? punkt.Breite : punkt.Laenge) = grad;
            } else if (f.Nummer == FeldHoehe && f.Groesse == 2 && w != 0xFFFF) {
                hoehe = w / 5.0 - 500.0;
            } else if (f.Nummer == FeldHoeheErweitert && f.Groesse == 4 && w != 0xFFFFFFFF) {
                erweitert = w / 5.0 - 500.0;
            } else if (f.Nummer == FeldStrecke && f.Groesse == 4 && w != 0xFFFFFFFF) {
                punkt.Strecke = w / 100.0;
            }
        }
        punkt.Hoehe = erweitert ? erweitert : hoehe;
        if (!(punkt.Breite && punkt.Laenge) && !punkt.Strecke) return true;
        if (spur_.Punkte.size() >= hoechstens_) return Fehler(ZuVielePunkte(hoechstens_));
        spur_.Punkte.push_back(punkt);
        return true;
    }

    void Name(const unsigned char* p, const Definition& def) {
        for (const Feld& f : def.Felder) {
            if (f.Nummer == FeldCourseName) {
                const std::string_view feld(reinterpret_cast<const char*>(p), f.Groesse);
                spur_.Name = Getrimmt(feld.substr(0, feld.find('\0')));
            }
            p += f.Groesse;
        }
    }

    const unsigned char* d_;
    size_t n_;
    Spur& spur_;
    std::string& fehler_;
    size_t hoechstens_;
    std::array<Definition, 16> definitionen_{};
};

} // namespace

bool FitSpurLesen(std::string_view inhalt, std::vector<Spur>& spuren, std::string& fehler,
                  size_t hoechstens) {
    spuren.assign(1, Spur{});
    fehler.clear();
    return FitLeser(inhalt, spuren.front(), fehler, hoechstens).Lesen();
}
