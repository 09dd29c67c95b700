// The window's building blocks on their own: the spin button, the radio group and the error
// text.
#include "app/appearance.h"
#include "app/error_display.h"
#include "app/radio_group.h"
#include "app/up_down.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>
#include <gtest/gtest.h>

TEST(TUpDown, StepsFromWhatTheEditShowsAndStopsAtTheEnds) {
    QWidget fenster;
    auto* edit = new QLineEdit("30", &fenster);
    TUpDown knopf(edit, 10, 100, 10, &fenster);
    std::vector<QString> aenderungen;
    QObject::connect(edit, &QLineEdit::textChanged,
                     [&](const QString& text) { aenderungen.push_back(text); });

    knopf.PositionSetzen(30);
    EXPECT_TRUE(aenderungen.empty()); // the same text is no change
    knopf.Schritt(+1);
    EXPECT_EQ(edit->text(), "40");
    edit->setText("95");
    knopf.Schritt(+1);
    EXPECT_EQ(edit->text(), "100");
    knopf.Schritt(+1);
    EXPECT_EQ(edit->text(), "100");
    // A text that is no number, or one outside the range, steps from the last position.
    edit->setText("abc");
    knopf.Schritt(-1);
    EXPECT_EQ(edit->text(), "90");
    edit->setText("5000");
    knopf.Schritt(-1);
    EXPECT_EQ(edit->text(), "80");
    knopf.PositionSetzen(-7);
    EXPECT_EQ(edit->text(), "10");
    knopf.PositionSetzen(1234567);
    EXPECT_EQ(edit->text(), "100");
    EXPECT_EQ(aenderungen,
              (std::vector<QString>{"40", "95", "100", "abc", "90", "5000", "80", "10", "100"}));
}

TEST(TUpDown, UpAndDownKeysInTheEditStepUnlessDisabled) {
    QWidget fenster;
    auto* edit = new QLineEdit("450", &fenster);
    TUpDown knopf(edit, 100, 3277, 50, &fenster);
    QKeyEvent hoch(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(edit, &hoch);
    EXPECT_EQ(edit->text(), "500");
    QKeyEvent runter(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(edit, &runter);
    QApplication::sendEvent(edit, &runter);
    EXPECT_EQ(edit->text(), "400");
    knopf.setEnabled(false);
    QApplication::sendEvent(edit, &hoch);
    EXPECT_EQ(edit->text(), "400");
}

// The export options' groups are 49 pixels high: their two items must stand inside the frame,
// below its caption, one under the other, rather than across the frame's top line.
TEST(TRadioGruppe, ItemsStandInsideTheFrameBelowTheCaption) {
    QWidget fenster;
    fenster.setFont(SansSerifSchrift(Pt8));
    fenster.show();
    for (const QString& titel : {QStringLiteral("Strecke"), QString()}) {
        TRadioGruppe gruppe(titel, {QStringLiteral("Km"), QStringLiteral("m")}, &fenster);
        gruppe.setGeometry(4, 144, 89, 49);
        gruppe.show();
        QApplication::processEvents();
        const QList<QRadioButton*> eintraege = gruppe.findChildren<QRadioButton*>();
        ASSERT_EQ(eintraege.size(), 2);
        EXPECT_EQ(eintraege[0]->text(), "Km");
        EXPECT_TRUE(gruppe.contentsRect().contains(eintraege[0]->geometry()))
            << titel.toStdString();
        EXPECT_TRUE(gruppe.contentsRect().contains(eintraege[1]->geometry()))
            << titel.toStdString();
        EXPECT_LE(eintraege[0]->geometry().bottom(), eintraege[1]->geometry().top());
    }
}

TEST(FehlerText, AFullStopUnlessTheTextEndsInOneOrBelow) {
    EXPECT_EQ(FehlerText("'x' ist kein gültiger Integerwert"),
              QStringLiteral("'x' ist kein gültiger Integerwert."));
    EXPECT_EQ(FehlerText("Fertig."), "Fertig.");
    EXPECT_EQ(FehlerText("Wirklich?"), "Wirklich?.");
    EXPECT_EQ(FehlerText("Ende-"), "Ende-");
    EXPECT_EQ(FehlerText("Ende "), "Ende ");
    EXPECT_EQ(FehlerText(QStringLiteral("Größe").toStdString()), QStringLiteral("Größe."));
}
