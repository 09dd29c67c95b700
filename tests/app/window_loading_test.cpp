// Opening a profile file into the lower half while "Höhenlinie Glättung" is ticked.
#include "files/profile_file.h"
#include "files/text_export.h"
#include "model/smoothing.h"
#include "support/profile_builder.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

// The change handler of T_Schwelle smoothed with the old gradient window text and stored it
// over the one just loaded: a file with 451 / 10 was saved back with 100, and the window's
// export differed from hoprex-cli's. The file's window lengths win.
TEST(HoprexLaden, WithSmoothingOnTheFilesWindowLengthsWin) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    MausKlick(f.CB_Glaettung);
    ASSERT_TRUE(f.CB_Glaettung->isChecked());

    std::vector<int32_t> hoehen;
    for (int32_t j = 0; j < 200; ++j)
        hoehen.push_back(600 + (j * 37) % 90);
    Profile datei = ProfilAus({Abschnitt(hoehen, 0.02f, "Anstieg")});
    datei.GlaettungMittelungUeber = 451;
    datei.SteigungMittelungUeber = 10;
    ProfilLaden(u, "route.hpx", datei, true);
    EXPECT_EQ(f.T_Schwelle->text(), "451");
    EXPECT_EQ(f.T_SteigungGlaettung->text(), "10");
    EXPECT_EQ(f.Daten.Gesamt.GlaettungMittelungUeber, 451);
    EXPECT_EQ(f.Daten.Gesamt.SteigungMittelungUeber, 10);

    // Saved again, the file is the same file.
    u.Dialoge.Pfade.push_back(u.Pfad("wieder.hpx"));
    MausKlick(f.BT_GesamtWerteSpeichern);
    EXPECT_EQ(DateiInhalt(u.Ordner.Datei("wieder.hpx")), ProfilDateiInhalt(datei));

    // The export holds the gradients of the file's 10 m, as the command-line tool computes them.
    Glaettungslauf(datei, 451, 10);
    Statistik(datei);
    TExportOptions mitGlaettung;
    mitGlaettung.Glaettung = true;
    EXPECT_EQ(ExportInhalt(f.Daten.Gesamt, mitGlaettung), ExportInhalt(datei, mitGlaettung));
    EXPECT_TRUE(u.Dialoge.Boxen.empty());
}
