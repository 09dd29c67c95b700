#include "support/track_builder.h"

#include "files/fit_crc.h"

#include <GeographicLib/Geodesic.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

double Testspur::HoeheBei(double s) const {
    const double k = std::clamp(s / Schritt, 0.0, static_cast<double>(Hoehen.size() - 1));
    const size_t i = std::min(static_cast<size_t>(k), Hoehen.size() - 2);
    return Hoehen[i] + (Hoehen[i + 1] - Hoehen[i]) * (k - static_cast<double>(i));
}

Testspur Huegelspur(int32_t punkte, double schritt) {
    Testspur spur{"Hügel und Tal", schritt, {}};
    for (int32_t k = 0; k < punkte; ++k)
        spur.Hoehen.push_back(std::round((400.0 + 30.0 * std::sin(k / 5.0)) * 10.0) / 10.0);
    return spur;
}

std::string GpxAus(const Testspur& spur, bool hoehen, bool route) {
    std::string gpx =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<gpx version=\"1.1\" creator=\"test\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
    gpx +=
        route ? "<rte><name>Hügel und Tal</name>\n" : "<trk><name>Hügel und Tal</name><trkseg>\n";
    const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();
    for (size_t k = 0; k < spur.Hoehen.size(); ++k) {
        double breite = 0.0, laenge = 0.0;
        wgs84.Direct(47.0, 8.0, 0.0, spur.Schritt * static_cast<double>(k), breite, laenge);
        char zeile[256];
        std::snprintf(
            zeile, sizeof zeile,
            "<%s lat=\"%.9f\" lon=\"%.9f\">%s<time>2024-05-01T08:%02d:%02dZ</time></%s>\n",
            route ? "rtept" : "trkpt", breite, laenge,
            hoehen ? ("<ele>" + std::to_string(spur.Hoehen[k]) + "</ele>").c_str() : "",
            static_cast<int>(k / 60 % 60), static_cast<int>(k % 60), route ? "rtept" : "trkpt");
        gpx += zeile;
    }
    gpx += route ? "</rte>\n</gpx>\n" : "</trkseg></trk>\n</gpx>\n";
    return gpx;
}

bool Gpsbabel(const std::string& ein, const std::string& von, const std::string& aus,
              const std::string& nach) {
    const std::string befehl =
        "gpsbabel -t -r -i " + von + " -f '" + ein + "' -o " + nach + " -F '" + aus + "'";
    return std::system(befehl.c_str()) == 0;
}

namespace {

void Anhaengen(std::string& d, uint32_t wert, int bytes) {
    for (int i = 0; i < bytes; ++i)
        d += static_cast<char>((wert >> (8 * i)) & 0xFF);
}

} // namespace

std::string FitMitRecords(size_t records) {
    std::string d;
    d.reserve(14 + 12 + records * 7 + 2);
    d += static_cast<char>(14);
    d += static_cast<char>(0x20);
    Anhaengen(d, 2132, 2);
    Anhaengen(d, 0, 4); // data size, set below
    d += ".FIT";
    Anhaengen(d, 0, 2); // no header CRC
    // Definition of local message 0 as record (20): distance (5, uint32) and altitude (2, uint16).
    d += std::string("\x40\x00\x00\x14\x00\x02\x05\x04\x86\x02\x02\x84", 12);
    for (size_t i = 0; i < records; ++i) {
        d += '\0';
        Anhaengen(d, static_cast<uint32_t>(i * 100), 4);
        Anhaengen(d, (500 + 400) * 5, 2);
    }
    const uint32_t daten = static_cast<uint32_t>(d.size() - 14);
    for (int i = 0; i < 4; ++i)
        d[static_cast<size_t>(4 + i)] = static_cast<char>((daten >> (8 * i)) & 0xFF);
    Anhaengen(d, FitCrc(reinterpret_cast<const unsigned char*>(d.data()), d.size()), 2);
    return d;
}
