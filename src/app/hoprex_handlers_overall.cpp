// Handlers of the lower half that edit the route: the insertion mark, moving, mirroring and
// deleting sections, and describing them in place.
#include "app/hoprex_window.h"
#include "app/keys.h"
#include "app/section_list.h"
#include "display/list_lines.h"
#include "editing/describing.h"
#include "editing/marking.h"
#include "editing/moving.h"

#include <QLineEdit>

void THoprex::EinfuegemarkeBewegen(Richtung richtung) {
    EinfuegemarkeVerschieben(Daten, richtung);
    GesamtGraphZeichnen();
}

void THoprex::AbschnitteBewegen(Richtung richtung) {
    const std::optional<Verschiebung> v = VerschiebungPlanen(Daten.Gesamt, richtung, meldungen_);
    if (!v) return;
    Verlauf.push(new TVerschiebenSchritt(Daten, *v));
    GesamtNeuBerechnenUndAnzeigen();
}

void THoprex::B_EinfuegeMarkeLLClick() {
    EinfuegemarkeBewegen(Richtung::GanzLinks);
}
void THoprex::B_EinfuegeMarkeLClick() {
    EinfuegemarkeBewegen(Richtung::Links);
}
void THoprex::B_EinfuegeMarkeRClick() {
    EinfuegemarkeBewegen(Richtung::Rechts);
}
void THoprex::B_EinfuegeMarkeRRClick() {
    EinfuegemarkeBewegen(Richtung::GanzRechts);
}
void THoprex::B_AbschnittLLClick() {
    AbschnitteBewegen(Richtung::GanzLinks);
}
void THoprex::B_AbschnittLClick() {
    AbschnitteBewegen(Richtung::Links);
}
void THoprex::B_AbschnittRClick() {
    AbschnitteBewegen(Richtung::Rechts);
}
void THoprex::B_AbschnittRRClick() {
    AbschnitteBewegen(Richtung::GanzRechts);
}

void THoprex::B_AbschnitteSpiegelnClick() {
    MarkierterBlock block;
    if (!MarkierterBlockSuchen(Daten.Gesamt, block, meldungen_)) return;
    if (block.Anzahl > 0) Verlauf.push(new TSpiegelnSchritt(Daten, block));
    GesamtNeuBerechnenUndAnzeigen();
}

void THoprex::BT_GesamtWerteLoeschenClick() {
    if (MarkierteVorhanden(Daten.Gesamt)) Verlauf.push(new TLoeschenSchritt(Daten));
    GesamtNeuBerechnenUndAnzeigen();
}

void THoprex::LB_HAbschnitteGesamtDblClick() {
    BeschreibungBearbeiten();
}

void THoprex::LB_HAbschnitteGesamtKeyDown(int taste) {
    if (IstEnter(taste)) BeschreibungBearbeiten();
}

// Lays the editor over the description column of the focused line.
void THoprex::BeschreibungBearbeiten() {
    const int zeile = LB_HAbschnitteGesamt->FokusZeile();
    if (zeile < 0 || zeile >= Daten.Gesamt.AnzahlAbschnitte()) return;
    T_Beschreibung->setGeometry(LB_HAbschnitteGesamt->ZeilenRechteck(zeile, BeschreibungsSpalte));
    T_Beschreibung->setText(QString::fromStdString(Daten.Gesamt.Abschnitte[zeile].Beschreibung));
    T_Beschreibung->show();
    T_Beschreibung->raise();
    T_Beschreibung->setFocus();
    T_Beschreibung->setCursorPosition(0);
    T_Beschreibung->deselect();
}

// Escape stores the text as Enter does: the arrow buttons are no cancel buttons here, so the
// key reaches the editor and nothing typed is lost by it.
void THoprex::T_BeschreibungKeyDown(int taste) {
    if (!IstEnter(taste) && taste != Qt::Key_Escape) return;
    const int zeile = LB_HAbschnitteGesamt->FokusZeile();
    const std::string text = T_Beschreibung->text().toStdString();
    if (BeschreibungAendertSich(Daten.Gesamt, zeile, text))
        Verlauf.push(new TBeschreibenSchritt(Daten, zeile, text));
    T_Beschreibung->hide();
    GesamtListeFuellen();
    LB_HAbschnitteGesamt->setFocus();
}

void THoprex::T_BeschreibungExit() {
    T_Beschreibung->hide();
}
