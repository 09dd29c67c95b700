// Reading the route chart: the crosshair with its readout under the pointer, the stretch
// selected by a Shift-drag, and the mouse that pans, zooms and shows the whole route. The
// stretch lies on QCustomPlot's buffered overlay layer, which is redrawn alone while it is
// dragged; the crosshair is painted over the chart (crosshair.h).
#include "chart/chart_font.h"
#include "chart/crosshair.h"
#include "chart/route_chart.h"
#include "display/route_colors.h"
#include "display/route_texts.h"
#include "model/route_reading.h"

namespace {

const QString Ueberlagerung = QStringLiteral("overlay");
constexpr double KlickSpielraum = 3.0; // px the pointer may move in a click

QCPItemText* Textfeld(QCustomPlot* plot) {
    auto* text = new QCPItemText(plot);
    text->setLayer(Ueberlagerung);
    text->setFont(ChartSchrift(12));
    text->setPadding(QMargins(6, 4, 6, 4));
    text->setBrush(QColor(255, 255, 255, 235));
    text->setPen(QPen(QColor(150, 150, 150), 1));
    text->setTextAlignment(Qt::AlignLeft);
    text->setSelectable(false);
    text->setVisible(false);
    return text;
}

} // namespace

void TRoutenChart::AuswahlEinrichten() {
    auswahlBand_ = new QCPItemRect(this);
    auswahlBand_->setLayer(Ueberlagerung);
    for (QCPItemPosition* ecke : {auswahlBand_->topLeft, auswahlBand_->bottomRight}) {
        ecke->setTypeX(QCPItemPosition::ptPlotCoords);
        ecke->setTypeY(QCPItemPosition::ptAxisRectRatio);
    }
    auswahlBand_->setBrush(RoutenAuswahl);
    auswahlBand_->setPen(QPen(RoutenAuswahl.darker(150), 1));
    auswahlBand_->setSelectable(false);
    auswahlBand_->setVisible(false);
    auswahlText_ = Textfeld(this);
    auswahlText_->position->setTypeX(QCPItemPosition::ptPlotCoords);
    auswahlText_->position->setTypeY(QCPItemPosition::ptAxisRectRatio);
    auswahlText_->setPositionAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

bool TRoutenChart::ImDiagramm(QPointF pixel) const {
    return axisRect()->rect().contains(pixel.toPoint());
}

void TRoutenChart::UeberlagerungZeichnen() {
    layer(Ueberlagerung)->replot();
}

void TRoutenChart::FadenkreuzSetzen(QPointF pixel) {
    const std::optional<Ablesung> a =
        daten_ != nullptr && ImDiagramm(pixel)
            ? AblesungBei(daten_->Gesamt, xAxis->pixelToCoord(pixel.x()))
            : std::nullopt;
    if (!a) {
        FadenkreuzAus();
        return;
    }
    zeiger_ = pixel;
    const QRect rahmen = axisRect()->rect();
    const QPointF punkt(xAxis->coordToPixel(a->Strecke),
                        yAxis->coordToPixel(Geglaettet() ? a->HoeheGeglaettet : a->Hoehe));
    QRegion alt;
    if (fadenkreuz_) alt = FadenkreuzFlaeche(*fadenkreuz_, rahmen);
    fadenkreuz_ = FadenkreuzBei(pixel, punkt, AblesungsText(daten_->Gesamt, *a), rahmen);
    update(alt + FadenkreuzFlaeche(*fadenkreuz_, rahmen));
}

void TRoutenChart::FadenkreuzAus() {
    zeiger_.reset();
    if (!fadenkreuz_) return;
    update(FadenkreuzFlaeche(*fadenkreuz_, axisRect()->rect()));
    fadenkreuz_.reset();
}

QString TRoutenChart::AblesungsAnzeige() const {
    return fadenkreuz_ ? fadenkreuz_->Text : QString();
}

void TRoutenChart::paintEvent(QPaintEvent* ereignis) {
    QCustomPlot::paintEvent(ereignis);
    if (!fadenkreuz_) return;
    QPainter maler(this);
    FadenkreuzZeichnen(maler, *fadenkreuz_, axisRect()->rect());
}

std::optional<StreckenWerte> TRoutenChart::AuswahlWerte() const {
    if (!auswahl_ || daten_ == nullptr) return std::nullopt;
    return StreckeAuswerten(daten_->Gesamt, auswahl_->lower, auswahl_->upper, Geglaettet());
}

QString TRoutenChart::AuswahlAnzeige() const {
    const std::optional<StreckenWerte> werte = AuswahlWerte();
    return werte ? StreckenText(*werte) : QString();
}

void TRoutenChart::AuswahlSetzen(std::optional<QCPRange> km) {
    if (km) km->normalize();
    auswahl_ = km;
    const QString text = AuswahlAnzeige();
    auswahlBand_->setVisible(auswahl_.has_value());
    auswahlText_->setVisible(auswahl_.has_value());
    if (auswahl_) {
        auswahlBand_->topLeft->setCoords(auswahl_->lower, 0.0);
        auswahlBand_->bottomRight->setCoords(auswahl_->upper, 1.0);
        // Under the section labels, over the middle of the stretch.
        auswahlText_->position->setCoords(auswahl_->center(), 0.08);
        auswahlText_->setText(text);
    }
    UeberlagerungZeichnen();
    emit AuswahlGeaendert(text);
}

void TRoutenChart::mousePressEvent(QMouseEvent* ereignis) {
    if (ereignis->button() == Qt::LeftButton && ereignis->modifiers().testFlag(Qt::ShiftModifier) &&
        ImDiagramm(ereignis->position())) {
        auswahlStart_ = xAxis->pixelToCoord(ereignis->position().x());
        AuswahlSetzen(QCPRange(*auswahlStart_, *auswahlStart_));
        ereignis->accept();
        return;
    }
    druck_.reset();
    if (ereignis->button() == Qt::LeftButton && ImDiagramm(ereignis->position()))
        druck_ = ereignis->position();
    QCustomPlot::mousePressEvent(ereignis);
}

void TRoutenChart::mouseMoveEvent(QMouseEvent* ereignis) {
    if (auswahlStart_) {
        const QCPRange route = Routenbereich();
        const double km =
            std::clamp(xAxis->pixelToCoord(ereignis->position().x()), route.lower, route.upper);
        AuswahlSetzen(QCPRange(*auswahlStart_, km));
    } else {
        QCustomPlot::mouseMoveEvent(ereignis);
    }
    FadenkreuzSetzen(ereignis->position());
}

void TRoutenChart::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (auswahlStart_ && ereignis->button() == Qt::LeftButton) {
        auswahlStart_.reset();
        // A Shift-click without dragging clears the selection.
        if (auswahl_ && auswahl_->size() <= 0.0) AuswahlSetzen(std::nullopt);
        return;
    }
    QCustomPlot::mouseReleaseEvent(ereignis);
    // A press and release on the same spot, not a drag: a click on a climb's band.
    if (druck_ && ereignis->button() == Qt::LeftButton &&
        (ereignis->position() - *druck_).manhattanLength() <= KlickSpielraum) {
        const std::optional<size_t> anstieg =
            AnstiegBei(anstiege_, xAxis->pixelToCoord(ereignis->position().x()));
        if (anstieg) emit AnstiegGeklickt(*anstieg);
    }
    druck_.reset();
}

void TRoutenChart::mouseDoubleClickEvent(QMouseEvent* ereignis) {
    QCustomPlot::mouseDoubleClickEvent(ereignis);
    if (ereignis->button() == Qt::LeftButton) GanzeRoute();
}

void TRoutenChart::leaveEvent(QEvent* ereignis) {
    FadenkreuzAus();
    QCustomPlot::leaveEvent(ereignis);
}
