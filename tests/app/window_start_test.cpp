#include "app/graph_surface.h"
#include "app/section_list.h"
#include "app/up_down.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

bool Freigegeben(const THoprex& f) {
    return f.TE_SkalFixMax->isEnabled() && f.TE_SkalFixMin->isEnabled() &&
           f.UD_SkalFixMax->isEnabled() && f.UD_SkalFixMin->isEnabled() &&
           f.L_SkalFixMax->isEnabled() && f.L_SkalFixMin->isEnabled();
}

bool Gesperrt(const THoprex& f) {
    return !f.TE_SkalFixMax->isEnabled() && !f.TE_SkalFixMin->isEnabled() &&
           !f.UD_SkalFixMax->isEnabled() && !f.UD_SkalFixMin->isEnabled() &&
           !f.L_SkalFixMax->isEnabled() && !f.L_SkalFixMin->isEnabled();
}

} // namespace

TEST(HoprexStart, WithoutSettingsFileTheDefaultsShow) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    EXPECT_EQ(f.T_Schwelle->text(), "450");
    EXPECT_EQ(f.T_Steigung->text(), "30");
    EXPECT_EQ(f.T_SteigungGlaettung->text(), "100");
    EXPECT_EQ(f.TE_SkalFixMax->text(), "2000");
    EXPECT_EQ(f.TE_SkalFixMin->text(), "1");
    EXPECT_FALSE(f.CB_SkalFix->isChecked());
    EXPECT_FALSE(f.CB_Glaettung->isChecked());
    EXPECT_TRUE(Gesperrt(f));
    EXPECT_EQ(f.LB_HAbschnitteAktuell->count(), 0);
    EXPECT_EQ(f.LB_HAbschnitteGesamt->count(), 0);
    EXPECT_EQ(f.Daten.Einfuegemarke, 0);
    EXPECT_TRUE(f.T_SteigungNurBei->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), f.T_Schwelle);
    EXPECT_TRUE(u.Dialoge.Boxen.empty());

    // The current row keeps its blank captions until a profile comes; the totals of the
    // never-computed overall profile show its zeros and the empty ascent and descent.
    EXPECT_EQ(f.E_AktuellStrecke->text(), "");
    EXPECT_EQ(f.E_HoeheMaxAktuell->text(), "");
    EXPECT_EQ(f.E_GesamtStrecke->text(), "0.00");
    EXPECT_EQ(f.E_HoeheMaxGesamt->text(), "0");
    EXPECT_EQ(f.E_HoeheMinGesamt->text(), "0");
    EXPECT_EQ(f.E_HoehenmeterPlusGesamt->text(), "");
    EXPECT_EQ(f.E_MarkiertStrecke->text(), "0.00");
    EXPECT_EQ(f.E_HoeheMaxMarkiert->text(), "");
}

TEST(HoprexStart, SettingsFileSetsTheControls) {
    FensterUmgebung u;
    DateiAnlegen(u.Einstellungen(), "[Glaettung]\r\nMittelungUeber=600\r\nGlaettungEinAus=1\r\n"
                                    "[Skalierung]\r\nFixEin=5\r\nSkalFixMax=2000\r\n"
                                    "SkalFixMin=3000\r\n[Steigung]\r\nsteigungmax=0x14\r\n");
    THoprex& f = u.Starten();
    EXPECT_TRUE(f.CB_SkalFix->isChecked());
    EXPECT_TRUE(f.Daten.SkalFixEin);
    EXPECT_TRUE(Freigegeben(f));
    EXPECT_TRUE(f.CB_Glaettung->isChecked());
    EXPECT_FALSE(f.T_SteigungNurBei->isVisible());
    EXPECT_EQ(f.T_Schwelle->text(), "600");
    EXPECT_EQ(f.T_Steigung->text(), "20");
    // The top of the fixed scale is kept above its bottom.
    EXPECT_EQ(f.TE_SkalFixMin->text(), "3000");
    EXPECT_EQ(f.TE_SkalFixMax->text(), "3001");
    EXPECT_EQ(f.Daten.SkalFixMax, 3001);
}

