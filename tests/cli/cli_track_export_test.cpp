// The track and course exports through the real hoprex-cli, read back by the programs people
// use: gpsbabel for GPX, TCX and FIT, python3-gpxpy for GPX, and the slope course's own lines.
#include "cli_process.h"
#include "files/profile_file.h"
#include "model/profile.h"
#include "support/route_builder.h"
#include "support/temp_dir.h"

#include <QProcess>
#include <cmath>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace {

std::string Ausgabe(const QString& programm, const QStringList& argumente) {
    QProcess p;
    p.start(programm, argumente);
    EXPECT_TRUE(p.waitForFinished(120000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput().toStdString();
}

struct Gelesen {
    double Meter = 0.0;         // the reader's distance along the points
    std::vector<double> Hoehen; // m, per point
};

// gpsbabel's track points of `datei`: its CSV lines "No,Latitude,Longitude,Altitude,...", the
// length summed on a sphere of the mean radius.
Gelesen MitGpsbabel(const std::string& format, const std::string& datei) {
    std::istringstream zeilen(Ausgabe(
        "gpsbabel", {"-t", "-i", Q(format), "-f", Q(datei), "-o", "unicsv,utc=0", "-F", "-"}));
    std::string zeile;
    std::getline(zeilen, zeile);
    EXPECT_TRUE(zeile.starts_with("No,Latitude,Longitude,Altitude")) << zeile;
    Gelesen g;
    double breite0 = NAN, laenge0 = NAN;
    constexpr double rad = M_PI / 180.0;
    while (std::getline(zeilen, zeile)) {
        double nr, breite, laenge, hoehe;
        char k;
        std::istringstream felder(zeile);
        felder >> nr >> k >> breite >> k >> laenge >> k >> hoehe;
        if (!std::isnan(breite0)) {
            const double a = std::pow(std::sin((breite - breite0) * rad / 2), 2) +
                             std::cos(breite0 * rad) * std::cos(breite * rad) *
                                 std::pow(std::sin((laenge - laenge0) * rad / 2), 2);
            g.Meter += 2 * 6371008.8 * std::asin(std::sqrt(a));
        }
        breite0 = breite;
        laenge0 = laenge;
        g.Hoehen.push_back(hoehe);
    }
    return g;
}

// The GPX through gpxpy: its 2-D length, the waypoints' names, every track point's elevation.
std::string MitGpxpy(const std::string& datei) {
    return Ausgabe("/usr/bin/python3",
                   {"-c",
                    "import gpxpy, sys\n"
                    "g = gpxpy.parse(open(sys.argv[1], encoding='utf-8'))\n"
                    "print(g.length_2d())\n"
                    "print('|'.join(w.name for w in g.waypoints))\n"
                    "print(' '.join(str(int(p.elevation)) for t in g.tracks for s in t.segments "
                    "for p in s.points))\n",
                    Q(datei)});
}

std::vector<int32_t> Hoehen(const Profile& route) {
    std::vector<int32_t> h;
    for (const ProfileSection& a : route.Abschnitte)
        for (int32_t k = 0; k < a.Punktanzahl; ++k)
            h.push_back(a.Punkte[k].Hoehe);
    return h;
}

// Writes `route` as a profile file, exports it in each track format through hoprex-cli (with
// the defaults: plain heights) and reads every file back: the length between the first and the
// last point within 0.5 %, every height within 1 m; the slope course sums to the route's length
// and climbs from the first height to the last.
void Rundreise(const Profile& route, bool mitGpxpy) {
    TempDir dir;
    const std::string hpx = dir.Datei("route.hpx");
    DateiAnlegen(hpx, ProfilDateiInhalt(route));
    const std::vector<int32_t> hoehen = Hoehen(route);
    // The steps the test laid out, in m: all of them, and from the first point to the last.
    double strecke = 0.0;
    for (const ProfileSection& a : route.Abschnitte)
        for (int32_t k = 0; k < a.Punktanzahl; ++k)
            strecke += a.Punkte[k].Abstand * 1000.0;
    const double laenge = strecke - route.Abschnitte.front().Punkte[0].Abstand * 1000.0;
    for (const auto& [endung, leser] :
         {std::pair{"gpx", "gpx"}, {"tcx", "gtrnctr"}, {"fit", "garmin_fit"}}) {
        SCOPED_TRACE(endung);
        const std::string datei = dir.Datei(std::string("route.") + endung);
        const Lauf l = Starten({"export", "-o", Q(datei), Q(hpx)});
        ASSERT_EQ(l.Status, 0) << l.Fehler;
        const Gelesen g = MitGpsbabel(leser, datei);
        EXPECT_NEAR(g.Meter, laenge, laenge * 0.005);
        ASSERT_EQ(g.Hoehen.size(), hoehen.size());
        for (size_t i = 0; i < hoehen.size(); ++i)
            ASSERT_NEAR(g.Hoehen[i], hoehen[i], 1.0) << "point " << i;
    }
    if (mitGpxpy) {
        std::istringstream gpxpy(MitGpxpy(dir.Datei("route.gpx")));
        double meter = 0.0;
        std::string namen, zeile;
        gpxpy >> meter;
        gpxpy.ignore();
        std::getline(gpxpy, namen);
        std::getline(gpxpy, zeile);
        EXPECT_NEAR(meter, laenge, laenge * 0.005);
        std::string erwartet;
        for (int32_t h : hoehen)
            erwartet += (erwartet.empty() ? "" : " ") + std::to_string(h);
        EXPECT_EQ(zeile, erwartet);
        std::string beschreibungen;
        for (const ProfileSection& a : route.Abschnitte)
            if (!a.Beschreibung.empty())
                beschreibungen += (beschreibungen.empty() ? "" : "|") + a.Beschreibung;
        EXPECT_EQ(namen, beschreibungen);
    }

    const std::string crs = dir.Datei("route.crs");
    ASSERT_EQ(Starten({"export", "-o", Q(crs), Q(hpx)}).Status, 0);
    std::istringstream kurs(DateiInhalt(crs));
    std::string zeile;
    while (std::getline(kurs, zeile) && zeile != "[COURSE DATA]\r") {
    }
    double km = 0.0, anstieg = 0.0;
    int32_t segmente = 0;
    while (std::getline(kurs, zeile) && zeile != "[END COURSE DATA]\r") {
        double laengeKm = 0.0, prozent = 0.0, wind = 1.0;
        std::istringstream(zeile) >> laengeKm >> prozent >> wind;
        EXPECT_LE(laengeKm, 0.1 + 1e-9);
        EXPECT_EQ(wind, 0.0);
        km += laengeKm;
        anstieg += laengeKm * 1000.0 * prozent / 100.0;
        ++segmente;
    }
    EXPECT_EQ(segmente, static_cast<int32_t>(std::ceil(strecke / 100.0 - 1e-6)));
    EXPECT_NEAR(km * 1000.0, strecke, 1e-3);
    EXPECT_NEAR(anstieg, hoehen.back() - hoehen.front(), 1.0);
}

} // namespace

TEST(CliStreckenExport, SmallRouteReadBackByGpsbabelAndGpxpy) {
    Profile route = Steigungsroute({{1.0, 0.0}, {2.0, 8.0}, {1.5, -6.0}}, 500, 100);
    BeschreibungSetzen(route.Abschnitte[0], "Start & Ziel <Süd>");
    BeschreibungSetzen(route.Abschnitte[1], "\"Über den Paß\"");
    Rundreise(route, true);
}

TEST(CliStreckenExport, ThousandSectionsReadBackByGpsbabel) {
    Rundreise(Tour(1000, MaxPunkte, 0.002f), false);
}
