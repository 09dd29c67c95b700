// Nothing of the route is thrown away without a word: the question before a modified route is
// replaced or the window closes, and the offer of a route that a crash left unsaved.
#include "app/error_display.h"
#include "app/hoprex_window.h"
#include "files/in_place_backup.h"
#include "files/recovery_file.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>

namespace {

// The question for the copy at `pfad`; one that its program could no longer keep up to date
// says how old it is.
QString AngebotsText(const std::string& pfad, std::optional<int64_t> veraltetSeit) {
    if (!veraltetSeit)
        return QStringLiteral("Ein nicht gespeicherter Höhenverlauf wurde gefunden.\n"
                              "Wiederherstellen?");
    const auto zeit = [](const QDateTime& t) {
        return t.toString(QStringLiteral("dd.MM.yyyy, HH:mm:ss"));
    };
    return QStringLiteral("Ein nicht gespeicherter Höhenverlauf vom %1 Uhr wurde gefunden.\n"
                          "Die Änderungen danach bis %2 Uhr konnten nicht gesichert werden und "
                          "fehlen darin.\nWiederherstellen?")
        .arg(zeit(QFileInfo(QString::fromStdString(pfad)).lastModified()),
             zeit(QDateTime::fromSecsSinceEpoch(*veraltetSeit)));
}

} // namespace

bool THoprex::AenderungenGesichert() {
    if (!Daten.GesamtGeaendert) return true;
    const int antwort = dialoge_.Frage(
        QStringLiteral("Hoprex"),
        QStringLiteral("Der Höhenverlauf wurde geändert.\nÄnderungen speichern?"),
        {QStringLiteral("Speichern"), QStringLiteral("Verwerfen"), QStringLiteral("Abbrechen")}, 0,
        2);
    switch (antwort) {
    case 0:
        // A cancelled or failed save keeps the route, so the caller must not go on.
        return GesamtSichern();
    case 1:
        return true;
    default:
        return false;
    }
}

void THoprex::closeEvent(QCloseEvent* ereignis) {
    bool schliessen = false;
    Geschuetzt(dialoge_, [&] { schliessen = AenderungenGesichert(); });
    if (!schliessen) {
        ereignis->ignore();
        return;
    }
    // A clean end: the route was saved or its changes thrown away on purpose.
    sicherung_.Entfernen();
    ereignis->accept();
}

void THoprex::WiederherstellungAnbieten() {
    Kopienablage& ablage = sicherung_.Ablage();
    // A save into a file in place that a kill cut off: the file holds part of each route.
    for (const UnterbrochenesSchreiben& s : UnterbrocheneSchreibvorgaenge(ablage.Ordner())) {
        const int antwort = dialoge_.Frage(
            QStringLiteral("Hoprex"),
            QStringLiteral("Das Speichern der Datei\n%1\nwurde unterbrochen; sie ist "
                           "unvollständig.\nIhren vorigen Inhalt wiederherstellen?")
                .arg(QString::fromStdString(s.Ziel)),
            {QStringLiteral("Wiederherstellen"), QStringLiteral("Verwerfen")}, 0, -1);
        if (antwort != 0)
            SicherungVerwerfen(s);
        else if (!AltenInhaltZurueckschreiben(s))
            meldungen_.Meldung("Fehler", "Fehler beim Schreiben der Datei");
    }
    while (const std::optional<std::string> pfad = ablage.VerwaisteKopieUebernehmen()) {
        Routendaten route;
        if (!KopieDateiLesen(*pfad, Daten.Gesamt, route)) {
            ablage.Freigeben();
            continue;
        }
        // Escape does nothing: a copy is deleted only by the button that says so.
        const int antwort = dialoge_.Frage(
            QStringLiteral("Hoprex"), AngebotsText(*pfad, ablage.VeraltetSeit()),
            {QStringLiteral("Wiederherstellen"), QStringLiteral("Verwerfen")}, 0, -1);
        if (antwort != 0) {
            ablage.Entfernen();
            continue;
        }
        // The copy is now this program's own and is kept up to date from here on.
        RouteTauschen(Daten, route);
        Geschuetzt(dialoge_, [&] { GesamtGeladenAnzeigen(); });
        ZustandNachfuehren();
        return;
    }
}
