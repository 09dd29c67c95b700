#include "chart/climb_bands.h"

#include "chart/chart_font.h"
#include "display/climb_texts.h"
#include "display/route_colors.h"

#include <cmath>

namespace {

constexpr int Rand = 3;              // px between a label and its band's edges
constexpr double SprungAbstand = 40; // px: a join's height text only this far from the last

} // namespace

std::optional<size_t> AnstiegBei(const AnstiegsAnzeige& anzeige, double km) {
    for (size_t i = 0; i < anzeige.Anstiege.size(); ++i)
        if (km >= anzeige.Anstiege[i].Von && km <= anzeige.Anstiege[i].Bis) return i;
    return std::nullopt;
}

void TAnstiegsBaender::draw(QCPPainter* maler) {
    if (Gesamt() == nullptr) return;
    const QCPAxis* x = parentPlot()->xAxis;
    const QCPAxis* y = parentPlot()->yAxis;
    const QRect rahmen = clipRect();
    maler->setPen(Qt::NoPen);
    for (size_t i = 0; i < anzeige_.Anstiege.size(); ++i) {
        const Anstieg& a = anzeige_.Anstiege[i];
        const double links = std::max(x->coordToPixel(a.Von), rahmen.left() - 1.0);
        const double rechts = std::min(x->coordToPixel(a.Bis), rahmen.right() + 1.0);
        if (rechts < links) continue;
        maler->setBrush(anzeige_.Gewaehlt == i ? RoutenAnstiegGewaehlt : RoutenAnstieg);
        // A chart not laid out yet has an empty clip, whose bottom lies above its top.
        const double oben = rahmen.top();
        const double unten = std::clamp(y->coordToPixel(a.HoeheGipfel) - Rand, oben,
                                        std::max(oben, rahmen.bottom() + 1.0));
        maler->drawRect(QRectF(QPointF(links, rahmen.top()), QPointF(rechts, unten)));
    }
}

void TAnstiegsBeschriftung::draw(QCPPainter* maler) {
    const Profile* gesamt = Gesamt();
    if (gesamt == nullptr) return;
    const QCPAxis* x = parentPlot()->xAxis;
    const QCPAxis* y = parentPlot()->yAxis;
    const QRect rahmen = clipRect();
    const QFont schrift = ChartSchrift(11, true);
    const QFontMetrics metrik(schrift);
    maler->setFont(schrift);
    maler->setPen(RoutenAnstiegText);
    // Under the row of the section labels at the top.
    const double hoechstens = rahmen.top() + 2 * metrik.height() + Rand;
    // No label is narrower than "HC": a band narrower than that is passed over unmeasured, as
    // most are when a long route is shown whole.
    const int schmalste = metrik.horizontalAdvance(QStringLiteral("HC"));
    for (const Anstieg& a : anzeige_.Anstiege) {
        const double links = std::max(x->coordToPixel(a.Von), static_cast<double>(rahmen.left()));
        const double rechts = std::min(x->coordToPixel(a.Bis), static_cast<double>(rahmen.right()));
        const int platz = static_cast<int>(rechts - links) - 2 * Rand;
        if (platz < schmalste) continue;
        QString text = AnstiegsBeschriftung(a);
        if (metrik.horizontalAdvance(text) > platz) text = AnstiegsKurzbeschriftung(a);
        const int breite = metrik.horizontalAdvance(text);
        if (breite > platz) continue;
        const double grund = std::max(y->coordToPixel(a.HoeheGipfel) - 2 * Rand, hoechstens);
        maler->drawText(QPointF(std::round((links + rechts - breite) / 2), std::round(grund)),
                        text);
    }
    SpruengeZeichnen(maler, *gesamt);
}

// A red stroke from the height where one section ends to where the next begins, with the
// difference beside it where the last one is not too near.
void TAnstiegsBeschriftung::SpruengeZeichnen(QCPPainter* maler, const Profile& gesamt) const {
    const QCPAxis* x = parentPlot()->xAxis;
    const QCPAxis* y = parentPlot()->yAxis;
    const QRect rahmen = clipRect();
    const QFont schrift = ChartSchrift(10, true);
    maler->setFont(schrift);
    const QFontMetrics metrik(schrift);
    QPen stift(RoutenSprung, 2);
    stift.setCosmetic(true);
    double letzter = -1e9;
    for (const Hoehensprung& s : anzeige_.Spruenge) {
        const double spalte = x->coordToPixel(s.Km);
        if (spalte < rahmen.left() || spalte > rahmen.right()) continue;
        const int32_t nach = gesamt.Abschnitte[s.Abschnitt].Punkte[0].Hoehe;
        const double oben = y->coordToPixel(nach);
        const double unten = y->coordToPixel(static_cast<double>(nach) - s.Differenz);
        maler->setPen(stift);
        maler->drawLine(QLineF(spalte, oben, spalte, unten));
        maler->drawLine(QLineF(spalte - 4, oben, spalte + 4, oben));
        maler->drawLine(QLineF(spalte - 4, unten, spalte + 4, unten));
        if (spalte - letzter < SprungAbstand) continue;
        letzter = spalte;
        const QString text =
            QStringLiteral("%1%2 m").arg(s.Differenz > 0 ? "+" : "").arg(s.Differenz);
        // On a white ground: the fill beside a jump is often as red as the text.
        const QRectF feld(spalte + 6, (oben + unten - metrik.height()) / 2,
                          metrik.horizontalAdvance(text) + 4, metrik.height());
        maler->fillRect(feld, QColor(255, 255, 255, 220));
        maler->drawText(feld, Qt::AlignCenter, text);
    }
}
