#include "chart/route_chart.h"

#include "chart/axis_ticker.h"
#include "chart/chart_font.h"
#include "chart/chart_layers.h"
#include "chart/gradient_legend.h"
#include "display/graph_mapping.h"
#include "display/route_colors.h"
#include "display/route_texts.h"
#include "files/profile_storage.h"
#include "model/route_columns.h"

#include <cmath>

namespace {

// A line one pixel wide. Cosmetic: QPainter draws such lines directly, other pens go through
// its path stroker at many times the cost, a full redraw for half a million points; pictures
// and prints widen it to one pixel of the picture (pmNonCosmetic).
QPen Stift(const QColor& farbe) {
    QPen stift(farbe, 1);
    stift.setCosmetic(true);
    return stift;
}

// Hands a reduced line to QCustomPlot: a few thousand points, copied at every layout.
void LinieSetzen(QCPGraph* linie, const std::vector<RoutenLinienPunkt>& punkte) {
    QVector<QCPGraphData> daten;
    daten.reserve(static_cast<qsizetype>(punkte.size()));
    bool aufsteigend = true;
    for (const RoutenLinienPunkt& p : punkte) {
        aufsteigend = aufsteigend && (daten.isEmpty() || p.Km >= daten.constLast().key);
        daten.append(QCPGraphData(p.Km, p.Hoehe));
    }
    // QCustomPlot keeps its data sorted by key; positions only fall back in a damaged profile.
    linie->data()->set(daten, aufsteigend);
}

void AchseEinrichten(QCPAxis* achse, const QString& beschriftung, int ticks) {
    auto ticker = QSharedPointer<TSchrittTicker>::create();
    ticker->setTickCount(ticks);
    achse->setTicker(ticker);
    achse->setLabel(beschriftung);
    achse->setLabelFont(ChartSchrift(13));
    achse->setTickLabelFont(ChartSchrift(12));
    achse->grid()->setPen(QPen(QColor(0, 0, 0, 45), 1, Qt::DotLine));
    achse->grid()->setZeroLinePen(Qt::NoPen);
}

} // namespace

TRoutenChart::TRoutenChart(QWidget* eltern) : QCustomPlot(eltern) {
    setAutoAddPlottableToLegend(false);
    // From the bottom: the marked bands behind the fill, as the main window's graph shows them
    // behind its line; the fill; the grid over it; the lines; the section boundaries.
    addLayer(QStringLiteral("markierung"), layer(QStringLiteral("grid")), limBelow);
    addLayer(QStringLiteral("anstiege"), layer(QStringLiteral("markierung")), limBelow);
    addLayer(QStringLiteral("fuellung"), layer(QStringLiteral("grid")), limBelow);
    addLayer(QStringLiteral("abschnitte"), layer(QStringLiteral("main")), limAbove);
    AchsenEinrichten();

    fuellung_ = new TFuellungsEbene(this, QStringLiteral("fuellung"));
    linieRoh_ = addGraph();
    linieGeglaettet_ = addGraph();
    for (QCPGraph* linie : {linieRoh_, linieGeglaettet_})
        linie->setSelectable(QCP::stNone);
    markierungen_ = new TMarkierungsEbene(this, QStringLiteral("markierung"));
    abschnitte_ = new TAbschnittsEbene(this, QStringLiteral("abschnitte"));
    anstiegsBaender_ = new TAnstiegsBaender(this, QStringLiteral("anstiege"), anstiege_);
    anstiegsTexte_ = new TAnstiegsBeschriftung(this, QStringLiteral("abschnitte"), anstiege_);

    plotLayout()->insertRow(0);
    kopf_ = new QCPTextElement(this, QString(), ChartSchrift(14, true));
    kopf_->setMargins(QMargins(8, 6, 8, 0));
    plotLayout()->addElement(0, 0, kopf_);

    // The legend goes into a row of its own under the axis rect, centred between two spacers.
    axisRect()->insetLayout()->take(legend);
    legendenZeile_ = new QCPLayoutGrid;
    plotLayout()->addElement(2, 0, legendenZeile_);
    legendenZeile_->addElement(0, 0, new QCPLayoutElement(this));
    legendenZeile_->addElement(0, 1, legend);
    legendenZeile_->addElement(0, 2, new QCPLayoutElement(this));
    legendenZeile_->setColumnStretchFactors({1.0, 0.001, 1.0});
    legendenZeile_->setMargins(QMargins(0, 0, 0, 6));
    plotLayout()->setRowStretchFactor(2, 0.001);
    legend->setVisible(true);
    KlassenLegendeFuellen(legend);

    setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    axisRect()->setRangeDrag(Qt::Horizontal);
    axisRect()->setRangeZoom(Qt::Horizontal);
    connect(xAxis, qOverload<const QCPRange&>(&QCPAxis::rangeChanged), this,
            &TRoutenChart::BereichBegrenzen);
    connect(this, &QCustomPlot::afterLayout, this, &TRoutenChart::Reduzieren);
    AuswahlEinrichten();
    // The crosshair follows the chart under a resting pointer when the view pans or zooms.
    connect(this, &QCustomPlot::afterReplot, this, [this] {
        if (zeiger_) FadenkreuzSetzen(*zeiger_);
    });
    setMouseTracking(true);
    DarstellungSetzen(darstellung_);
    HoehenbereichSetzen();
    xAxis->setRange(Routenbereich());
}