TEST(HoprexStart, ValuesBeyondASpinButtonsRangeComeToItsEnd) {
    FensterUmgebung u;
    DateiAnlegen(u.Einstellungen(),
                 "[Glaettung]\nMittelungUeber=50\n[Steigung]\nSteigungMax=500\n");
    THoprex& f = u.Starten();
    EXPECT_EQ(f.T_Schwelle->text(), "100");
    EXPECT_EQ(f.T_Steigung->text(), "100");
    EXPECT_EQ(f.Daten.Gesamt.SteigungMax, 100);
}

TEST(HoprexEnde, ClosingTheWindowWritesTheSettingsOfThisRun) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    MausKlick(f.CB_SkalFix);
    f.UpDown2->Schritt(+1);
    f.TE_SkalFixMin->setText("500");
    f.Daten.ExportOptions.Header = true;
    EXPECT_EQ(Hoprex, &f);
    u.Beenden();
    EXPECT_EQ(Hoprex, nullptr);

    const std::string ini = DateiInhalt(u.Einstellungen());
    for (const char* zeile :
         {"[Verzeichnisse]", "Laden=\n", "[Glaettung]", "MittelungUeber=450", "GlaettungEinAus=0",
          "[Skalierung]", "FixEin=1", "SkalFixMax=2000", "SkalFixMin=500", "[Steigung]",
          "MittelungUeber=100", "SteigungMax=40", "[ExportOptionen]", "Header=1", "MeterProPunkt=1",
          "StreckeInKm=1"})
        EXPECT_NE(ini.find(zeile), std::string::npos) << zeile << "\n" << ini;
    EXPECT_TRUE(u.Dialoge.Boxen.empty());
}

TEST(HoprexEnde, ASettingsFileThatCannotBeWrittenIsReportedAndTheWindowStillCloses) {
    FensterUmgebung u;
    // A folder cannot be created where a file stands.
    DateiAnlegen(u.Ordner.Datei("datei"), "");
    const std::string pfad = u.Ordner.Datei("datei") + "/hoprex.INI";
    auto fenster = std::make_unique<THoprex>(u.Dialoge, pfad);
    fenster.reset();
    ASSERT_EQ(u.Dialoge.Boxen.size(), 1u);
    EXPECT_EQ(u.Dialoge.Boxen[0].Titel, "Fehler");
    EXPECT_EQ(u.Dialoge.Boxen[0].Text,
              QString::fromStdString("nach " + pfad + " kann nicht geschrieben werden"));
    EXPECT_EQ(Hoprex, nullptr);
}

