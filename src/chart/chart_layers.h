#pragma once

#include "model/hoprex_data.h"
#include "model/route_columns.h"
#include "model/route_view_settings.h"

#include <qcustomplot.h>

// Layers of the route chart that QCustomPlot has no plottable for, painted with QPainter inside
// the axis rect. The profile is read at each drawing, never copied; a route of a thousand
// sections would otherwise be a thousand item objects to rebuild after every edit.

class TChartEbene : public QCPLayerable {
public:
    // Without antialiasing: boundaries, bands and the fill's columns sit on whole pixels.
    TChartEbene(QCustomPlot* plot, const QString& ebene) : QCPLayerable(plot, ebene) {
        setAntialiased(false);
    }
    void DatenSetzen(const HoprexDaten* daten) { daten_ = daten; }

protected:
    void applyDefaultAntialiasingHint(QCPPainter* maler) const override;
    QRect clipRect() const override;
    // The overall profile, nullptr when there is none to draw.
    const Profile* Gesamt() const;
    const HoprexDaten* daten_ = nullptr;
};

// The area below the height line, one filled pixel column beside the other, each coloured by
// the gradient class of its stretch: the line reduced to the axis rect's pixel columns, which
// the chart hands over at each layout.
class TFuellungsEbene : public TChartEbene {
public:
    using TChartEbene::TChartEbene;
    void DarstellungSetzen(const RoutenDarstellung& darstellung) { darstellung_ = darstellung; }
    void SpaltenSetzen(std::vector<RoutenSpalte> spalten) { spalten_ = std::move(spalten); }

protected:
    void draw(QCPPainter* maler) override;

private:
    RoutenDarstellung darstellung_;
    std::vector<RoutenSpalte> spalten_; // one per pixel column of the axis rect
};

// The bands behind the marked sections, over the whole height of the axis rect.
class TMarkierungsEbene : public TChartEbene {
public:
    using TChartEbene::TChartEbene;

protected:
    void draw(QCPPainter* maler) override;
};

// The section boundaries, the sections' numbers and descriptions at the top (where there is
// room for them), and the insertion mark.
class TAbschnittsEbene : public TChartEbene {
public:
    using TChartEbene::TChartEbene;
    void DarstellungSetzen(const RoutenDarstellung& darstellung) { darstellung_ = darstellung; }
    void EinfuegemarkeZeigen(bool zeigen) { einfuegemarke_ = zeigen; }

protected:
    void draw(QCPPainter* maler) override;

private:
    void EinfuegemarkeZeichnen(QCPPainter* maler, const Profile& gesamt) const;

    RoutenDarstellung darstellung_;
    bool einfuegemarke_ = true;
};
