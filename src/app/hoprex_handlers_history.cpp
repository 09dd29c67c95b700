// The history of the window: undo and redo of the last steps, and what follows the route's
// saved state (the title with the route's file, the recovery copy).
#include "app/error_display.h"
#include "app/hoprex_window.h"
#include "app/keys.h"
#include "app/route_view_window.h"
#include "files/file_io.h"

#include <QKeyEvent>

bool THoprex::FensterTaste(const QKeyEvent& ereignis) {
    switch (FenstertasteVon(ereignis.key(), ereignis.modifiers())) {
    case Fenstertaste::Rueckgaengig:
        Geschuetzt(dialoge_, [&] { Rueckgaengig(); });
        return true;
    case Fenstertaste::Wiederholen:
        Geschuetzt(dialoge_, [&] { Wiederholen(); });
        return true;
    case Fenstertaste::Schliessen:
        close();
        return true;
    default:
        return false;
    }
}

// The step stays in the stack when it is undone, so it can still name its refresh.
void THoprex::Rueckgaengig() {
    if (!Verlauf.canUndo()) return;
    const auto* schritt = static_cast<const TSchritt*>(Verlauf.command(Verlauf.index() - 1));
    Verlauf.undo();
    Auffrischen(schritt->Auffrischung());
}

void THoprex::Wiederholen() {
    if (!Verlauf.canRedo()) return;
    const auto* schritt = static_cast<const TSchritt*>(Verlauf.command(Verlauf.index()));
    Verlauf.redo();
    Auffrischen(schritt->Auffrischung());
}

void THoprex::Auffrischen(Anzeige anzeige) {
    switch (anzeige) {
    case Anzeige::Aktuell:
        AktuellAnzeigen();
        GesamtGraphZeichnen();
        break;
    case Anzeige::Gesamt:
        GesamtNeuBerechnenUndAnzeigen();
        break;
    case Anzeige::GesamtOhneRechnen:
        GesamtAnzeigen();
        break;
    case Anzeige::Route:
        GesamtGeladenAnzeigen();
        break;
    }
}

void THoprex::ZustandNachfuehren() {
    QString titel = QStringLiteral("Hoprex");
    if (!Daten.GesamtDatei.empty())
        titel =
            QString::fromStdString(DateinameVon(Daten.GesamtDatei)) + QStringLiteral(" – ") + titel;
    if (Daten.GesamtGeaendert) titel.prepend(QLatin1Char('*'));
    setWindowTitle(titel);
    // The route view's header names the route's file, also once a save gave it another one.
    if (Routenprofil != nullptr) Routenprofil->Aktualisieren();
    sicherung_.ZustandGeaendert();
}
