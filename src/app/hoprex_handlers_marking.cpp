// Handlers that mark sections in the graphs and lists of both halves. The two halves follow the
// same rules; each handler names its half and leaves the rest to one shared step.
#include "app/graph_surface.h"
#include "app/hoprex_window.h"
#include "app/section_list.h"
#include "display/graph_mapping.h"
#include "editing/marking.h"

THoprex::Haelfte THoprex::AktuelleHaelfte() {
    return {Daten.Aktuell, LB_HAbschnitteAktuell, Image_HoehenverlaufAktuell,
            &THoprex::AktuellGraphZeichnen, LetzterAbschnittAktuell};
}

THoprex::Haelfte THoprex::GesamteHaelfte() {
    // The strip has the graph's width, so the graph's columns serve both.
    return {Daten.Gesamt, LB_HAbschnitteGesamt, Image_Gesamt, &THoprex::GesamtGraphZeichnen,
            LetzterAbschnittGesamt};
}

void THoprex::MarkierungZeigen(const Haelfte& h) {
    (this->*h.GraphZeichnen)();
    h.Liste->AuswahlSetzen(ListenAuswahl(h.Profil));
}

void THoprex::GraphMausDruck(const Haelfte& h, int x, Qt::KeyboardModifiers umschalter) {
    if (MarkierenMausDruck(h.Profil, AbschnittBeiSpalte(h.Profil, x, h.Graph->Bild().width()),
                           umschalter.testFlag(Qt::ShiftModifier),
                           umschalter.testFlag(Qt::ControlModifier)))
        MarkierungZeigen(h);
}

void THoprex::GraphMausZug(const Haelfte& h, int x, Qt::MouseButtons knoepfe) {
    if (knoepfe.testFlag(Qt::LeftButton) &&
        MarkierenMausZug(h.Profil, AbschnittBeiSpalte(h.Profil, x, h.Graph->Bild().width()),
                         h.LetzterAbschnitt))
        MarkierungZeigen(h);
}

// The list shows the user's selection already; only the graph follows it.
void THoprex::ListeGeklickt(const Haelfte& h) {
    MarkierungAusAuswahl(h.Profil, h.Liste->Auswahl());
    (this->*h.GraphZeichnen)();
}

void THoprex::Image_HoehenverlaufAktuellMouseDown(int x, Qt::KeyboardModifiers umschalter) {
    GraphMausDruck(AktuelleHaelfte(), x, umschalter);
}

void THoprex::Image_HoehenverlaufAktuellMouseMove(int x, Qt::MouseButtons knoepfe) {
    GraphMausZug(AktuelleHaelfte(), x, knoepfe);
}

void THoprex::LB_HAbschnitteAktuellClick() {
    ListeGeklickt(AktuelleHaelfte());
}

void THoprex::Image_GesamtMouseDown(int x, Qt::KeyboardModifiers umschalter) {
    GraphMausDruck(GesamteHaelfte(), x, umschalter);
}

void THoprex::Image_GesamtMouseMove(int x, Qt::MouseButtons knoepfe) {
    GraphMausZug(GesamteHaelfte(), x, knoepfe);
}

void THoprex::LB_HAbschnitteGesamtClick() {
    ListeGeklickt(GesamteHaelfte());
}
