// Tracks read in as the current profile: GPX made by the test, TCX and FIT made from it by
// gpsbabel, and foreign files that must be refused.
#include "files/track_reading.h"
#include "support/message_log.h"
#include "support/temp_dir.h"
#include "support/track_builder.h"

#include <gtest/gtest.h>

namespace {

struct Gelesen {
    std::optional<Profile> Profil;
    MeldungsProtokoll Meldungen;
};

Gelesen Lesen(const std::string& inhalt, const std::string& name = "spur.gpx",
              int32_t abstand = SpurAbstandVorgabe) {
    Gelesen g;
    g.Profil = SpurAusInhalt(Profile{}, inhalt, name, abstand, g.Meldungen);
    return g;
}

// Every point of `p` against the truth at its place along the track, scaled to the length
// the reader measured (gpsbabel's own distances are measured on a sphere).
void WieDieWahrheit(const Profile& p, const Testspur& wahr, const std::string& art) {
    SCOPED_TRACE(art);
    ASSERT_GE(p.AnzahlAbschnitte(), 1);
    const double laenge = p.Strecke * 1000.0;
    EXPECT_NEAR(laenge, wahr.Laenge(), wahr.Laenge() * 0.005);
    double s = 0.0;
    int32_t teil = 0;
    for (const ProfileSection& a : p.Abschnitte) {
        EXPECT_EQ(a.Markiert, 1);
        EXPECT_EQ(a.Beschreibung, "Hügel und Tal " + std::to_string(++teil));
        for (int32_t k = 0; k < a.Punktanzahl; ++k) {
            s += a.Punkte[static_cast<size_t>(k)].Abstand * 1000.0;
            ASSERT_NEAR(a.Punkte[static_cast<size_t>(k)].Hoehe,
                        wahr.HoeheBei(s * wahr.Laenge() / laenge), 1.0)
                << "bei " << s << " m";
        }
    }
}

} // namespace

TEST(Spuren, AGpxAndTheTcxAndFitMadeFromItGiveTheSameSections) {
    // 15 km: 601 points at 25 m, two sections.
    const Testspur wahr = Huegelspur(151, 100.0);
    TempDir dir;
    DateiAnlegen(dir.Datei("spur.gpx"), GpxAus(wahr));
    ASSERT_TRUE(Gpsbabel(dir.Datei("spur.gpx"), "gpx", dir.Datei("spur.tcx"), "gtrnctr"));
    ASSERT_TRUE(Gpsbabel(dir.Datei("spur.gpx"), "gpx", dir.Datei("spur.fit"), "garmin_fit"));

    for (const char* name : {"spur.gpx", "spur.tcx", "spur.fit"}) {
        MeldungsProtokoll meldungen;
        const std::optional<Profile> p =
            SpurDateiLaden(Profile{}, dir.Datei(name), SpurAbstandVorgabe, meldungen);
        ASSERT_TRUE(p) << name << ": "
                       << (meldungen.Eintraege.empty() ? "" : meldungen.Eintraege[0].Text);
        EXPECT_EQ(p->AnzahlAbschnitte(), 2);
        EXPECT_EQ(p->Abschnitte[0].Punktanzahl, MaxPunkte);
        WieDieWahrheit(*p, wahr, name);
    }

    // A route of the GPX reads as its track; the step comes from the settings.
    const Gelesen route = Lesen(GpxAus(wahr, true, true), "route.gpx", 100);
    ASSERT_TRUE(route.Profil);
    EXPECT_EQ(route.Profil->AnzahlAbschnitte(), 1);
    EXPECT_EQ(route.Profil->Abschnitte[0].Punktanzahl, 151);
    EXPECT_EQ(route.Profil->Abschnitte[0].Punkte[0].Abstand, 0.0f);
    EXPECT_FLOAT_EQ(route.Profil->Abschnitte[0].Punkte[1].Abstand, 0.1f);
    WieDieWahrheit(*route.Profil, wahr, "route");
}

