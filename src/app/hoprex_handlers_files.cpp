// Handlers of the profile file, the text export and the two dialogs.
#include "app/error_display.h"
#include "app/export_options_dialog.h"
#include "app/format_filters.h"
#include "app/hoprex_window.h"
#include "app/info_dialog.h"
#include "files/file_stamp.h"
#include "files/profile_storage.h"
#include "files/text_export.h"

#include <QFile>
#include <QLineEdit>

namespace {

std::optional<std::string> Pfad(const std::optional<QString>& pfad) {
    if (!pfad) return std::nullopt;
    return pfad->toStdString();
}

} // namespace

void THoprex::BT_GesamtWerteSpeichernClick() {
    GesamtSichern();
}

bool THoprex::GesamtSichern() {
    if (!DatenVorhanden(Daten.Gesamt, meldungen_)) return false;
    const std::optional<QString> pfad =
        SpeichernPfadFragen(dialoge_, QStringLiteral("HPX Daten speichern"), SpeichernFilter(),
                            QString::fromStdString(Daten.VerzeichnisSchreiben),
                            QString::fromStdString(Daten.Dateiname), SpeichernEndung());
    const std::optional<std::string> ziel = Pfad(pfad);
    if (ziel && !FremdeAenderungUeberschreiben(*ziel)) return false;
    const bool gespeichert = GesamtSpeichern(Daten, ziel, meldungen_);
    if (gespeichert) StandMerken(*ziel);
    ZustandNachfuehren();
    return gespeichert;
}

void THoprex::StandMerken(const std::string& pfad) {
    if (const std::optional<Dateistand> stand = DateistandLesen(pfad))
        bekannteStaende_[pfad] = *stand;
    else
        bekannteStaende_.erase(pfad);
}

// Another program (often a second Hoprex on the same route) may have written the file since
// this window read or wrote it; replacing it then silently would throw that work away. A file
// this window never had, or one that is gone, needs no question.
bool THoprex::FremdeAenderungUeberschreiben(const std::string& pfad) {
    const auto bekannt = bekannteStaende_.find(pfad);
    if (bekannt == bekannteStaende_.end()) return true;
    const std::optional<Dateistand> jetzt = DateistandLesen(pfad);
    if (!jetzt || *jetzt == bekannt->second) return true;
    const int antwort = dialoge_.Frage(
        QStringLiteral("Hoprex"),
        QStringLiteral("Die Datei\n%1\nwurde von einem anderen Programm geändert, seit Hoprex "
                       "sie geladen oder gespeichert hat.\nTrotzdem ersetzen? Die Änderungen des "
                       "anderen Programms gehen dann verloren.")
            .arg(QString::fromStdString(pfad)),
        {QStringLiteral("Ersetzen"), QStringLiteral("Abbrechen")}, 1, 1);
    return antwort == 0;
}

void THoprex::BT_GesamtWerteEinlesenClick() {
    if (!AenderungenGesichert()) return;
    const std::optional<QString> pfad =
        dialoge_.OeffnenPfad(QStringLiteral("HPX Daten laden"), OeffnenFilter(),
                             QString::fromStdString(Daten.VerzeichnisLaden));
    // A cancelled dialog, too, refreshes the route with its window lengths.
    if (!pfad || GesamtDateiLaden(pfad->toStdString())) GesamtGeladenAnzeigen();
}

bool THoprex::GesamtDateiOeffnen(const QString& pfad) {
    return GesamtPfadOeffnen(QFile::encodeName(pfad).toStdString());
}

bool THoprex::GesamtPfadOeffnen(const std::string& pfad) {
    bool geladen = false;
    Geschuetzt(dialoge_, [&] {
        geladen = AenderungenGesichert() && GesamtDateiLaden(pfad);
        if (geladen) GesamtGeladenAnzeigen();
    });
    return geladen;
}

bool THoprex::GesamtDateiLaden(const std::string& pfad) {
    // Taken before the read: a change while it reads then counts as a change by another program.
    const std::optional<Dateistand> stand = DateistandLesen(pfad);
    std::optional<Routendaten> route = GesamtLesen(Daten, pfad, meldungen_);
    if (!route) return false;
    if (stand) bekannteStaende_[pfad] = *stand;
    Verlauf.push(new TLadenSchritt(Daten, std::move(*route)));
    return true;
}

// The file's window lengths go into the edits, whose change handlers react as usual; the
// refresh chain then smooths with them. Both are taken before the first edit changes: with
// smoothing on, its handler smooths with the other edit's old text and stores that.
void THoprex::GesamtGeladenAnzeigen() {
    const int32_t glaettung = Daten.Gesamt.GlaettungMittelungUeber;
    const int32_t steigung = Daten.Gesamt.SteigungMittelungUeber;
    T_Schwelle->setText(QString::number(glaettung));
    T_SteigungGlaettung->setText(QString::number(steigung));
    GesamtNeuBerechnenUndAnzeigen();
}

void THoprex::BT_ExportClick() {
    if (!DatenVorhanden(Daten.Gesamt, meldungen_)) return;
    const std::optional<QString> pfad = SpeichernPfadFragen(
        dialoge_, ExportTitel(), ExportFilter(), QString::fromStdString(Daten.VerzeichnisExport),
        QString::fromStdString(Daten.Dateiname), ExportEndung());
    Exportieren(Daten, Pfad(pfad), meldungen_);
}

// Each opening builds a new dialog from the records; it writes every change straight into
// them, so nothing is taken back when it closes.
void THoprex::BT_ExportOptionenClick() {
    TFr_ExpEin dialog(Daten.ExportOptions, Daten.Gesamt, dialoge_, this);
    Fr_ExpEin = &dialog;
    dialog.exec();
    Fr_ExpEin = nullptr;
}

void THoprex::BitBtn2Click() {
    TFInfo dialog(this);
    FInfo = &dialog;
    dialog.exec();
    FInfo = nullptr;
}
