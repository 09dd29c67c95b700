// hoprex-cli anstiege on a route built with two climbs of known figures.
#include "cli_process.h"
#include "files/profile_file.h"
#include "support/route_builder.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// Flat at 500 m from 0.02 to 1.02 km, 2 km up at 6 % to 620 m, 1 km down at 3 %, 1.5 km up at
// 8 % to 710 m at the last point (5.52 km), in sections of 100 points, smoothed over 450 m.
std::string ZweiAnstiege(const TempDir& dir, bool flach = false) {
    const Profile p =
        Steigungsroute(flach ? std::vector<Steigungsstueck>{{5.5, 0}}
                             : std::vector<Steigungsstueck>{{1, 0}, {2, 6}, {1, -3}, {1.5, 8}},
                       500, 100, 450);
    const std::string pfad = dir.Datei(flach ? "flach.hpx" : "route.hpx");
    DateiAnlegen(pfad, ProfilDateiInhalt(p));
    return pfad;
}

const std::string Kopf = "Nr\tvon km\tbis km\tLänge km\tHöhenmeter\tSteigung %\tmax. Steigung "
                         "%\tKategorie\tFIETS\n";

} // namespace

TEST(CliAnstiege, PrintsEachClimbInRouteOrder) {
    TempDir dir;
    const Lauf l = Starten({"anstiege", Q(ZweiAnstiege(dir))});
    EXPECT_EQ(l.Status, 0) << l.Fehler;
    EXPECT_EQ(l.Fehler, "");
    // FIETS: 120 m squared over ten times 2,000 m and 1,500 m.
    EXPECT_EQ(l.Aus, Kopf + "1\t1.02\t3.02\t2.00\t120\t6.0\t6.0\t4\t0.72\n"
                            "2\t4.02\t5.52\t1.50\t120\t8.0\t8.0\t4\t0.96\n");

    // On the smoothed line the feet round off: the climbs start earlier, gain as much.
    const Lauf g = Starten({"anstiege", "--glaettung", Q(ZweiAnstiege(dir))});
    EXPECT_EQ(g.Status, 0) << g.Fehler;
    ASSERT_EQ(g.Aus.rfind(Kopf, 0), 0u);
    const std::string zeilen = g.Aus.substr(Kopf.size());
    ASSERT_EQ(std::count(zeilen.begin(), zeilen.end(), '\n'), 2);
    EXPECT_LT(std::stod(zeilen.substr(2)), 1.02);
    EXPECT_NE(zeilen.find("\t4\t"), std::string::npos);

    // A route without a climb: the header alone.
    EXPECT_EQ(Starten({"anstiege", Q(ZweiAnstiege(dir, true))}).Aus, Kopf);
    EXPECT_EQ(Starten({"anstiege", "-o", "x.txt", Q(ZweiAnstiege(dir))}).Status, 2);
    EXPECT_NE(Starten({"--help"}).Aus.find("hoprex-cli anstiege [--glaettung] EIN.hpx"),
              std::string::npos);
}