TEST(Spuren, WhatCannotBeAProfileIsRefusedWithItsReason) {
    const Testspur wahr = Huegelspur(40, 50.0);
    const std::string gpx = GpxAus(wahr);
    const std::string fit = FitMitRecords(100);
    std::string falscheCrc = fit;
    falscheCrc[40] ^= 0x01;
    const Testspur einzeln = Huegelspur(1, 50.0);
    const std::string namespaced =
        "<?xml version=\"1.0\"?><g:gpx xmlns:g=\"http://www.topografix.com/GPX/1/1\"><g:trk>"
        "<g:trkseg><g:trkpt lat=\"47\" lon=\"8\"><g:ele><![CDATA[ 400 ]]></g:ele></g:trkpt>"
        "<!-- a comment --><g:trkpt lat=\"47.001\" lon=\"8\"><g:ele>&#52;10</g:ele></g:trkpt>"
        "</g:trkseg></g:trk></g:gpx>";

    const struct {
        std::string Inhalt, Grund;
    } faelle[] = {
        {gpx.substr(0, gpx.size() / 2), "kein vollständiges, wohlgeformtes XML"},
        {GpxAus(wahr, false), "keine Höhenangaben"},
        {GpxAus(einzeln), "weniger als zwei Punkte"},
        {falscheCrc, "Prüfsumme der FIT-Datei stimmt nicht"},
        {fit.substr(0, fit.size() - 9), "unvollständig"},
        {"<html><body>Spur</body></html>", "weder eine GPX- noch eine TCX-Datei"},
        {"<gpx><trk><trkseg><trkpt lat=\"91\" lon=\"8\"/></trkseg></trk></gpx>",
         "Ungültige Breite „91“"},
        {"<gpx><trk><trkseg><trkpt lat=\"47\" lon=\"8\"><ele>hoch</ele></trkpt></trkseg></trk>"
         "</gpx>",
         "Ungültige Höhe „hoch“"},
        {FitMitRecords(10'000'000), "mehr als 1000000 Punkte"},
    };
    for (const auto& fall : faelle) {
        const Gelesen g = Lesen(fall.Inhalt);
        EXPECT_FALSE(g.Profil) << fall.Grund;
        ASSERT_EQ(g.Meldungen.Eintraege.size(), 1u) << fall.Grund;
        EXPECT_EQ(g.Meldungen.Eintraege[0].Titel, "Fehler");
        EXPECT_NE(g.Meldungen.Eintraege[0].Text.find(fall.Grund), std::string::npos)
            << g.Meldungen.Eintraege[0].Text;
    }

    // Prefixes, CDATA, comments and character references are XML as any other; a track
    // without a name is named after its file.
    const Gelesen g = Lesen(namespaced, "/ordner/Pass.gpx", 25);
    ASSERT_TRUE(g.Profil) << g.Meldungen.Eintraege.at(0).Text;
    const ProfileSection& a = g.Profil->Abschnitte.at(0);
    EXPECT_EQ(a.Beschreibung, "Pass 1");
    EXPECT_EQ(a.Punkte[0].Hoehe, 400);
    EXPECT_EQ(a.Punkte[static_cast<size_t>(a.Punktanzahl - 1)].Hoehe, 410);
    EXPECT_EQ(g.Profil->HoeheMax, 410);

    // An empty track beside the route is left out.
    std::string mitLeerer = GpxAus(wahr, true, true);
    mitLeerer.insert(mitLeerer.find("<rte>"), "<trk><name>leer</name></trk>");
    const Gelesen r = Lesen(mitLeerer);
    ASSERT_TRUE(r.Profil);
    EXPECT_EQ(r.Profil->AnzahlAbschnitte(), 1);

    // The FIT file's own distances: 99 m at 25 m, heights 400 m.
    const Gelesen f = Lesen(fit, "x.fit", 25);
    ASSERT_TRUE(f.Profil);
    EXPECT_EQ(f.Profil->Abschnitte.at(0).Punktanzahl, 5);
    EXPECT_NEAR(f.Profil->Strecke, 0.099f, 1e-6f);
    EXPECT_EQ(f.Profil->HoeheMin, 400);
}
