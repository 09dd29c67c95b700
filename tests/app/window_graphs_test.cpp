// The graphs in the window: the fixed scale and its correction, the insertion mark, and
// marking sections with the mouse in both graphs.
#include "app/graph_surface.h"
#include "app/section_list.h"
#include "app/up_down.h"
#include "support/profile_builder.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

const QColor SchwarzQ(0, 0, 0);
const QColor RotQ(255, 0, 0);

std::vector<int> ZeilenMit(const QImage& bild, int x, const QColor& farbe) {
    std::vector<int> zeilen;
    for (int y = 0; y < bild.height(); ++y)
        if (bild.pixelColor(x, y) == farbe) zeilen.push_back(y);
    return zeilen;
}

std::vector<bool> Auswahl(const TAbschnittListe* liste) {
    return liste->Auswahl();
}

std::vector<uint8_t> Marken(const Profile& p) {
    std::vector<uint8_t> marken;
    for (const ProfileSection& a : p.Abschnitte)
        marken.push_back(a.Markiert);
    return marken;
}

// Five sections of 1 km each, flat at different heights: on the 409-pixel graphs section i
// covers the columns from about 82 i to 82 (i + 1).
Profile FuenfAbschnitte() {
    std::vector<ProfileSection> abschnitte;
    for (int i = 0; i < 5; ++i)
        abschnitte.push_back(Abschnitt({500 + 100 * i, 500 + 100 * i}, 0.5f));
    return ProfilAus(abschnitte);
}

QPoint Mitte(int abschnitt) {
    return {82 * abschnitt + 40, 60};
}

} // namespace

TEST(HoprexSkala, AFixedScaleOf2000And1PutsAPointAt1000MetresOnRow65) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "flach.hpx", ProfilAus({Abschnitt({1000, 1000, 1000}, 0.5f)}), false);
    MausKlick(f.CB_SkalFix);
    ASSERT_TRUE(f.Daten.SkalFixEin);
    ASSERT_EQ(f.TE_SkalFixMax->text(), "2000");
    ASSERT_EQ(f.TE_SkalFixMin->text(), "1");
    const QImage& bild = f.Image_HoehenverlaufAktuell->Bild();
    ASSERT_EQ(bild.size(), QSize(409, 129));
    // 119 + 5 - trunc(999 * 119 / 1999) = 65; rows 0 and 128 are the frame, the rest of the
    // column is the marked band.
    EXPECT_EQ(ZeilenMit(bild, 200, SchwarzQ), (std::vector<int>{0, 65, 128}));

    // Unticking scales the flat profile to itself again.
    MausKlick(f.CB_SkalFix);
    EXPECT_NE(ZeilenMit(f.Image_HoehenverlaufAktuell->Bild(), 200, SchwarzQ),
              (std::vector<int>{0, 65, 128}));
    EXPECT_FALSE(f.TE_SkalFixMax->isEnabled());
}

TEST(HoprexSkala, TypingABottomAboveTheTopMovesTheTopJustAboveIt) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    MausKlick(f.CB_SkalFix);
    f.TE_SkalFixMax->setText("300");
    f.TE_SkalFixMin->setFocus();
    f.TE_SkalFixMin->selectAll();
    Tippen(f.TE_SkalFixMin, "500");
    EXPECT_EQ(f.TE_SkalFixMin->text(), "500");
    EXPECT_EQ(f.Daten.SkalFixMin, 500);
    EXPECT_EQ(f.Daten.SkalFixMax, 501);
    EXPECT_EQ(f.TE_SkalFixMax->text(), "501");
    EXPECT_TRUE(u.Dialoge.Boxen.empty());

    // The spin button steps from what the edit shows and stops at its end.
    f.UD_SkalFixMax->Schritt(+1);
    EXPECT_EQ(f.TE_SkalFixMax->text(), "601");
    f.TE_SkalFixMax->setText("9950");
    f.UD_SkalFixMax->Schritt(+1);
    EXPECT_EQ(f.TE_SkalFixMax->text(), "9999");
    EXPECT_EQ(f.Daten.SkalFixMax, 9999);
}

