#include "chart/chart_layers.h"

#include "chart/chart_font.h"
#include "display/graph_steps.h"
#include "display/route_colors.h"
#include "model/gradient_classes.h"

namespace {

// Boundaries closer than this to the last one drawn are left out: a thousand sections on a
// screen's width would otherwise grey the whole chart.
constexpr double GrenzenAbstand = 6.0; // px
constexpr int MarkeHalbeBreite = 8;    // px, as in the main window's graph
constexpr int MarkeHoehe = 15;

// Walks the sections with their start and end in km, the float32 sums of their lengths as the
// main window's graph has them.
template <class Abschnitt>
void AbschnitteDurchlaufen(const Profile& gesamt, Abschnitt&& abschnitt) {
    float anfang = 0.0f;
    for (int32_t i = 0; i < gesamt.AnzahlAbschnitte(); ++i) {
        const float ende = anfang + gesamt.Abschnitte[i].Strecke;
        abschnitt(i, anfang, ende);
        anfang = ende;
    }
}

} // namespace

void TChartEbene::applyDefaultAntialiasingHint(QCPPainter* maler) const {
    applyAntialiasingHint(maler, mAntialiased, QCP::aeOther);
}

QRect TChartEbene::clipRect() const {
    return parentPlot()->axisRect()->rect();
}

const Profile* TChartEbene::Gesamt() const {
    if (daten_ == nullptr || daten_->Gesamt.Abschnitte.empty()) return nullptr;
    return &daten_->Gesamt;
}

