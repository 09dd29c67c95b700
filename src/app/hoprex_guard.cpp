// Nothing of the route is thrown away without a word: the question before a modified route is
// replaced or the window closes.
#include "app/error_display.h"
#include "app/hoprex_window.h"

#include <QCloseEvent>

bool THoprex::AenderungenGesichert() {
    if (!Daten.GesamtGeaendert) return true;
    const int antwort = dialoge_.Frage(
        QStringLiteral("Hoprex"),
        QStringLiteral("Der Höhenverlauf wurde geändert.\nÄnderungen speichern?"),
        {QStringLiteral("Speichern"), QStringLiteral("Verwerfen"), QStringLiteral("Abbrechen")}, 0);
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
    if (schliessen)
        ereignis->accept();
    else
        ereignis->ignore();
}
