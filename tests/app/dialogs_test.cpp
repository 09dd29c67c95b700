// The two modal dialogs, opened from the main window as the user opens them.
#include "app/export_options_dialog.h"
#include "app/info_dialog.h"
#include "app/radio_group.h"
#include "files/text_export.h"
#include "support/profile_builder.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs `im` while the dialog that `knopf` opens is shown, then lets the window go on.
void Oeffnen(QPushButton* knopf, std::function<void()> im) {
    bool gelaufen = false;
    QTimer::singleShot(0, [&] {
        im();
        gelaufen = true;
    });
    MausKlick(knopf);
    EXPECT_TRUE(gelaufen);
}

// Clicks the item of a radio group whose text is `text`, on its round button.
void Waehlen(TRadioGruppe* gruppe, const QString& text) {
    for (QRadioButton* knopf : gruppe->findChildren<QRadioButton*>())
        if (knopf->text() == text) MausKlick(knopf, {6, knopf->height() / 2});
}

// 20 points of 0.5 km: 10 km.
Profile ZehnKilometer() {
    return ProfilAus({Abschnitt(std::vector<int32_t>(10, 100), 0.5f),
                      Abschnitt(std::vector<int32_t>(10, 200), 0.5f)});
}

} // namespace

TEST(ExportOptionen, EveryChangeGoesStraightIntoTheOptions) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "zehn.hpx", ZehnKilometer(), true);

    Oeffnen(f.BitBtn1, [&] {
        TFr_ExpEin* d = Fr_ExpEin;
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->isVisible());
        EXPECT_TRUE(d->isModal());
        EXPECT_EQ(d->windowTitle(), "Export Einstellungen");
        EXPECT_EQ(d->size(), QSize(200, 349));
        EXPECT_EQ(d->CB_Header->text(), "Ausgabe mit Header ");
        EXPECT_EQ(d->RG_StreckeIn->GewaehlterText(), "Km");
        EXPECT_EQ(d->RG_RelativAbsolut->GewaehlterText(), "absolut");
        EXPECT_EQ(d->RG_Glaettung->GewaehlterText(), QStringLiteral("ohne Glättung"));
        EXPECT_EQ(d->RG_FormatPunktKomma->GewaehlterText(), "Komma");
        EXPECT_FALSE(d->E_MeterProPunkt->isVisible());
        EXPECT_EQ(d->L_Punktanzahl->text(), "(Punktanzahl: 20)");

        MausKlick(d->CB_Stuetzpunkte);
        MausKlick(d->CB_PunkteReduzieren);
        EXPECT_TRUE(d->E_MeterProPunkt->isVisible());
        EXPECT_FALSE(d->CB_Stuetzpunkte->isEnabled());
        EXPECT_TRUE(d->CB_Stuetzpunkte->isChecked());
        EXPECT_EQ(d->L_Punktanzahl->text(), "(Punktanzahl: 20)"); // 1 m per point

        d->E_MeterProPunkt->selectAll();
        Tippen(d->E_MeterProPunkt, "1000");
        EXPECT_EQ(f.Daten.ExportOptions.MeterProPunkt, 1000);
        EXPECT_EQ(d->L_Punktanzahl->text(),
                  QStringLiteral("(Punktanzahl: %1)")
                      .arg(ExportPunktanzahl(f.Daten.Gesamt, f.Daten.ExportOptions)));
        // Off and on again: the estimate, min(10 km / 1000 m, 20 points).
        MausKlick(d->CB_PunkteReduzieren);
        MausKlick(d->CB_PunkteReduzieren);
        EXPECT_EQ(d->L_Punktanzahl->text(), "(Punktanzahl: 10)");

        // A text that is no number: the error box, the dialog stays, nothing changes.
        Tippen(d->E_MeterProPunkt, "a");
        EXPECT_EQ(u.Dialoge.Boxen,
                  (std::vector<TestDialoge::Box>{
                      {true, "Hoprex", QStringLiteral("'1000a' ist kein gültiger Integerwert.")}}));
        EXPECT_EQ(f.Daten.ExportOptions.MeterProPunkt, 1000);
        EXPECT_TRUE(d->isVisible());
        d->E_MeterProPunkt->setText("0");
        EXPECT_EQ(f.Daten.ExportOptions.MeterProPunkt, 1000);

        Waehlen(d->RG_StreckeIn, "m");
        Waehlen(d->RG_RelativAbsolut, "relativ");
        Waehlen(d->RG_Glaettung, QStringLiteral("mit Glättung und Steigung [%]"));
        Waehlen(d->RG_FormatPunktKomma, "Punkt");
        MausKlick(d->CB_Header);
        MausKlick(d->Button1);
        EXPECT_FALSE(d->isVisible());
    });
    EXPECT_EQ(Fr_ExpEin, nullptr);
    const TExportOptions& o = f.Daten.ExportOptions;
    EXPECT_TRUE(o.Header && o.Stuetzpunkte && o.PunkteReduzieren && o.StreckeRelativ &&
                o.Glaettung && o.TrennzeichenPunkt);
    EXPECT_FALSE(o.Abschnitte || o.StreckeInKm);

    // The next opening is a new dialog built from the options; building it changes none.
    const TExportOptions vorher = o;
    Oeffnen(f.BitBtn1, [&] {
        TFr_ExpEin* d = Fr_ExpEin;
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->CB_Header->isChecked());
        EXPECT_FALSE(d->CB_Stuetzpunkte->isEnabled());
        EXPECT_EQ(d->E_MeterProPunkt->text(), "1000");
        EXPECT_TRUE(d->E_MeterProPunkt->isVisible());
        EXPECT_EQ(d->L_Punktanzahl->text(), "(Punktanzahl: 10)");
        EXPECT_EQ(d->RG_StreckeIn->GewaehlterText(), "m");
        EXPECT_EQ(d->RG_FormatPunktKomma->GewaehlterText(), "Punkt");
        d->close();
    });
    EXPECT_EQ(std::memcmp(&vorher, &f.Daten.ExportOptions, sizeof vorher), 0);
    EXPECT_EQ(u.Dialoge.Boxen.size(), 1u);
}

TEST(InfoDialog, ShowsNameVersionAndTermsAndChangesNothing) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    for (int mal = 0; mal < 2; ++mal)
        Oeffnen(f.BitBtn2, [&] {
            TFInfo* d = FInfo;
            ASSERT_NE(d, nullptr);
            EXPECT_TRUE(d->isModal());
            EXPECT_EQ(d->windowTitle(), QStringLiteral("Info über Hoprex"));
            EXPECT_EQ(d->size(), QSize(224, 355));
            EXPECT_EQ(d->L_Freeware->text(), "Hoprex");
            EXPECT_EQ(d->L_Version->text(), "V 2.21");
            EXPECT_EQ(d->L_WWW->text(), "");
            EXPECT_TRUE(d->Label3->text().startsWith(QStringLiteral("Ich kann leider nicht")));
            EXPECT_FALSE(d->Image1->pixmap().isNull());
            EXPECT_EQ(d->focusWidget(), d->Button1);
            EXPECT_EQ(d->Button1->text(), QStringLiteral("Zurück"));
            MausKlick(d->Button1);
            EXPECT_FALSE(d->isVisible());
        });
    EXPECT_EQ(FInfo, nullptr);
    EXPECT_EQ(f.T_Schwelle->text(), "450");
    EXPECT_TRUE(u.Dialoge.Boxen.empty());
}
