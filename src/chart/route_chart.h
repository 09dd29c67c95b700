#pragma once

#include "chart/climb_bands.h"
#include "chart/crosshair.h"
#include "model/hoprex_data.h"
#include "model/route_view_settings.h"
#include "model/stretch_statistics.h"

#include <optional>
#include <qcustomplot.h>

class TAbschnittsEbene;
class TFuellungsEbene;
class TMarkierungsEbene;

// The route view's chart of the overall profile: the height line (the smoothed one when
// smoothing is on, the plain one faintly behind it), the area below it filled in gradient
// classes, marked sections, section boundaries with their numbers and descriptions, the
// insertion mark, axes in km and m, and the totals in a header line. The window and the
// pictures (saved, printed, hoprex-cli plot) draw with it.
//
// QCustomPlot draws the lines, the axes, the grid and the legend. Both the lines and the fill
// below them are fed at every layout (zoom, pan, resize, a picture of another size) with the
// profile reduced to the axis rect's pixel columns: QCustomPlot's adaptive sampling would walk
// a copy of all points per line and redraw, its graph fill is not sampled, and its bars cost a
// polygon each, so the fill is painted column by column with QPainter.
//
// Reading it: the crosshair with its readout follows the pointer, the wheel zooms the km axis
// around the pointer, dragging pans, a double click shows the whole route, a Shift-drag selects
// a stretch and shows its figures.
class TRoutenChart : public QCustomPlot {
    Q_OBJECT
public:
    explicit TRoutenChart(QWidget* eltern = nullptr);

    // Shows the overall profile of `daten`, which must outlive the chart or be replaced here
    // first. The records are read, not copied, except the height line, which Aktualisieren
    // hands to QCustomPlot. Does not redraw.
    void DatenSetzen(const HoprexDaten* daten);
    void DarstellungSetzen(const RoutenDarstellung& darstellung);
    // The insertion mark belongs to the window; pictures leave it out.
    void EinfuegemarkeZeigen(bool zeigen);

    // Takes over a change of the records (the profile, smoothing, the height scale, marks) and
    // redraws. A view of the whole route stays one; a zoomed view keeps its km range as far as
    // it still lies on the route.
    void Aktualisieren();
    // The same without redrawing, for a picture that is drawn onto a painter next.
    void Uebernehmen();

    // km ranges: the whole route from 0 to its end, and the one shown.
    QCPRange Routenbereich() const;
    QCPRange Bereich() const { return xAxis->range(); }
    // Shows `km`, kept within the route and no narrower than MindestBereich; redraws.
    void BereichSetzen(const QCPRange& km);
    void GanzeRoute();
    bool ZeigtGanzeRoute() const { return ganzeRoute_; }

    // The readout of the crosshair, empty while the pointer is outside the chart.
    QString AblesungsAnzeige() const;
    // The selected stretch (km, ascending) and its figures; none before the first Shift-drag.
    std::optional<QCPRange> Auswahl() const { return auswahl_; }
    std::optional<StreckenWerte> AuswahlWerte() const;
    QString AuswahlAnzeige() const;

    // The climbs and the joins that do not fit, as found at the last update.
    const AnstiegsAnzeige& Anstiege() const { return anstiege_; }
    // Draws the climb `index` stronger (none: all alike).
    void AnstiegWaehlen(std::optional<size_t> index);
    // Shows the climb `index` with a little of the route on either side; redraws.
    void AnstiegZeigen(size_t index);

    // The narrowest km range the wheel zooms to.
    static constexpr double MindestBereich = 0.05;

signals:
    // The stretch or its figures changed; `text` is empty when the selection was cleared.
    void AuswahlGeaendert(const QString& text);
    // The climbs were found anew (at every update).
    void AnstiegeGeaendert();
    // A click (without dragging) on the band of climb `index`.
    void AnstiegGeklickt(size_t index);

protected:
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void mouseDoubleClickEvent(QMouseEvent* ereignis) override;
    void leaveEvent(QEvent* ereignis) override;
    void paintEvent(QPaintEvent* ereignis) override;

private:
    void AchsenEinrichten();
    void LinienEinrichten();
    void HoehenbereichSetzen();
    void Reduzieren();
    void BereichBegrenzen(const QCPRange& neu);
    bool Geglaettet() const;

    // route_chart_reading.cpp: the crosshair over the chart, the stretch on QCustomPlot's
    // buffered overlay layer.
    void AuswahlEinrichten();
    void FadenkreuzSetzen(QPointF pixel);
    void FadenkreuzAus();
    void AuswahlSetzen(std::optional<QCPRange> km);
    void UeberlagerungZeichnen();
    bool ImDiagramm(QPointF pixel) const;

    const HoprexDaten* daten_ = nullptr;
    RoutenDarstellung darstellung_;
    bool ganzeRoute_ = true;

    QCPTextElement* kopf_ = nullptr;
    QCPLayoutGrid* legendenZeile_ = nullptr;
    TFuellungsEbene* fuellung_ = nullptr;
    QCPGraph* linieRoh_ = nullptr;
    QCPGraph* linieGeglaettet_ = nullptr;
    TMarkierungsEbene* markierungen_ = nullptr;
    TAbschnittsEbene* abschnitte_ = nullptr;
    AnstiegsAnzeige anstiege_;
    TAnstiegsBaender* anstiegsBaender_ = nullptr;
    TAnstiegsBeschriftung* anstiegsTexte_ = nullptr;
    std::optional<QPointF> druck_; // px, where a plain left press began

    std::optional<Fadenkreuz> fadenkreuz_;
    std::optional<QPointF> zeiger_; // px, while the crosshair is shown
    QCPItemRect* auswahlBand_ = nullptr;
    QCPItemText* auswahlText_ = nullptr;
    std::optional<QCPRange> auswahl_;
    std::optional<double> auswahlStart_; // km, while a Shift-drag runs
};
