#include "files/fit_export.h"
#include "files/format_streams.h"
#include "files/gpx_export.h"
#include "files/route_formats.h"
#include "files/tcx_export.h"
#include "files/track_reading.h"

#include "support/route_builder.h"

#include <gtest/gtest.h>
#include <set>

// Every entry of the table: a unique name, lower-case extensions, its pattern in the filter of
// the dialogs that offer it, found again by its extension in any case; the profile file leads.
TEST(Routenformate, EveryEntryIsOfferedWhereItBelongs) {
    ASSERT_EQ(Profilformat().Name(), "hpx");
    EXPECT_EQ(DialogFilter({&Profilformat()}), "Hoprex Daten (*.hpx)");
    EXPECT_EQ(DialogFilter(Exportformate()).rfind("Hoprex Daten (*.txt)", 0), 0u);
    std::set<std::string_view> namen;
    for (const Routenformat* f : Routenformate()) {
        SCOPED_TRACE(std::string(f->Name()));
        EXPECT_TRUE(namen.insert(f->Name()).second);
        EXPECT_EQ(FormatNamens(f->Name()), f);
        EXPECT_TRUE(f->Liest() || f->Schreibt());
        const bool export_ = f->Schreibt() && f != &Profilformat();
        ASSERT_FALSE(f->Endungen().empty());
        for (const std::string& endung : f->Endungen()) {
            std::string gross = endung;
            for (char& c : gross)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            const std::string muster = "*." + endung;
            EXPECT_EQ(DialogFilter(Leseformate()).find(muster) != std::string::npos, f->Liest());
            EXPECT_EQ(DialogFilter(Exportformate()).find(muster) != std::string::npos, export_);
            if (export_) {
                EXPECT_EQ(&ExportformatFuer("/tmp/a.b/route." + gross), f);
            }
            if (f->Liest()) {
                EXPECT_EQ(&LeseformatFuer("route." + gross), f);
            }
        }
    }
    // A name of no format's extension: the text export and the profile file, as always.
    EXPECT_EQ(ExportformatFuer("route.csv").Name(), "txt");
    EXPECT_EQ(ExportformatFuer("route").Name(), "txt");
    EXPECT_EQ(LeseformatFuer("route.dat").Name(), "hpx");
    EXPECT_EQ(FormatNamens("gibtsnicht"), nullptr);
}

// What a format writes it reads back: the route's sections, heights, vertices and
// descriptions, and the same bytes when written again.
TEST(Routenformate, EveryWriterRoundTripsWhereTheFormatReads) {
    Profile route = Tour(30, 200, 0.01f);
    route.Abschnitte[3].Beschreibung = "Über den Paß → hinauf";
    route.Abschnitte[4].Punkte[7].Stuetzpunkt = 1;
    for (const Routenformat* f : Routenformate()) {
        if (!f->Liest() || !f->Schreibt()) continue;
        SCOPED_TRACE(std::string(f->Name()));
        const std::string inhalt = RoutenInhalt(*f, route);
        Profile gelesen;
        int32_t zeile = 0;
        ASSERT_TRUE(RouteLesen(*f, inhalt, gelesen, zeile)) << zeile;
        ASSERT_EQ(gelesen.AnzahlAbschnitte(), route.AnzahlAbschnitte());
        for (int32_t s = 0; s < route.AnzahlAbschnitte(); ++s) {
            const ProfileSection& a = route.Abschnitte[s];
            const ProfileSection& b = gelesen.Abschnitte[s];
            ASSERT_EQ(b.Punktanzahl, a.Punktanzahl) << s;
            // "→" is beyond Windows-1252's reach and comes back as the "?" the file holds.
            EXPECT_EQ(b.Beschreibung, s == 3 ? "Über den Paß ? hinauf" : a.Beschreibung);
            for (int32_t j = 0; j < a.Punktanzahl; ++j) {
                ASSERT_EQ(b.Punkte[j].Hoehe, a.Punkte[j].Hoehe) << s << " " << j;
                ASSERT_EQ(b.Punkte[j].Stuetzpunkt, a.Punkte[j].Stuetzpunkt) << s << " " << j;
            }
        }
        EXPECT_EQ(RoutenInhalt(*f, gelesen), inhalt);
    }
}

// A TCX course announces each climb at its summit with its category: a climb of 3 km at 6 %
// (score 18,000: category 3) and, after a descent, one of 12 km at 7 % (HC).
TEST(Routenformate, TheCourseMarksEachSummitWithItsCategory) {
    const Profile route = Steigungsroute({{1, 0}, {3, 6}, {1, -5}, {12, 7}, {1, 0}});
    const std::string tcx = RoutenInhalt(TcxFormat(), route);
    const auto punkt = [&](size_t ab) {
        const size_t anfang = tcx.find("<CoursePoint>", ab);
        return anfang == std::string::npos
                   ? std::string()
                   : tcx.substr(anfang, tcx.find("</CoursePoint>", anfang) - anfang);
    };
    const std::string erster = punkt(0);
    const std::string zweiter = punkt(tcx.find("</CoursePoint>"));
    EXPECT_NE(erster.find("<AltitudeMeters>680</AltitudeMeters><PointType>3rd Category"),
              std::string::npos)
        << erster;
    EXPECT_NE(zweiter.find("<AltitudeMeters>1470</AltitudeMeters><PointType>Hors Category"),
              std::string::npos)
        << zweiter;
    EXPECT_EQ(punkt(tcx.rfind("</CoursePoint>")), "");
    EXPECT_LT(tcx.rfind("</Track>"), tcx.find("<CoursePoint>")); // the schema's order
}

// What the track formats write, the track reader reads back: every point with its height, and
// the route's length from the file's own distances or the geodesic along its positions.
TEST(Routenformate, TracksWrittenReadBackThroughTheTrackReader) {
    const Profile route = Steigungsroute({{1, 0}, {3, 6}, {1, -5}}, 500, 100);
    std::vector<int32_t> hoehen;
    for (const ProfileSection& a : route.Abschnitte)
        for (int32_t k = 0; k < a.Punktanzahl; ++k)
            hoehen.push_back(a.Punkte[k].Hoehe);
    for (const Routenformat* format : {&GpxFormat(), &TcxFormat(), &FitFormat()}) {
        SCOPED_TRACE(std::string(format->Name()));
        std::vector<Spur> spuren;
        std::string fehler;
        ASSERT_TRUE(SpurenLesen(RoutenInhalt(*format, route), spuren, fehler)) << fehler;
        ASSERT_EQ(spuren.size(), 1u);
        ASSERT_EQ(spuren[0].Punkte.size(), hoehen.size());
        for (size_t i = 0; i < hoehen.size(); ++i)
            ASSERT_NEAR(*spuren[0].Punkte[i].Hoehe, hoehen[i], 1.0) << i;
        Profile gelesen;
        ASSERT_TRUE(SpurenAlsProfil(spuren, 25, "Route", gelesen, fehler)) << fehler;
        double meter = 0;
        for (const ProfileSection& a : gelesen.Abschnitte)
            for (int32_t k = 0; k < a.Punktanzahl; ++k)
                meter += a.Punkte[k].Abstand * 1000.0;
        EXPECT_NEAR(meter, 5000.0, 5.0); // 0.1 %
    }
}
