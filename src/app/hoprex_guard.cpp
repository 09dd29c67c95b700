// Nothing of the route is thrown away without a word: the question before a modified route is
// replaced or the window closes, and the offer of a route that a crash left unsaved.
#include "app/error_display.h"
#include "app/hoprex_window.h"
#include "files/recovery_file.h"

#include <QCloseEvent>

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
    while (const std::optional<std::string> pfad = ablage.VerwaisteKopieUebernehmen()) {
        Routendaten route;
        if (!KopieDateiLesen(*pfad, Daten.Gesamt, route)) {
            ablage.Freigeben();
            continue;
        }
        // Escape does nothing: a copy is deleted only by the button that says so.
        const int antwort = dialoge_.Frage(
            QStringLiteral("Hoprex"),
            QStringLiteral("Ein nicht gespeicherter Höhenverlauf wurde gefunden.\n"
                           "Wiederherstellen?"),
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
