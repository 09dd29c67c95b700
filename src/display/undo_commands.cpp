#include "display/undo_commands.h"

#include "editing/deleting.h"
#include "editing/describing.h"
#include "editing/mirroring.h"
#include "editing/transfer.h"

#include <utility>

TRoutenSchritt::TRoutenSchritt(HoprexDaten& daten)
    : TSchritt(daten), vorher_(MarkierungsstandLesen(daten)) {}

void TRoutenSchritt::redo() {
    MarkierungsstandSetzen(daten_, vorher_);
    Ausfuehren();
    daten_.GesamtGeaendert = true;
}

void TRoutenSchritt::undo() {
    Zuruecknehmen();
    MarkierungsstandSetzen(daten_, vorher_);
    daten_.GesamtGeaendert = true;
}

void TUebertragenSchritt::Ausfuehren() {
    stelle_ = BlockUebernehmen(daten_, block_);
}

void TUebertragenSchritt::Zuruecknehmen() {
    AbschnitteEntfernen(daten_.Gesamt, stelle_, block_.Anzahl);
}

void TVerschiebenSchritt::Ausfuehren() {
    BlockVerschieben(daten_.Gesamt, v_);
}

void TVerschiebenSchritt::Zuruecknehmen() {
    BlockVerschieben(daten_.Gesamt, Umkehrung(v_));
}

void TSpiegelnSchritt::Ausfuehren() {
    BlockSpiegeln(daten_.Gesamt, block_);
}

void TLoeschenSchritt::Ausfuehren() {
    geloescht_ = GesamtWerteLoeschen(daten_);
}

void TLoeschenSchritt::Zuruecknehmen() {
    AbschnitteZuruecklegen(daten_.Gesamt, geloescht_);
}

TBeschreibenSchritt::TBeschreibenSchritt(HoprexDaten& daten, int32_t abschnitt, std::string text)
    : TRoutenSchritt(daten), abschnitt_(abschnitt),
      alt_(daten.Gesamt.Abschnitte.at(static_cast<size_t>(abschnitt)).Beschreibung),
      neu_(std::move(text)) {}

void TBeschreibenSchritt::Ausfuehren() {
    BeschreibungSpeichern(daten_.Gesamt, abschnitt_, neu_);
}

void TBeschreibenSchritt::Zuruecknehmen() {
    BeschreibungSpeichern(daten_.Gesamt, abschnitt_, alt_);
}

TLadenSchritt::TLadenSchritt(HoprexDaten& daten, Routendaten neu)
    : TSchritt(daten), andere_(std::move(neu)),
      vorher_(MarkierungsstandLesen(daten)), nachher_{ListenAuswahl(andere_.Gesamt),
                                                      andere_.Gesamt.Anker, andere_.Einfuegemarke} {
}

void TLadenSchritt::redo() {
    RouteTauschen(daten_, andere_);
    MarkierungsstandSetzen(daten_, nachher_);
}

void TLadenSchritt::undo() {
    RouteTauschen(daten_, andere_);
    MarkierungsstandSetzen(daten_, vorher_);
}

void TAktuellSchritt::Tauschen() {
    std::swap(daten_.Aktuell, andere_);
    std::swap(daten_.Einfuegemarke, andereMarke_);
}
