#include "app/hoprex_window.h"

#include "app/appearance.h"
#include "app/graph_surface.h"
#include "app/route_view_window.h"
#include "app/section_list.h"
#include "app/up_down.h"
#include "display/current_graph.h"
#include "display/list_lines.h"
#include "display/overall_graph.h"
#include "display/value_texts.h"
#include "editing/marking.h"
#include "files/settings_file.h"
#include "model/integer_text.h"
#include "model/marked_statistics.h"

#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>

THoprex* Hoprex = nullptr;

namespace {

std::vector<QString> Zeilen(const std::vector<std::string>& zeilen) {
    std::vector<QString> ergebnis;
    ergebnis.reserve(zeilen.size());
    for (const std::string& zeile : zeilen)
        ergebnis.push_back(QString::fromStdString(zeile));
    return ergebnis;
}

void WerteZeigen(const WerteTexte& werte, QLabel* strecke, QLabel* min, QLabel* max, QLabel* plus,
                 QLabel* minus) {
    strecke->setText(QString::fromStdString(werte.Strecke));
    min->setText(QString::fromStdString(werte.HoeheMin));
    max->setText(QString::fromStdString(werte.HoeheMax));
    plus->setText(QString::fromStdString(werte.HoehenmeterPlus));
    minus->setText(QString::fromStdString(werte.HoehenmeterMinus));
}

} // namespace

THoprex::THoprex(Dialoge& dialoge, std::string einstellungsPfad, QWidget* eltern)
    : QWidget(eltern), dialoge_(dialoge), meldungen_(dialoge),
      sicherung_(Daten, WiederherstellungsOrdner(), meldungen_),
      einstellungsPfad_(std::move(einstellungsPfad)) {
    Hoprex = this;
    setWindowTitle(QStringLiteral("Hoprex"));
    setWindowIcon(Programmsymbol());
    // A fixed-size window with system menu and minimise, without maximise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(529, 588);
    move(329, 70);
    setFont(SansSerifSchrift(Pt8));
    setAcceptDrops(true);
    // A click on the window or a graph takes the focus, so that it ends a description edit.
    setFocusPolicy(Qt::ClickFocus);
    Verlauf.setUndoLimit(100);

    SteuerelementeAnlegen();
    EreignisseVerbinden();
    TastenkuerzelAnlegen();
    Starten();
    T_Schwelle->setFocus();
}

THoprex::~THoprex() {
    // The route view goes first, while the records it reads still exist; it keeps its place.
    if (Routenprofil != nullptr) Routenprofil->GeometrieMerken();
    delete Routenprofil;
    Routenprofil = nullptr;
    EinstellungenSchreiben(Daten, einstellungsPfad_, meldungen_);
    if (Hoprex == this) Hoprex = nullptr;
    // The controls go after this object's own part; nothing they report on the way (a list
    // dropping its selection) may reach a handler any more.
    for (QObject* steuerelement : findChildren<QObject*>())
        steuerelement->disconnect(this);
    // The history empties itself as it goes, after the recovery copy's keeper: its index
    // change must not reach the title and the copy any more.
    Verlauf.disconnect(this);
}

// The order matters: positions that rewrite an edit's text and boxes that tick run their
// handlers, and the fixed-scale handlers correct SkalFixMax against SkalFixMin.
void THoprex::Starten() {
    ProfilLeeren(Daten.Gesamt);
    ProfilLeeren(Daten.Aktuell);
    Daten.Einfuegemarke = 0;
    EinstellungenLesen(Daten, einstellungsPfad_);

    CB_SkalFix->setChecked(Daten.SkalFixEin);
    UD_SkalFixMax->PositionSetzen(Daten.SkalFixMax);
    UD_SkalFixMin->PositionSetzen(Daten.SkalFixMin);
    SkalFixSteuerelementeFreigeben();
    UpDown1->PositionSetzen(Daten.Gesamt.GlaettungMittelungUeber);
    CB_Glaettung->setChecked(Daten.Gesamt.GlaettungEinAus);
    UpDown2->PositionSetzen(Daten.Gesamt.SteigungMax);
    UpDown3->PositionSetzen(Daten.Gesamt.SteigungMittelungUeber);

    GesamtAnzeigen();
    AktuellGraphZeichnen();
}

