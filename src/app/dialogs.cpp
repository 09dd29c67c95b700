#include "app/dialogs.h"

#include "app/picture_options_dialog.h"
#include "app/track_options_dialog.h"
#include "chart/route_picture.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <algorithm>
#include <vector>

namespace {

void Box(QMessageBox::Icon symbol, const QString& titel, const QString& text) {
    QMessageBox box(symbol, titel, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

// A start folder that does not exist (the settings may name one of another machine) would
// leave the dialog in an arbitrary place; the user's home folder is the better start then.
QString Startordner(const QString& ordner) {
    return !ordner.isEmpty() && QFileInfo(ordner).isDir() ? ordner : QDir::homePath();
}

} // namespace

void QtDialoge::Meldung(const QString& titel, const QString& text) {
    Box(QMessageBox::NoIcon, titel, text);
}

void QtDialoge::Fehler(const QString& titel, const QString& text) {
    Box(QMessageBox::Critical, titel, text);
}

std::optional<QString> QtDialoge::OeffnenPfad(const QString& titel, const QString& filter,
                                              const QString& startordner) {
    QFileDialog dialog(QApplication::activeWindow(), titel, Startordner(startordner), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!letzteOeffnenDatei_.isEmpty()) dialog.selectFile(letzteOeffnenDatei_);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString pfad = dialog.selectedFiles().constFirst();
    letzteOeffnenDatei_ = QFileInfo(pfad).fileName();
    return pfad;
}

std::optional<QString> QtDialoge::SpeichernPfad(const QString& titel, const QString& filter,
                                                const QString& startordner,
                                                const QString& vorschlag, const QString& endung) {
    QFileDialog dialog(QApplication::activeWindow(), titel, Startordner(startordner), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(endung);
    if (!vorschlag.isEmpty()) dialog.selectFile(vorschlag);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

bool QtDialoge::BildOptionenFragen(RoutenBildOptionen& optionen, QSize fenster) {
    TBildOptionenDialog dialog(optionen, fenster, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) return false;
    optionen = dialog.Optionen();
    return true;
}

bool QtDialoge::StreckenOptionenFragen(TStreckenOptionen& optionen) {
    TStreckenOptionenDialog dialog(optionen, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) return false;
    optionen = dialog.Optionen();
    return true;
}

std::optional<QString> QtDialoge::BildSpeichernPfad(const QString& titel,
                                                    const QString& startordner,
                                                    const QString& vorschlag) {
    const QStringList filter{QStringLiteral("PNG-Bild (*.png)"),
                             QStringLiteral("SVG-Grafik (*.svg)"),
                             QStringLiteral("PDF-Dokument (*.pdf)")};
    const QStringList endungen{QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("pdf")};
    QFileDialog dialog(QApplication::activeWindow(), titel, Startordner(startordner));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filter);
    // The dialog adds the chosen type's extension to a name typed without one, before it asks
    // whether an existing file is to be replaced.
    dialog.setDefaultSuffix(endungen.first());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& gewaehlt) {
        dialog.setDefaultSuffix(endungen.value(filter.indexOf(gewaehlt), endungen.first()));
    });
    if (!vorschlag.isEmpty()) dialog.selectFile(vorschlag);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    QString pfad = dialog.selectedFiles().constFirst();
    if (!BildFormatVon(pfad))
        pfad += '.' + endungen.value(filter.indexOf(dialog.selectedNameFilter()), endungen.first());
    return pfad;
}

bool QtDialoge::Druckdialog(QPrinter& drucker) {
    QPrintDialog dialog(&drucker, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

int QtDialoge::Frage(const QString& titel, const QString& text, const QStringList& knoepfe,
                     int standard, int abbruch) {
    QMessageBox box(QMessageBox::Question, titel, text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    // The buttons carry the program's own German texts, whatever language Qt itself speaks.
    std::vector<QPushButton*> knopf;
    for (const QString& beschriftung : knoepfe)
        knopf.push_back(box.addButton(beschriftung, QMessageBox::ActionRole));
    box.setDefaultButton(knopf.at(static_cast<size_t>(standard)));
    if (abbruch >= 0) box.setEscapeButton(knopf.at(static_cast<size_t>(abbruch)));
    // Without an escape button the box closes only by a button (action roles only: Qt then
    // picks none for Escape).
    do
        box.exec();
    while (std::find(knopf.begin(), knopf.end(), box.clickedButton()) == knopf.end());
    return static_cast<int>(std::find(knopf.begin(), knopf.end(), box.clickedButton()) -
                            knopf.begin());
}

std::optional<QString> SpeichernPfadFragen(Dialoge& dialoge, const QString& titel,
                                           const QString& filter, const QString& startordner,
                                           const QString& vorschlag, const QString& endung) {
    QString ordner = startordner;
    QString name = vorschlag;
    for (;;) {
        std::optional<QString> pfad = dialoge.SpeichernPfad(titel, filter, ordner, name, endung);
        if (!pfad || !QFileInfo::exists(*pfad)) return pfad;
        const QFileInfo datei(*pfad);
        const QString frage = QStringLiteral("Die Datei \"%1\" ist bereits vorhanden.\nSoll sie "
                                             "ersetzt werden?")
                                  .arg(datei.fileName());
        if (dialoge.Frage(titel, frage, {QStringLiteral("Ja"), QStringLiteral("Nein")}, 1, 1) == 0)
            return pfad;
        ordner = datei.absolutePath();
        name = datei.fileName();
    }
}

void DialogMeldungen::Meldung(const std::string& titel, const std::string& text) {
    dialoge_.Meldung(QString::fromStdString(titel), QString::fromStdString(text));
}
