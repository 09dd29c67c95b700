#include "files/fit_export.h"

#include "files/track_line.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

// Our own writer: Debian holds no FIT library, and a course file needs only a few messages.

namespace {

// The protocol's global message numbers and the values the course file uses.
enum Nachricht : uint16_t { FileId = 0, Lap = 19, Record = 20, Event = 21, Course = 31 };
constexpr uint8_t DateiartKurs = 6, SportRadfahren = 2, HerstellerEntwicklung = 255;
constexpr uint8_t EreignisTimer = 0, EreignisRunde = 9;
constexpr uint8_t ArtStart = 0, ArtStop = 1, ArtStopAlle = 9;
// Seconds from 1970 to the FIT epoch, 1989-12-31 00:00:00 UTC.
constexpr int64_t FitEpoche = 631065600;

// Base types: enum, uint8, uint16, sint32, uint32, string, uint32z.
enum Grundtyp : uint8_t {
    Enum = 0x00,
    U8 = 0x02,
    U16 = 0x84,
    S32 = 0x85,
    U32 = 0x86,
    Text = 0x07,
    U32z = 0x8C
};

struct Feld {
    uint8_t nummer;
    uint8_t groesse;
    Grundtyp typ;
};

// The data records of a file, as they go between the header and the file CRC.
class FitDaten {
public:
    // A definition message for local message `lokal`.
    void Definition(uint8_t lokal, uint16_t global, std::initializer_list<Feld> felder) {
        b_ += static_cast<char>(0x40 | lokal);
        b_ += '\0'; // reserved
        b_ += '\0'; // little-endian
        Zahl(global, 2);
        b_ += static_cast<char>(felder.size());
        for (const Feld& f : felder) {
            b_ += static_cast<char>(f.nummer);
            b_ += static_cast<char>(f.groesse);
            b_ += static_cast<char>(f.typ);
        }
    }
    // The header of a data message of local message `lokal`; its fields follow.
    FitDaten& Daten(uint8_t lokal) {
        b_ += static_cast<char>(lokal);
        return *this;
    }
    FitDaten& Zahl(uint64_t wert, int bytes) {
        for (int i = 0; i < bytes; ++i)
            b_ += static_cast<char>(wert >> (8 * i) & 0xFF);
        return *this;
    }
    FitDaten& Name(std::string_view text, size_t groesse) {
        std::string feld(text.substr(0, groesse - 1));
        feld.resize(groesse, '\0');
        b_ += feld;
        return *this;
    }
    std::string& Bytes() { return b_; }

private:
    std::string b_;
};

// A value held within what the field can take; `ungueltig`, the field's "no value", for what is
// no number.
uint32_t Begrenzt(double wert, double hoechstens, uint32_t ungueltig) {
    if (!std::isfinite(wert) || wert < 0.0 || wert > hoechstens) return ungueltig;
    return static_cast<uint32_t>(std::llround(wert));
}

// Degrees as semicircles, 2^31 to 180 degrees; the field's "no value" for what is no number.
uint32_t Halbkreise(double grad) {
    if (!std::isfinite(grad)) return 0x7FFFFFFF;
    const double h =
        std::clamp(std::round(grad * (2147483648.0 / 180.0)), -2147483648.0, 2147483647.0);
    return static_cast<uint32_t>(static_cast<int32_t>(h));
}

uint32_t Zeitstempel(double sekunden) {
    return Begrenzt(static_cast<double>(Startzeit - FitEpoche) + std::floor(sekunden), 4294967294.0,
                    0xFFFFFFFF);
}

uint32_t Zentimeter(double meter) {
    return Begrenzt(meter * 100.0, 4294967294.0, 0xFFFFFFFF);
}

void KursSchreiben(const Profile& route, const Formatoptionen& optionen, FitDaten& d) {
    const uint32_t start = Zeitstempel(0.0);
    d.Definition(0, FileId, {{0, 1, Enum}, {1, 2, U16}, {2, 2, U16}, {3, 4, U32z}, {4, 4, U32}});
    d.Daten(0).Zahl(DateiartKurs, 1).Zahl(HerstellerEntwicklung, 2).Zahl(0, 2).Zahl(1, 4);
    d.Zahl(start, 4);
    d.Definition(1, Course, {{4, 1, Enum}, {5, 16, Text}});
    d.Daten(1).Zahl(SportRadfahren, 1).Name("Hoprex", 16);

    const auto [erster, letzter] =
        Spurenden(route, optionen).value_or(std::pair<Trackpunkt, Trackpunkt>{});
    const uint32_t anfang = Zeitstempel(erster.Sekunden), ende = Zeitstempel(letzter.Sekunden);
    d.Definition(2, Lap,
                 {{253, 4, U32},
                  {2, 4, U32},
                  {3, 4, S32},
                  {4, 4, S32},
                  {5, 4, S32},
                  {6, 4, S32},
                  {7, 4, U32},
                  {8, 4, U32},
                  {9, 4, U32},
                  {0, 1, Enum},
                  {1, 1, Enum}});
    const uint32_t dauer =
        Begrenzt((letzter.Sekunden - erster.Sekunden) * 1000.0, 4294967294.0, 0xFFFFFFFF);
    d.Daten(2).Zahl(ende, 4).Zahl(anfang, 4);
    d.Zahl(Halbkreise(erster.Breite), 4).Zahl(Halbkreise(erster.Laenge), 4);
    d.Zahl(Halbkreise(letzter.Breite), 4).Zahl(Halbkreise(letzter.Laenge), 4);
    d.Zahl(dauer, 4).Zahl(dauer, 4).Zahl(Zentimeter(letzter.Meter - erster.Meter), 4);
    d.Zahl(EreignisRunde, 1).Zahl(ArtStop, 1);

    d.Definition(3, Event, {{253, 4, U32}, {0, 1, Enum}, {1, 1, Enum}, {4, 1, U8}});
    d.Daten(3).Zahl(anfang, 4).Zahl(EreignisTimer, 1).Zahl(ArtStart, 1).Zahl(0, 1);
    d.Definition(4, Record,
                 {{253, 4, U32}, {0, 4, S32}, {1, 4, S32}, {5, 4, U32}, {2, 2, U16}, {78, 4, U32}});
    d.Bytes().reserve(d.Bytes().size() + static_cast<size_t>(route.Punktanzahl) * 24 + 64);
    SpurAbgehen(route, optionen, [&](const Trackpunkt& p) {
        // Altitude: (m + 500) * 5; the 16-bit field holds -500 .. 12,606 m, the enhanced one more.
        const double fuenftel = (static_cast<double>(p.Hoehe) + 500.0) * 5.0;
        d.Daten(4).Zahl(Zeitstempel(p.Sekunden), 4).Zahl(Halbkreise(p.Breite), 4);
        d.Zahl(Halbkreise(p.Laenge), 4).Zahl(Zentimeter(p.Meter), 4);
        d.Zahl(Begrenzt(fuenftel, 65534.0, 0xFFFF), 2)
            .Zahl(Begrenzt(fuenftel, 4294967294.0, 0xFFFFFFFF), 4);
    });
    d.Daten(3).Zahl(ende, 4).Zahl(EreignisTimer, 1).Zahl(ArtStopAlle, 1).Zahl(0, 1);
}

// The CRC-16 of the FIT protocol over `bytes`, going on from `crc`.
uint16_t FitCrc(std::string_view bytes, uint16_t crc = 0) {
    // The protocol's table for one nibble of the reflected polynomial 0xA001.
    static constexpr uint16_t tafel[16] = {0x0000, 0xCC01, 0xD801, 0x1400, 0xF001, 0x3C00,
                                           0x2800, 0xE401, 0xA001, 0x6C00, 0x7800, 0xB401,
                                           0x5000, 0x9C01, 0x8801, 0x4400};
    for (const char zeichen : bytes) {
        const auto b = static_cast<unsigned char>(zeichen);
        for (const unsigned nibble : {b & 0xFu, static_cast<unsigned>(b >> 4)}) {
            const uint16_t t = tafel[crc & 0xF];
            crc = static_cast<uint16_t>(((crc >> 4) & 0x0FFF) ^ t ^ tafel[nibble]);
        }
    }
    return crc;
}

void FitSchreiben(const Profile& route, const Formatoptionen& optionen, std::ostream& aus) {
    FitDaten daten;
    KursSchreiben(route, optionen, daten);
    const std::string& bytes = daten.Bytes();
    FitDaten kopf;
    kopf.Zahl(14, 1).Zahl(0x20, 1).Zahl(2132, 2).Zahl(bytes.size(), 4);
    kopf.Bytes() += ".FIT";
    kopf.Zahl(FitCrc(kopf.Bytes()), 2);
    const uint16_t crc = FitCrc(bytes, FitCrc(kopf.Bytes()));
    FitDaten schluss;
    schluss.Zahl(crc, 2);
    for (const std::string* teil :
         {&std::as_const(kopf.Bytes()), &bytes, &std::as_const(schluss.Bytes())})
        aus.write(teil->data(), static_cast<std::streamsize>(teil->size()));
}

class Fit final : public Routenformat {
public:
    std::string_view Name() const override { return "fit"; }
    std::string_view Bezeichnung() const override { return "FIT-Kurs"; }
    std::vector<std::string> Endungen() const override { return {"fit"}; }
    Zeichensatz Kodierung() const override { return Zeichensatz::Bytes; }
    bool Liest() const override { return false; }
    bool Schreibt() const override { return true; }
    void Schreiben(const Profile& route, const Formatoptionen& optionen,
                   std::ostream& aus) const override {
        FitSchreiben(route, optionen, aus);
    }
    bool Lesen(std::istream&, Profile&, int32_t&) const override { return false; }
};

} // namespace

const Routenformat& FitFormat() {
    static const Fit format;
    return format;
}