void THoprex::SkalFixSteuerelementeFreigeben() {
    for (QWidget* steuerelement :
         std::initializer_list<QWidget*>{TE_SkalFixMax, TE_SkalFixMin, UD_SkalFixMax, UD_SkalFixMin,
                                         L_SkalFixMax, L_SkalFixMin})
        steuerelement->setEnabled(Daten.SkalFixEin);
}

void THoprex::AktuellAnzeigen() {
    WerteZeigen(WerteAktuell(Daten.Aktuell), E_AktuellStrecke, E_HoeheMinAktuell, E_HoeheMaxAktuell,
                E_HoehenmeterPlusAktuell, E_HoehenmeterMinusAktuell);
    LB_HAbschnitteAktuell->ZeilenSetzen(Zeilen(ListenZeilenAktuell(Daten.Aktuell)));
    LB_HAbschnitteAktuell->AuswahlSetzen(ListenAuswahl(Daten.Aktuell));
    AktuellGraphZeichnen();
}

Geraetepixel THoprex::Geraet() const {
    return {devicePixelRatioF()};
}

void THoprex::AktuellGraphZeichnen() {
    Image_HoehenverlaufAktuell->BildSetzen(GraphAktuellBild(Daten, Geraet()));
}

void THoprex::GesamtAnzeigen() {
    WerteZeigen(WerteGesamt(Daten.Gesamt), E_GesamtStrecke, E_HoeheMinGesamt, E_HoeheMaxGesamt,
                E_HoehenmeterPlusGesamt, E_HoehenmeterMinusGesamt);
    GesamtListeFuellen();
    GesamtGraphZeichnen();
}

void THoprex::GesamtListeFuellen() {
    LB_HAbschnitteGesamt->ZeilenSetzen(Zeilen(ListenZeilenGesamt(Daten.Gesamt)));
    LB_HAbschnitteGesamt->AuswahlSetzen(ListenAuswahl(Daten.Gesamt));
}

void THoprex::GesamtGraphZeichnen() {
    const GesamtBilder bilder = GraphGesamtBilder(Daten, Geraet());
    Image_Gesamt->BildSetzen(bilder.Graph);
    Image_Hoehenverlauf->BildSetzen(bilder.Streifen);
    T_SteigungNurBei->setVisible(bilder.SteigungNurBeiSichtbar);
    T_SteigungNurBei->repaint();
    MarkierteStatistikBerechnen(Daten.Gesamt);
    WerteZeigen(WerteMarkiert(Daten.Gesamt), E_MarkiertStrecke, E_HoeheMinMarkiert,
                E_HoeheMaxMarkiert, E_HoehenmeterPlusMarkiert, E_HoehenmeterMinusMarkiert);
    if (Routenprofil != nullptr) Routenprofil->Aktualisieren();
}

std::pair<int32_t, int32_t> THoprex::FensterlaengenAusEdits() {
    const int32_t L = StrToInt(T_Schwelle->text().toStdString());
    try {
        return {L, StrToInt(T_SteigungGlaettung->text().toStdString())};
    } catch (...) {
        // Each text is converted right before its pass needs it: the smoothing with the new
        // length has run when the gradient window's text turns out wrong, and the gradients
        // keep their window.
        nachrechnung_.Rechnen(Daten.Gesamt, L, Daten.Gesamt.SteigungMittelungUeber);
        throw;
    }
}

void THoprex::GlaettungslaufAusEdits() {
    if (Daten.Gesamt.Abschnitte.empty()) return;
    const auto [L, G] = FensterlaengenAusEdits();
    nachrechnung_.Rechnen(Daten.Gesamt, L, G);
}

void THoprex::GesamtNeuBerechnenUndAnzeigen() {
    try {
        if (Daten.Gesamt.Abschnitte.empty()) {
            Statistik(Daten.Gesamt);
        } else {
            const auto [L, G] = FensterlaengenAusEdits();
            nachrechnung_.Rechnen(Daten.Gesamt, L, G);
        }
    } catch (...) {
        // The route has changed already: list, graph and values show it as it now is,
        // smoothed with the windows of its last smoothing pass, before the box tells about
        // the edit's text. Otherwise the marked lines on screen would not be those that
        // "Löschen" deletes.
        nachrechnung_.Rechnen(Daten.Gesamt, Daten.Gesamt.GlaettungMittelungUeber,
                              Daten.Gesamt.SteigungMittelungUeber);
        GesamtAnzeigen();
        throw;
    }
    GesamtAnzeigen();
}