void TRoutenChart::AchsenEinrichten() {
    setBackground(Qt::white);
    AchseEinrichten(xAxis, QStringLiteral("Strecke [km]"), 10);
    AchseEinrichten(yAxis, QStringLiteral("Höhe [m]"), 6);
    axisRect()->setupFullAxesBox(false);
    for (QCPAxis* achse : {xAxis2, yAxis2})
        achse->setTicks(false);
}

void TRoutenChart::DatenSetzen(const HoprexDaten* daten) {
    daten_ = daten;
    markierungen_->DatenSetzen(daten);
    abschnitte_->DatenSetzen(daten);
    anstiegsBaender_->DatenSetzen(daten);
    anstiegsTexte_->DatenSetzen(daten);
}

void TRoutenChart::DarstellungSetzen(const RoutenDarstellung& darstellung) {
    if (darstellung.SteigungBetrag != darstellung_.SteigungBetrag)
        KlassenLegendeFuellen(legend, darstellung.SteigungBetrag);
    darstellung_ = darstellung;
    abschnitte_->DarstellungSetzen(darstellung);
    fuellung_->DarstellungSetzen(darstellung);
    // Without gradient colours the legend has nothing to explain: its row is taken out.
    const bool zeigen = darstellung.Steigungsfarben;
    if (zeigen && !plotLayout()->hasElement(2, 0)) {
        plotLayout()->addElement(2, 0, legendenZeile_);
        plotLayout()->setRowStretchFactor(2, 0.001);
    } else if (!zeigen && plotLayout()->hasElement(2, 0)) {
        plotLayout()->take(legendenZeile_);
        plotLayout()->simplify();
    }
}

void TRoutenChart::EinfuegemarkeZeigen(bool zeigen) {
    abschnitte_->EinfuegemarkeZeigen(zeigen);
}

bool TRoutenChart::Geglaettet() const {
    return daten_ != nullptr && daten_->Gesamt.GlaettungEinAus;
}

void TRoutenChart::Aktualisieren() {
    Uebernehmen();
    replot();
}

void TRoutenChart::Uebernehmen() {
    if (daten_ == nullptr) return;
    LinienEinrichten();
    HoehenbereichSetzen();
    kopf_->setText(RoutenKopf(daten_->Gesamt, RoutenName(*daten_)));
    anstiege_.Anstiege = AnstiegeFinden(daten_->Gesamt, Geglaettet());
    anstiege_.Spruenge = HoehenspruengeFinden(daten_->Gesamt);
    anstiege_.Gewaehlt.reset();
    if (ganzeRoute_)
        xAxis->setRange(Routenbereich());
    else
        BereichBegrenzen(xAxis->range());
    if (auswahl_) AuswahlSetzen(auswahl_);
    emit AnstiegeGeaendert();
}

