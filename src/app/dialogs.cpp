#include "app/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

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

void DialogMeldungen::Meldung(const std::string& titel, const std::string& text) {
    dialoge_.Meldung(QString::fromStdString(titel), QString::fromStdString(text));
}
