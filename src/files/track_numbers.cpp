#include "files/track_numbers.h"

#include "model/profile.h"

#include <charconv>
#include <cmath>

bool ZahlGueltig(double wert, ZahlArt art) {
    if (!std::isfinite(wert)) return false;
    switch (art) {
    case ZahlArt::Breite:
        return std::abs(wert) <= 90.0;
    case ZahlArt::Laenge:
        return std::abs(wert) <= 180.0;
    case ZahlArt::Hoehe:
        return std::abs(wert) <= 100'000.0;
    case ZahlArt::Strecke:
        return wert >= 0.0 && wert <= 1e8;
    }
    return false;
}

bool ZahlLesen(std::string_view text, ZahlArt art, std::optional<double>& ziel) {
    const std::string zahl = Getrimmt(text);
    // from_chars takes no leading "+", which XML's decimals allow.
    const char* anfang = zahl.data() + (zahl.starts_with('+') ? 1 : 0);
    const char* ende = zahl.data() + zahl.size();
    double wert = 0.0;
    const auto [stelle, fehler] = std::from_chars(anfang, ende, wert);
    if (fehler != std::errc() || stelle != ende || anfang == ende || !ZahlGueltig(wert, art))
        return false;
    ziel = wert;
    return true;
}

std::string ZahlFehler(std::string_view text, ZahlArt art) {
    const char* was = art == ZahlArt::Breite   ? "Breite"
                      : art == ZahlArt::Laenge ? "Länge"
                      : art == ZahlArt::Hoehe  ? "Höhe"
                                               : "Strecke";
    std::string wert = Getrimmt(text);
    if (wert.size() > 40) {
        size_t n = 40;
        while (n > 0 && (static_cast<unsigned char>(wert[n]) & 0xC0) == 0x80)
            --n;
        wert.resize(n);
        wert += "…";
    }
    return std::string("Ungültige ") + was + " „" + wert + "“";
}

std::string ZuVielePunkte(size_t hoechstens) {
    return "Die Spur hat mehr als " + std::to_string(hoechstens) + " Punkte";
}

std::string_view LokalerName(std::string_view name) {
    const size_t doppelpunkt = name.rfind(':');
    return doppelpunkt == std::string_view::npos ? name : name.substr(doppelpunkt + 1);
}

std::string Getrimmt(std::string_view text) {
    while (!text.empty() && Leerraum(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && Leerraum(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}