void TRoutenChart::LinienEinrichten() {
    const bool glatt = Geglaettet();
    linieRoh_->setVisible(!glatt || darstellung_.RoheLinie);
    linieGeglaettet_->setVisible(glatt);
    linieRoh_->setPen(Stift(glatt ? RoutenLinieBlass : RoutenLinie));
    linieGeglaettet_->setPen(Stift(RoutenLinieGeglaettet));
}

// At every layout, right before drawing: the lines and the fill from the profile reduced to the
// axis rect's pixel columns, in one walk over the points in view. The fill lies below the line
// that is drawn in front, the smoothed one when smoothing is on.
void TRoutenChart::Reduzieren() {
    const int32_t spalten = axisRect()->width();
    const QCPRange km = xAxis->range();
    const bool glatt = Geglaettet();
    RoutenReduktion r;
    if (daten_ != nullptr)
        r = SpaltenReduzieren(daten_->Gesamt, km.lower, km.upper, spalten, glatt,
                              linieRoh_->visible());
    LinieSetzen(glatt ? linieGeglaettet_ : linieRoh_, r.Linie);
    LinieSetzen(glatt ? linieRoh_ : linieGeglaettet_, r.RoheLinie);
    // Antialiased only where the line is a curve: where several points share a pixel column it
    // is a band of vertical strokes, which antialiasing would not change visibly but slow down.
    for (QCPGraph* linie : {linieRoh_, linieGeglaettet_})
        linie->setAntialiased(linie->dataCount() < 2 * std::max(spalten, 1));
    fuellung_->SpaltenSetzen(std::move(r.Spalten));
}

void TRoutenChart::HoehenbereichSetzen() {
    double unten = 0.0;
    double oben = 1000.0;
    if (daten_ != nullptr && (!daten_->Gesamt.Abschnitte.empty() || daten_->SkalFixEin)) {
        // The main window's scale: fixed, or the route's plain lowest and highest point.
        const Hoehenskala s = HoehenskalaFuer(daten_->Gesamt, daten_->SkalFixEin,
                                              daten_->SkalFixMax, daten_->SkalFixMin);
        unten = s.Unten;
        oben = s.Oben;
    }
    if (!(oben > unten)) {
        unten -= 50.0;
        oben = unten + 100.0;
    }
    // Room above the line for the section labels, a little below it.
    const double spanne = oben - unten;
    yAxis->setRange(unten - 0.05 * spanne, oben + 0.15 * spanne);
}

QCPRange TRoutenChart::Routenbereich() const {
    const double ende = daten_ != nullptr ? daten_->Gesamt.Strecke : 0.0;
    return std::isfinite(ende) && ende > 0.0 ? QCPRange(0.0, ende) : QCPRange(0.0, 1.0);
}

void TRoutenChart::BereichSetzen(const QCPRange& km) {
    xAxis->setRange(km);
    replot();
}

void TRoutenChart::GanzeRoute() {
    BereichSetzen(Routenbereich());
}

// Every change of the km range passes here (wheel, drag, the program): the range stays on the
// route, at most as wide as the route and at least MindestBereich (or the route) wide.
void TRoutenChart::BereichBegrenzen(const QCPRange& neu) {
    const QCPRange route = Routenbereich();
    double breite = neu.size();
    if (!std::isfinite(breite)) breite = route.size();
    breite = std::clamp(breite, std::min(MindestBereich, route.size()), route.size());
    double unten = std::isfinite(neu.center()) ? neu.center() - breite / 2 : route.lower;
    unten = std::clamp(unten, route.lower, route.upper - breite);
    ganzeRoute_ = breite >= route.size();
    const QCPRange r = ganzeRoute_ ? route : QCPRange(unten, unten + breite);
    if (r != neu) xAxis->setRange(r);
}

void TRoutenChart::AnstiegWaehlen(std::optional<size_t> index) {
    anstiege_.Gewaehlt = index;
    replot();
}

void TRoutenChart::AnstiegZeigen(size_t index) {
    if (index >= anstiege_.Anstiege.size()) return;
    const Anstieg& a = anstiege_.Anstiege[index];
    const double rand = 0.1 * (static_cast<double>(a.Bis) - a.Von);
    anstiege_.Gewaehlt = index;
    BereichSetzen(QCPRange(a.Von - rand, a.Bis + rand));
}
