// Nothing of the route is lost in the window: opening a file from outside the dialogs, the
// question before unsaved changes are thrown away, and the title that shows the route's state.
#include "app/section_list.h"
#include "files/profile_file.h"
#include "support/profile_builder.h"
#include "window_fixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// A B C: 1, 2 and 3 km.
Profile Route() {
    return ProfilAus({Abschnitt({100, 200}, {0.0f, 1.0f}, "A"),
                      Abschnitt({200, 300}, {0.0f, 2.0f}, "B"),
                      Abschnitt({300, 400}, {0.0f, 3.0f}, "C")});
}

} // namespace

TEST(HoprexOeffnen, AFileNamedFromOutsideLoadsAsTheLowerOpenDoes) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    Profile route = Route();
    route.GlaettungMittelungUeber = 700;
    DateiAnlegen(u.Ordner.Datei("route.hpx"), ProfilDateiInhalt(route));

    EXPECT_TRUE(f.GesamtDateiOeffnen(u.Pfad("route.hpx")));
    EXPECT_EQ(f.LB_HAbschnitteGesamt->count(), 3);
    EXPECT_EQ(f.Daten.Dateiname, "route");
    EXPECT_EQ(f.T_Schwelle->text(), "700");
    EXPECT_TRUE(u.Dialoge.Fragen.empty());

    // A file that cannot be read: its message, and the route stays.
    EXPECT_FALSE(f.GesamtDateiOeffnen(u.Pfad("fehlt.hpx")));
    EXPECT_EQ(u.Dialoge.Boxen,
              (std::vector<TestDialoge::Box>{
                  {false, "Fehler", QStringLiteral("Fehler beim Öffnen der Datei")}}));
    EXPECT_EQ(f.LB_HAbschnitteGesamt->count(), 3);
}
