#pragma once

#include "chart/chart_layers.h"
#include "model/climbs.h"

#include <optional>
#include <vector>

// The climbs in the route chart: a shaded band over each, from the top of the chart down to its
// summit, behind everything else, its label at the band's foot where there is room, and a mark
// at each join of two sections that do not meet in height. The band keeps clear of the line and
// the fill: they stay as readable as on a route without climbs.

// What the chart found in the route at its last update, read by both layers.
struct AnstiegsAnzeige {
    std::vector<Anstieg> Anstiege;      // in route order
    std::vector<Hoehensprung> Spruenge; // in route order
    std::optional<size_t> Gewaehlt;     // the climb chosen in the table, drawn stronger
};

// The index of the climb whose band holds the position `km`, if any.
std::optional<size_t> AnstiegBei(const AnstiegsAnzeige& anzeige, double km);

// The bands, behind everything, from the top of the axis rect down to the climb's summit.
class TAnstiegsBaender : public TChartEbene {
public:
    TAnstiegsBaender(QCustomPlot* plot, const QString& ebene, const AnstiegsAnzeige& anzeige)
        : TChartEbene(plot, ebene), anzeige_(anzeige) {}

protected:
    void draw(QCPPainter* maler) override;

private:
    const AnstiegsAnzeige& anzeige_;
};

// The labels over the climbs' tops and the marks at the joins, in front of the line.
class TAnstiegsBeschriftung : public TChartEbene {
public:
    TAnstiegsBeschriftung(QCustomPlot* plot, const QString& ebene, const AnstiegsAnzeige& anzeige)
        : TChartEbene(plot, ebene), anzeige_(anzeige) {}

protected:
    void draw(QCPPainter* maler) override;

private:
    void SpruengeZeichnen(QCPPainter* maler, const Profile& gesamt) const;

    const AnstiegsAnzeige& anzeige_;
};
