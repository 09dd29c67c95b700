// Qt's own texts in the standard dialogs speak German, as the program does.
#include "app/translations.h"
#include "window_fixture.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

QStringList Texte(const QWidget& w) {
    QStringList texte;
    for (const QLabel* l : w.findChildren<QLabel*>())
        texte << l->text();
    for (const QAbstractButton* b : w.findChildren<QAbstractButton*>())
        texte << b->text();
    return texte;
}

} // namespace

TEST(HoprexDeutsch, TheStandardDialogsSpeakGerman) {
    const QtTexteDeutsch deutsch;
    ASSERT_TRUE(deutsch.Geladen());

    // The open dialog as the window's "Öffnen" shows it, where the platform has none of its
    // own.
    QFileDialog oeffnen(nullptr, "HPX Daten laden", QDir::homePath(), "Hoprex Daten (*.hpx)");
    oeffnen.setOption(QFileDialog::DontUseNativeDialog);
    const QStringList texte = Texte(oeffnen);
    for (const char* deutscherText : {"Suchen in:", "Datei&name:", "Dateien des Typs:", "&Öffnen"})
        EXPECT_TRUE(texte.contains(deutscherText)) << deutscherText << "\n"
                                                   << texte.join(" | ").toStdString();
    for (const char* englischerText : {"Look in:", "File &name:", "Cancel"})
        EXPECT_FALSE(texte.contains(englischerText)) << englischerText;
    EXPECT_TRUE(texte.contains("Abbrechen"));

    QMessageBox frage(QMessageBox::Question, "Hoprex", "?", QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(frage.button(QMessageBox::Yes)->text(), "&Ja");
    EXPECT_EQ(frage.button(QMessageBox::No)->text(), "&Nein");
    EXPECT_EQ(QKeySequence("Ctrl+Shift+O").toString(QKeySequence::NativeText), "Strg+Umschalt+O");
}