void TFuellungsEbene::draw(QCPPainter* maler) {
    const QCPAxis* y = parentPlot()->yAxis;
    const QRect rahmen = clipRect();
    // A chart not laid out yet (a picture of a view never shown) has a plot area of negative
    // size: nothing to fill.
    if (rahmen.isEmpty()) return;
    const auto farbe = [this](const RoutenSpalte& s) {
        const double steigung = darstellung_.SteigungBetrag ? std::fabs(s.Steigung) : s.Steigung;
        return darstellung_.Steigungsfarben ? SteigungsFarbe(SteigungsKlasse(steigung))
                                            : RoutenFuellung;
    };
    const auto oben = [&](const RoutenSpalte& s) {
        return static_cast<int>(std::clamp(std::floor(y->coordToPixel(s.HoeheMax)) - rahmen.top(),
                                           0.0, static_cast<double>(rahmen.height())));
    };
    const int32_t anzahl = std::min(static_cast<int32_t>(spalten_.size()), rahmen.width());
    const std::vector<RoutenSpalte>& spalten = spalten_;

    // A picture for an SVG file, a PDF or a printer: a rectangle per column, which stays sharp
    // at any scale.
    if (maler->modes().testFlag(QCPPainter::pmVectorized)) {
        for (int32_t c = 0; c < anzahl; ++c)
            if (spalten[c].Belegt)
                maler->fillRect(QRect(rahmen.left() + c, rahmen.top() + oben(spalten[c]), 1,
                                      rahmen.height() - oben(spalten[c])),
                                farbe(spalten[c]));
        return;
    }
    // On screen and in a PNG the columns are written into an image row by row and drawn at
    // once: QPainter fills a rectangle one pixel row at a time, so a rectangle per column would
    // cost a span per pixel, hundreds of thousands per redraw.
    std::vector<int> anfang(anzahl, rahmen.height());
    std::vector<QRgb> rgb(anzahl);
    for (int32_t c = 0; c < anzahl; ++c) {
        if (!spalten[c].Belegt) continue;
        anfang[c] = oben(spalten[c]);
        rgb[c] = farbe(spalten[c]).rgba();
    }
    // Only the part that the device shows is built: a large picture is drawn in bands, each
    // onto a device a band high, and a plot area's image would take all of its pixels.
    const QRect geraet(0, 0, maler->device()->width(), maler->device()->height());
    const QRect teil = rahmen & maler->transform().inverted().mapRect(geraet);
    if (teil.isEmpty()) return;
    const int links = teil.left() - rahmen.left();
    const int obenTeil = teil.top() - rahmen.top();
    const int32_t bis = std::min(anzahl, links + teil.width());
    QImage bild(teil.size(), QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    for (int zeile = 0; zeile < teil.height(); ++zeile) {
        auto* pixel = reinterpret_cast<QRgb*>(bild.scanLine(zeile));
        for (int32_t c = links; c < bis; ++c)
            if (anfang[c] <= obenTeil + zeile) pixel[c - links] = rgb[c];
    }
    maler->drawImage(teil.topLeft(), bild);
}

void TMarkierungsEbene::draw(QCPPainter* maler) {
    const Profile* gesamt = Gesamt();
    if (gesamt == nullptr) return;
    const QCPAxis* x = parentPlot()->xAxis;
    const QRect rahmen = clipRect();
    maler->setPen(Qt::NoPen);
    maler->setBrush(RoutenMarkierung);
    AbschnitteDurchlaufen(*gesamt, [&](int32_t i, float anfang, float ende) {
        if (!gesamt->Abschnitte[i].Markiert) return;
        const double links = x->coordToPixel(anfang);
        const double rechts = x->coordToPixel(ende);
        if (rechts < rahmen.left() || links > rahmen.right()) return;
        maler->drawRect(
            QRectF(QPointF(std::max(links, rahmen.left() - 1.0), rahmen.top()),
                   QPointF(std::min(rechts, rahmen.right() + 1.0), rahmen.bottom() + 1)));
    });
}

void TAbschnittsEbene::draw(QCPPainter* maler) {
    const Profile* gesamt = Gesamt();
    if (gesamt == nullptr) return;
    const QCPAxis* x = parentPlot()->xAxis;
    const QRect rahmen = clipRect();
    const QFont schrift = ChartSchrift(11);
    const QFontMetrics metrik(schrift);
    // Digits have one width: whether a number fits is known without measuring each text, which
    // for a thousand sections would cost more than all the rest of the chart.
    const int ziffer = metrik.horizontalAdvance(QLatin1Char('0'));
    maler->setFont(schrift);
    QPen grenze(RoutenGrenze, 1);
    grenze.setCosmetic(true);
    double letzteGrenze = -1e9;
    AbschnitteDurchlaufen(*gesamt, [&](int32_t i, float anfang, float ende) {
        const double links = x->coordToPixel(anfang);
        const double rechts = x->coordToPixel(ende);
        if (rechts < rahmen.left() || links > rahmen.right()) return;
        if (rechts - letzteGrenze >= GrenzenAbstand && rechts <= rahmen.right()) {
            maler->setPen(grenze);
            const double spalte = std::floor(rechts) + 0.5;
            maler->drawLine(QLineF(spalte, rahmen.top(), spalte, rahmen.bottom()));
            letzteGrenze = rechts;
        }
        if (!darstellung_.Abschnittsnamen) return;
        // The label starts in the section's visible part and must fit before its end.
        const double anfangSichtbar = std::max(links, static_cast<double>(rahmen.left()));
        const int platz = static_cast<int>(std::min(rechts, static_cast<double>(rahmen.right())) -
                                           anfangSichtbar) -
                          6;
        if (platz < ziffer * static_cast<int>(std::log10(i + 1) + 1)) return;
        const QString nummer = QString::number(i + 1);
        const std::string& beschreibung = gesamt->Abschnitte[i].Beschreibung;
        const QString text =
            BeschreibungLeer(beschreibung)
                ? nummer
                : metrik.elidedText(nummer + ' ' + QString::fromStdString(beschreibung),
                                    Qt::ElideRight, platz);
        maler->setPen(RoutenBeschriftung);
        maler->drawText(QPointF(anfangSichtbar + 3, rahmen.top() + 3 + metrik.ascent()), text);
    });
    if (einfuegemarke_) EinfuegemarkeZeichnen(maler, *gesamt);
}

void TAbschnittsEbene::EinfuegemarkeZeichnen(QCPPainter* maler, const Profile& gesamt) const {
    const double xm =
        parentPlot()->xAxis->coordToPixel(EinfuegemarkenPosition(gesamt, daten_->Einfuegemarke));
    const double oben = clipRect().top();
    maler->setAntialiasing(true);
    maler->setPen(QPen(Qt::black, 1));
    maler->setBrush(RoutenEinfuegemarke);
    maler->drawPolygon(
        QPolygonF({QPointF(xm - MarkeHalbeBreite, oben), QPointF(xm + MarkeHalbeBreite, oben),
                   QPointF(xm, oben + MarkeHoehe)}));
}
