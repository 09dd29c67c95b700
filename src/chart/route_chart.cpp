#include "chart/route_chart.h"

#include "chart/axis_ticker.h"
#include "chart/chart_font.h"
#include "chart/chart_layers.h"
#include "chart/gradient_legend.h"
#include "display/graph_mapping.h"
#include "display/route_colors.h"
#include "display/route_texts.h"

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
    connect(this, &QCustomPlot::afterLayout, this, &TRoutenChart::LinienKantenGlaetten);
    AblesungEinrichten();
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
    fuellung_->DatenSetzen(daten);
    markierungen_->DatenSetzen(daten);
    abschnitte_->DatenSetzen(daten);
}

void TRoutenChart::DarstellungSetzen(const RoutenDarstellung& darstellung) {
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
    LinienSetzen(daten_->Gesamt);
    HoehenbereichSetzen();
    kopf_->setText(RoutenKopf(daten_->Gesamt, daten_->Dateiname));
    if (ganzeRoute_)
        xAxis->setRange(Routenbereich());
    else
        BereichBegrenzen(xAxis->range());
    if (zeiger_) FadenkreuzSetzen(*zeiger_);
    if (auswahl_) AuswahlSetzen(auswahl_);
}

void TRoutenChart::LinienSetzen(const Profile& gesamt) {
    const bool glatt = gesamt.GlaettungEinAus;
    const bool roh = !glatt || darstellung_.RoheLinie;
    // Only the lines that are drawn are handed over: half a million points each.
    QVector<QCPGraphData> hoehen, geglaettet;
    hoehen.reserve(roh ? gesamt.Punktanzahl : 0);
    geglaettet.reserve(glatt ? gesamt.Punktanzahl : 0);
    bool aufsteigend = true;
    double letzte = -INFINITY;
    for (const ProfileSection& a : gesamt.Abschnitte) {
        const int32_t anzahl = std::clamp(a.Punktanzahl, 0, MaxPunkte);
        for (int32_t j = 0; j < anzahl; ++j) {
            const ProfilePoint& p = a.Punkte[j];
            const double km = p.Strecke;
            if (!std::isfinite(km)) continue;
            aufsteigend = aufsteigend && km >= letzte;
            letzte = km;
            if (roh) hoehen.append(QCPGraphData(km, p.Hoehe));
            if (glatt) geglaettet.append(QCPGraphData(km, p.HoeheGeglaettet));
        }
    }
    // QCustomPlot keeps its data sorted by key; positions only fall back in a damaged profile.
    linieRoh_->data()->set(hoehen, aufsteigend);
    linieGeglaettet_->data()->set(geglaettet, aufsteigend);
    linieRoh_->setVisible(roh);
    linieGeglaettet_->setVisible(glatt);
    linieRoh_->setPen(Stift(glatt ? RoutenLinieBlass : RoutenLinie));
    linieGeglaettet_->setPen(Stift(RoutenLinieGeglaettet));
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

// Antialiased lines only where the line is a curve: with several points to a pixel column it is
// a band of vertical strokes, which antialiasing would not change visibly but make take twice
// as long.
void TRoutenChart::LinienKantenGlaetten() {
    const int32_t punkte = daten_ != nullptr ? daten_->Gesamt.Punktanzahl : 0;
    const double proSpalte = punkte * (xAxis->range().size() / Routenbereich().size()) /
                             std::max(1, axisRect()->width());
    for (QCPGraph* linie : {linieRoh_, linieGeglaettet_})
        linie->setAntialiased(proSpalte < 2.0);
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