TEST(HoprexFenster, FixedSizeWithoutMaximiseAtItsPlace) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    EXPECT_EQ(f.windowTitle(), "Hoprex");
    EXPECT_EQ(f.size(), QSize(529, 588));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    EXPECT_FALSE(f.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(f.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(f.windowIcon().isNull());
    EXPECT_EQ(f.pos(), QPoint(329, 70));
    EXPECT_EQ(Hoprex, &f);
}

TEST(HoprexFenster, ControlsStandWhereTheLayoutPutsThem) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    const std::pair<QWidget*, QRect> plaetze[] = {
        {f.Image_HoehenverlaufAktuell, {12, 10, 409, 129}},
        {f.PB_BMPZwischenablage, {51, 67, 337, 20}},
        {f.LB_HAbschnitteAktuell, {8, 162, 417, 47}},
        {f.BitBtn2, {440, 8, 73, 25}},
        {f.BT_BMPAusZwischenablage, {431, 51, 90, 25}},
        {f.BT_WerteUebernehmen, {431, 105, 90, 41}},
        {f.TE_SkalFixMax, {431, 183, 33, 21}},
        {f.UD_SkalFixMax, {464, 183, 15, 21}},
        {f.UD_SkalFixMin, {464, 204, 15, 21}},
        {f.Image_Gesamt, {12, 244, 409, 141}},
        {f.Image_Hoehenverlauf, {12, 388, 409, 60}},
        {f.LB_HAbschnitteGesamt, {8, 476, 417, 73}},
        {f.B_EinfuegeMarkeL, {454, 242, 22, 24}},
        {f.B_AbschnittRR, {498, 267, 23, 24}},
        {f.T_Schwelle, {448, 359, 37, 21}},
        {f.UpDown1, {485, 359, 16, 21}},
        {f.BitBtn1, {431, 552, 90, 25}},
        {f.E_HoehenmeterMinusMarkiert, {216, 552, 47, 13}},
        {f.Label15, {13, 148, 350, 14}},
    };
    for (const auto& [steuerelement, platz] : plaetze)
        EXPECT_EQ(steuerelement->geometry(), platz) << steuerelement->objectName().toStdString();

    EXPECT_EQ(f.BT_AktuellWerteEinlesen->text(), QStringLiteral(" Öffnen    "));
    EXPECT_EQ(f.BT_Export->text(), "  Export   ");
    EXPECT_EQ(f.Label5->text(), "Nr      km  Hmin  Hmax     H+     H-  Beschreibung");
    EXPECT_EQ(f.Label5->font().family(), "Liberation Mono");
    EXPECT_EQ(f.Label5->font().pixelSize(), 11);
    EXPECT_TRUE(f.E_GesamtStrecke->font().bold());
    EXPECT_FALSE(f.E_MarkiertStrecke->font().bold());
    EXPECT_EQ(f.E_GesamtStrecke->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(f.T_BMPZwischenablage->font().pixelSize(), 16);
    EXPECT_FALSE(f.T_BMPZwischenablage->isVisible());
    EXPECT_FALSE(f.PB_BMPZwischenablage->isVisible());
    EXPECT_FALSE(f.T_Beschreibung->isVisible());
    EXPECT_EQ(f.LB_HAbschnitteAktuell->palette().color(QPalette::Base), QColor(204, 255, 204));
    EXPECT_EQ(f.LB_HAbschnitteGesamt->palette().color(QPalette::Base), QColor(255, 255, 204));
}

TEST(HoprexFenster, TooltipsOnlyWhereTheControlsHaveOne) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    // The keys that press a button are named after its text (shortcuts_test.cpp).
    EXPECT_TRUE(f.BT_GesamtWerteLoeschen->toolTip().startsWith(
        QStringLiteral("Markierte Abschnitte löschen (")));
    EXPECT_EQ(f.BT_BMPAusZwischenablage->toolTip(),
              QStringLiteral("ORVAN Höhenverlauf aus Zwischenablage einlesen / in ZA mit "
                             "[Alt+Druck]"));
    EXPECT_EQ(f.B_EinfuegeMarkeRR->toolTip(),
              QStringLiteral("Einfügemarke nach ganz rechts verschieben"));
    EXPECT_EQ(f.CB_SkalFix->toolTip(), "Skalierung der Graphen auf feste Werte einstellen");
    for (QWidget* ohne : std::initializer_list<QWidget*>{
             f.BitBtn2, f.Image_Gesamt, f.Image_HoehenverlaufAktuell, f.TE_SkalFixMax,
             f.TE_SkalFixMin, f.T_Schwelle, f.LB_HAbschnitteGesamt, f.LB_HAbschnitteAktuell,
             f.CB_Glaettung, &f})
        EXPECT_TRUE(ohne->toolTip().isEmpty());
}

TEST(HoprexFenster, TabMovesTheFocusInTheDesignedOrder) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    const std::vector<QWidget*> erwartet = {f.T_Schwelle,
                                            f.LB_HAbschnitteGesamt,
                                            f.LB_HAbschnitteAktuell,
                                            f.B_EinfuegeMarkeRR,
                                            f.B_EinfuegeMarkeR,
                                            f.B_EinfuegeMarkeL,
                                            f.B_EinfuegeMarkeLL,
                                            f.B_AbschnittRR,
                                            f.B_AbschnittR,
                                            f.B_AbschnittL,
                                            f.B_AbschnittLL,
                                            f.B_AbschnitteSpiegeln,
                                            f.BT_GesamtWerteLoeschen,
                                            f.BT_GesamtWerteSpeichern,
                                            f.BT_GesamtWerteEinlesen,
                                            f.BT_AktuellWerteEinlesen,
                                            f.BT_BMPAusZwischenablage,
                                            f.BT_WerteUebernehmen,
                                            f.CB_Glaettung,
                                            f.BT_Export,
                                            f.BitBtn1,
                                            f.CB_SkalFix,
                                            f.BitBtn2,
                                            f.T_Steigung,
                                            f.T_SteigungGlaettung};
    // The hidden description editor and the disabled fixed-scale edits are passed over.
    std::vector<QWidget*> folge;
    for (size_t i = 0; i < erwartet.size(); ++i) {
        folge.push_back(QApplication::focusWidget());
        Taste(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(folge, erwartet);
    EXPECT_EQ(QApplication::focusWidget(), f.T_Schwelle);
}
