#include "files/track_line.h"

#include "model/route_points.h"

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/GeodesicLine.hpp>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <vector>

namespace {

// The geodesic from the start point, read at rising distances. GeographicLib places a point on
// it in about 0.2 us, too slow for half a million points within a fraction of a second: it places
// the ends of each 100 m of the line, and the points between are interpolated in latitude and
// longitude, which lies within a millimetre of the geodesic there. Near the poles, where the
// longitude turns fast, every point is placed by GeographicLib.
class Spurlinie {
public:
    explicit Spurlinie(const TStreckenOptionen& s)
        : linie_(GeographicLib::Geodesic::WGS84(), s.StartBreite, s.StartLaenge, s.Richtung,
                 GeographicLib::Geodesic::LATITUDE | GeographicLib::Geodesic::LONGITUDE |
                     GeographicLib::Geodesic::DISTANCE_IN) {}

    void Ort(double meter, double& breite, double& laenge) {
        const double knoten = std::floor(meter / Knotenabstand);
        if (knoten != knoten_) {
            knoten_ = knoten;
            linie_.Position(knoten * Knotenabstand, breite0_, laenge0_);
            linie_.Position((knoten + 1) * Knotenabstand, breite1_, laenge1_);
            dLaenge_ = std::remainder(laenge1_ - laenge0_, 360.0);
            genau_ = std::fabs(dLaenge_) > 0.01 || std::fabs(breite0_) > 89.0 ||
                     std::fabs(breite1_) > 89.0;
        }
        if (genau_) {
            linie_.Position(meter, breite, laenge);
            return;
        }
        const double t = meter / Knotenabstand - knoten;
        breite = breite0_ + (breite1_ - breite0_) * t;
        laenge = laenge0_ + dLaenge_ * t;
        if (laenge > 180.0) laenge -= 360.0;
        if (laenge < -180.0) laenge += 360.0;
    }

private:
    static constexpr double Knotenabstand = 100.0; // m
    GeographicLib::GeodesicLine linie_;
    double knoten_ = NAN;
    double breite0_ = 0.0, laenge0_ = 0.0, breite1_ = 0.0, laenge1_ = 0.0, dLaenge_ = 0.0;
    bool genau_ = true;
};

} // namespace

void SpurAbgehen(const Profile& route, const Formatoptionen& optionen,
                 const std::function<void(const Trackpunkt&)>& punkt, const Punktauswahl& nur) {
    Spurlinie linie(optionen.Strecke);
    const double meterProSekunde = optionen.Strecke.Tempo / 3.6;
    Trackpunkt p;
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
            p.Punkt = k;
            p.Abschnittsanfang = k == 0;
            linie.Ort(meter, p.Breite, p.Laenge);
            punkt(p);
        }
    }
}

std::optional<std::pair<Trackpunkt, Trackpunkt>> Spurenden(const Profile& route,
                                                           const Formatoptionen& optionen) {
    const ProfileSection* erster = nullptr;
    const ProfileSection* letzter = nullptr;
    for (const ProfileSection& a : route.Abschnitte) {
        if (PunkteIn(a) == 0) continue;
        if (erster == nullptr) erster = &a;
        letzter = &a;
    }
    if (erster == nullptr) return std::nullopt;
    std::vector<Trackpunkt> enden;
    SpurAbgehen(
        route, optionen, [&](const Trackpunkt& p) { enden.push_back(p); },
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

void Zeitpunkt(CText& text, double sekunden) {
    using namespace std::chrono;
    constexpr int64_t MsProTag = 86400000;
    // Held between 1970 and some thousand years on: a damaged file's distances of 1e38 km.
    const double s0 = std::isfinite(sekunden) ? std::clamp(sekunden, -1.0 * Startzeit, 1e11) : 0.0;
    const int64_t ms = std::llround(s0 * 1000.0) + Startzeit * 1000;
    const int64_t tag = ms / MsProTag - (ms % MsProTag < 0);
    // A ride stays on one day for hours: its date is made once.
    thread_local int64_t datumTag = INT64_MIN;
    thread_local char datum[16];
    if (tag != datumTag) {
        datumTag = tag;
        const year_month_day d{sys_days(days(tag))};
        std::snprintf(datum, sizeof datum, "%04d-%02u-%02uT", static_cast<int>(d.year()),
                      static_cast<unsigned>(d.month()), static_cast<unsigned>(d.day()));
    }
    const auto imTag = static_cast<uint32_t>(ms - tag * MsProTag);
    const uint32_t s = imTag / 1000;
    const uint32_t teile[] = {s / 3600, s / 60 % 60, s % 60};
    char zeit[14] = {'0', '0', ':', '0', '0', ':', '0', '0', '.', '0', '0', '0', 'Z'};
    for (int i = 0; i < 3; ++i) {
        zeit[3 * i] = static_cast<char>('0' + teile[i] / 10);
        zeit[3 * i + 1] = static_cast<char>('0' + teile[i] % 10);
    }
    const uint32_t tausendstel = imTag % 1000;
    zeit[9] = static_cast<char>('0' + tausendstel / 100);
    zeit[10] = static_cast<char>('0' + tausendstel / 10 % 10);
    zeit[11] = static_cast<char>('0' + tausendstel % 10);
    text.Text(datum).Text(std::string_view(zeit, 13));
}

void Dezimal(CText& text, double wert, int stellen) {
    static constexpr double Skala[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    const double skaliert = std::round(std::fabs(wert) * Skala[stellen]);
    const bool zahl = std::isfinite(wert) && std::fabs(wert) < 9e9;
    auto ganz = zahl ? static_cast<uint64_t>(skaliert) : 0;
    // Written from the back: the decimals, the point, the whole part, the sign.
    char ziffern[32];
    char* q = ziffern + sizeof ziffern;
    for (int i = 0; i < stellen; ++i, ganz /= 10)
        *--q = static_cast<char>('0' + ganz % 10);
    if (stellen > 0) *--q = '.';
    do {
        *--q = static_cast<char>('0' + ganz % 10);
        ganz /= 10;
    } while (ganz > 0);
    if (zahl && wert < 0.0 && skaliert > 0.0) *--q = '-';
    text.Text(std::string_view(q, static_cast<size_t>(ziffern + sizeof ziffern - q)));
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