TEST(HoprexSkala, ATextThatIsNoWholeNumberShowsTheConversionError) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    MausKlick(f.CB_SkalFix);
    f.TE_SkalFixMin->setFocus();
    f.TE_SkalFixMin->selectAll();
    Tippen(f.TE_SkalFixMin, "7a");
    ASSERT_EQ(u.Dialoge.Boxen.size(), 1u);
    EXPECT_EQ(u.Dialoge.Boxen[0], (TestDialoge::Box{true, "Hoprex",
                                                    QStringLiteral("'7a' ist kein gültiger "
                                                                   "Integerwert.")}));
    // The handler ended at the conversion; the window goes on with the last good value.
    EXPECT_EQ(f.Daten.SkalFixMin, 7);
    Taste(f.TE_SkalFixMin, Qt::Key_Backspace);
    Tippen(f.TE_SkalFixMin, "0");
    EXPECT_EQ(f.Daten.SkalFixMin, 70);
    EXPECT_EQ(u.Dialoge.Boxen.size(), 1u);

    // An empty text is passed over; in a window length it stops the refresh chain.
    f.T_Schwelle->setText("");
    EXPECT_EQ(u.Dialoge.Boxen.size(), 1u);
    ProfilLaden(u, "zwei.hpx", ProfilAus({Abschnitt({100, 200}, 0.5f)}), false);
    f.T_Schwelle->setText("x");
    MausKlick(f.BT_WerteUebernehmen);
    ASSERT_EQ(u.Dialoge.Boxen.size(), 2u);
    EXPECT_EQ(u.Dialoge.Boxen[1].Text, QStringLiteral("'x' ist kein gültiger Integerwert."));
    EXPECT_EQ(f.Daten.Gesamt.AnzahlAbschnitte(), 1);
}

// The transfer has happened when the window length's text stops the refresh chain: the box
// appears over a window that shows the route as it now is, so the marked lines on screen are
// those "Löschen" would delete.
TEST(HoprexSkala, TheScreenShowsTheRouteBeforeTheConversionErrorAppears) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "zwei.hpx", ProfilAus({Abschnitt({100, 200}, 0.5f)}), false);
    f.T_Schwelle->setText("abc");
    int zeilen = -1;
    QString strecke;
    u.Dialoge.VorBox = [&] {
        zeilen = f.LB_HAbschnitteGesamt->count();
        strecke = f.E_GesamtStrecke->text();
    };
    MausKlick(f.BT_WerteUebernehmen);
    ASSERT_EQ(u.Dialoge.Boxen.size(), 1u);
    EXPECT_EQ(u.Dialoge.Boxen[0].Text, QStringLiteral("'abc' ist kein gültiger Integerwert."));
    EXPECT_EQ(zeilen, 1);
    EXPECT_EQ(strecke, "1.00");
    EXPECT_TRUE(f.LB_HAbschnitteGesamt->item(0)->isSelected());
}

TEST(HoprexEinfuegemarke, MarkTwoOfSections1And3And4KmPointsAtColumn204) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "drei.hpx",
                ProfilAus({Abschnitt({500, 600}, {0.0f, 1.0f}), Abschnitt({600, 700}, {0.0f, 3.0f}),
                           Abschnitt({700, 800}, {0.0f, 4.0f})}),
                true);
    MausKlick(f.B_EinfuegeMarkeR);
    MausKlick(f.B_EinfuegeMarkeR);
    ASSERT_EQ(f.Daten.Einfuegemarke, 2);
    const QImage& bild = f.Image_Gesamt->Bild();
    EXPECT_EQ(ZeilenMit(bild, 204, RotQ).back(), 14);
    EXPECT_EQ(bild.pixelColor(204, 15), SchwarzQ);
    EXPECT_EQ(bild.pixelColor(196, 0), SchwarzQ);
    EXPECT_EQ(bild.pixelColor(212, 0), SchwarzQ);

    MausKlick(f.B_EinfuegeMarkeRR);
    EXPECT_EQ(f.Daten.Einfuegemarke, 3);
    MausKlick(f.B_EinfuegeMarkeR);
    EXPECT_EQ(f.Daten.Einfuegemarke, 3);
    MausKlick(f.B_EinfuegeMarkeL);
    EXPECT_EQ(f.Daten.Einfuegemarke, 2);
    MausKlick(f.B_EinfuegeMarkeLL);
    EXPECT_EQ(f.Daten.Einfuegemarke, 0);
}

