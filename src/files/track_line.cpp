#include "files/track_line.h"

#include "model/route_points.h"

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/GeodesicLine.hpp>

#include <chrono>
#include <cmath>
#include <ostream>
#include <vector>

void SpurAbgehen(const Profile& route, const Formatoptionen& optionen,
                 const std::function<void(const Spurpunkt&)>& punkt, const Punktauswahl& nur) {
    const TStreckenOptionen& s = optionen.Strecke;
    // One line from the start, and each point a position on it: the same as a Direct problem
    // per point, at a fraction of the cost for half a million points.
    const GeographicLib::GeodesicLine linie(
        GeographicLib::Geodesic::WGS84(), s.StartBreite, s.StartLaenge, s.Richtung,
        GeographicLib::Geodesic::LATITUDE | GeographicLib::Geodesic::LONGITUDE |
            GeographicLib::Geodesic::DISTANCE_IN);
    const double meterProSekunde = s.Tempo / 3.6;
    Spurpunkt p;
    double meter = 0.0;
    for (int32_t j = 0; j < route.AnzahlAbschnitte(); ++j) {
        const ProfileSection& a = route.Abschnitte[j];
        for (int32_t k = 0; k < PunkteIn(a); ++k) {
            const ProfilePoint& q = a.Punkte[k];
            const double schritt = static_cast<double>(q.Abstand) * 1000.0;
            if (std::isfinite(schritt)) meter += schritt;
            if (nur && !nur(a, k)) continue;
            p.Meter = meter;
            p.Sekunden = meter / meterProSekunde;
            p.Hoehe = Spurhoehe(q, optionen.Text);
            p.Abschnitt = j;
            p.Abschnittsanfang = k == 0;
            linie.Position(meter, p.Breite, p.Laenge);
            punkt(p);
        }
    }
}

std::optional<std::pair<Spurpunkt, Spurpunkt>> Spurenden(const Profile& route,
                                                         const Formatoptionen& optionen) {
    const ProfileSection* erster = nullptr;
    const ProfileSection* letzter = nullptr;
    for (const ProfileSection& a : route.Abschnitte) {
        if (PunkteIn(a) == 0) continue;
        if (erster == nullptr) erster = &a;
        letzter = &a;
    }
    if (erster == nullptr) return std::nullopt;
    std::vector<Spurpunkt> enden;
    SpurAbgehen(
        route, optionen, [&](const Spurpunkt& p) { enden.push_back(p); },
        [&](const ProfileSection& a, int32_t k) {
            return (&a == erster && k == 0) || (&a == letzter && k == PunkteIn(a) - 1);
        });
    return std::pair{enden.front(), enden.back()};
}

int32_t Spurhoehe(const ProfilePoint& p, const TExportOptions& text) {
    return text.Glaettung ? p.HoeheGeglaettet : p.Hoehe;
}

void Weitergeben(CText& c, std::string& text, std::ostream& aus, bool alles) {
    c.Abgeben();
    if (!alles && text.size() < (size_t{256} << 10)) return;
    aus.write(text.data(), static_cast<std::streamsize>(text.size()));
    text.clear();
}

namespace {

void Zweistellig(CText& text, unsigned wert) {
    text.Zeichen(static_cast<char>('0' + wert / 10 % 10))
        .Zeichen(static_cast<char>('0' + wert % 10));
}

} // namespace

void Zeitpunkt(CText& text, double sekunden) {
    using namespace std::chrono;
    const auto ms = static_cast<int64_t>(std::llround(sekunden * 1000.0)) + Startzeit * 1000;
    const sys_days tag = floor<days>(sys_time<milliseconds>(milliseconds(ms)));
    const year_month_day datum(tag);
    const int64_t imTag = ms - duration_cast<milliseconds>(tag.time_since_epoch()).count();
    const auto sekundeImTag = static_cast<unsigned>(imTag / 1000);
    text.Ganzzahl(static_cast<int>(datum.year()), 4).Zeichen('-');
    Zweistellig(text, static_cast<unsigned>(datum.month()));
    text.Zeichen('-');
    Zweistellig(text, static_cast<unsigned>(datum.day()));
    text.Zeichen('T');
    Zweistellig(text, sekundeImTag / 3600);
    text.Zeichen(':');
    Zweistellig(text, sekundeImTag / 60 % 60);
    text.Zeichen(':');
    Zweistellig(text, sekundeImTag % 60);
    const auto tausendstel = static_cast<unsigned>(imTag % 1000);
    text.Zeichen('.').Zeichen(static_cast<char>('0' + tausendstel / 100));
    Zweistellig(text, tausendstel % 100);
    text.Zeichen('Z');
}

void XmlText(CText& text, std::string_view wert) {
    size_t von = 0;
    for (size_t i = 0; i < wert.size(); ++i) {
        const auto c = static_cast<unsigned char>(wert[i]);
        const char* ersatz = nullptr;
        switch (c) {
        case '&':
            ersatz = "&amp;";
            break;
        case '<':
            ersatz = "&lt;";
            break;
        case '>':
            ersatz = "&gt;";
            break;
        case '"':
            ersatz = "&quot;";
            break;
        case '\'':
            ersatz = "&apos;";
            break;
        default:
            if (c >= 0x20 || c == '\t' || c == '\n' || c == '\r') continue;
            ersatz = "";
        }
        text.Text(wert.substr(von, i - von)).Text(ersatz);
        von = i + 1;
    }
    text.Text(wert.substr(von));
}