TEST(HoprexMarkieren, ClickShiftCtrlAndDragInTheOverallGraph) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "fuenf.hpx", FuenfAbschnitte(), true);
    TBildFlaeche* graph = f.Image_Gesamt;

    MausKlick(graph, Mitte(3));
    EXPECT_EQ(Marken(f.Daten.Gesamt), (std::vector<uint8_t>{0, 0, 0, 1, 0}));
    EXPECT_EQ(Auswahl(f.LB_HAbschnitteGesamt), (std::vector<bool>{0, 0, 0, 1, 0}));
    EXPECT_EQ(f.E_MarkiertStrecke->text(), "1.00");
    EXPECT_EQ(f.E_HoeheMaxMarkiert->text(), "800");

    MausKlick(graph, Mitte(1), Qt::ShiftModifier);
    EXPECT_EQ(Marken(f.Daten.Gesamt), (std::vector<uint8_t>{0, 1, 1, 1, 0}));
    EXPECT_EQ(f.E_MarkiertStrecke->text(), "3.00");

    // Ctrl inverts one section and moves the anchor there; the strip marks like the graph.
    MausKlick(f.Image_Hoehenverlauf, Mitte(2), Qt::ControlModifier);
    EXPECT_EQ(Marken(f.Daten.Gesamt), (std::vector<uint8_t>{0, 1, 0, 1, 0}));
    EXPECT_EQ(Auswahl(f.LB_HAbschnitteGesamt), (std::vector<bool>{0, 1, 0, 1, 0}));

    // Dragging with the button held marks the range from the anchor, whatever it crosses.
    MausDruck(graph, Mitte(2), Qt::ControlModifier);
    EXPECT_EQ(Marken(f.Daten.Gesamt), (std::vector<uint8_t>{0, 1, 1, 1, 0}));
    MausZiehen(graph, Mitte(4));
    EXPECT_EQ(Marken(f.Daten.Gesamt), (std::vector<uint8_t>{0, 0, 1, 1, 1}));
    MausZiehen(graph, Mitte(0));
    EXPECT_EQ(Marken(f.Daten.Gesamt), (std::vector<uint8_t>{1, 1, 1, 0, 0}));
    MausLoslassen(graph, Mitte(0));
    EXPECT_EQ(Auswahl(f.LB_HAbschnitteGesamt), (std::vector<bool>{1, 1, 1, 0, 0}));
    EXPECT_EQ(f.E_MarkiertStrecke->text(), "3.00");

    // Moving without a button changes nothing.
    QMouseEvent schweben(QEvent::MouseMove, Mitte(4), graph->mapToGlobal(Mitte(4)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(graph, &schweben);
    EXPECT_EQ(Marken(f.Daten.Gesamt), (std::vector<uint8_t>{1, 1, 1, 0, 0}));
}

TEST(HoprexMarkieren, TheCurrentGraphAndItsListMarkTheSameSections) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "fuenf.hpx", FuenfAbschnitte(), false);
    ASSERT_EQ(Marken(f.Daten.Aktuell), (std::vector<uint8_t>{1, 1, 1, 1, 1}));

    MausKlick(f.Image_HoehenverlaufAktuell, Mitte(4));
    EXPECT_EQ(Marken(f.Daten.Aktuell), (std::vector<uint8_t>{0, 0, 0, 0, 1}));
    MausKlick(f.Image_HoehenverlaufAktuell, Mitte(2), Qt::ShiftModifier);
    EXPECT_EQ(Marken(f.Daten.Aktuell), (std::vector<uint8_t>{0, 0, 1, 1, 1}));
    EXPECT_EQ(Auswahl(f.LB_HAbschnitteAktuell), (std::vector<bool>{0, 0, 1, 1, 1}));

    // A Ctrl-click on the first line of the list adds it; marks that are no block cannot be
    // transferred.
    const QRect zeile = f.LB_HAbschnitteAktuell->visualItemRect(f.LB_HAbschnitteAktuell->item(0));
    MausKlick(f.LB_HAbschnitteAktuell->viewport(), zeile.center(), Qt::ControlModifier);
    EXPECT_EQ(Marken(f.Daten.Aktuell), (std::vector<uint8_t>{1, 0, 1, 1, 1}));
    MausKlick(f.BT_WerteUebernehmen);
    EXPECT_EQ(
        u.Dialoge.Boxen,
        (std::vector<TestDialoge::Box>{
            {false, "Fehler", "Mehrfachmarkierungen müssen in einem Block ausgeführt sein"}}));
    EXPECT_EQ(f.Daten.Gesamt.AnzahlAbschnitte(), 0);

    // A plain click on a line keeps only that one.
    MausKlick(f.LB_HAbschnitteAktuell->viewport(), zeile.center());
    EXPECT_EQ(Marken(f.Daten.Aktuell), (std::vector<uint8_t>{1, 0, 0, 0, 0}));
    MausKlick(f.BT_WerteUebernehmen);
    EXPECT_EQ(f.Daten.Gesamt.AnzahlAbschnitte(), 1);
}
