// Reading the route chart: the crosshair with its readout under the pointer, the stretch
// selected by a Shift-drag, and the mouse that pans, zooms and shows the whole route. The
// crosshair and the stretch lie on QCustomPlot's buffered overlay layer, which is redrawn alone
// while the pointer moves.
#include "chart/chart_font.h"
#include "chart/route_chart.h"
#include "display/route_colors.h"
#include "display/route_texts.h"
#include "model/route_reading.h"

namespace {

const QString Ueberlagerung = QStringLiteral("overlay");
constexpr double ZeigerAbstand = 16.0; // px between the pointer and the readout box

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

void TRoutenChart::AblesungEinrichten() {
    const QPen faden(RoutenFadenkreuz, 1, Qt::DashLine);
    for (QCPItemStraightLine** linie : {&fadenSenkrecht_, &fadenWaagrecht_}) {
        *linie = new QCPItemStraightLine(this);
        (*linie)->setLayer(Ueberlagerung);
        (*linie)->setPen(faden);
        (*linie)->setSelectable(false);
        (*linie)->setVisible(false);
    }
    fadenPunkt_ = new QCPItemTracer(this);
    fadenPunkt_->setLayer(Ueberlagerung);
    fadenPunkt_->setStyle(QCPItemTracer::tsCircle);
    fadenPunkt_->setSize(8);
    fadenPunkt_->setPen(QPen(RoutenFadenkreuz, 1.5));
    fadenPunkt_->setBrush(Qt::white);
    fadenPunkt_->setSelectable(false);
    fadenPunkt_->setVisible(false);
    ablesung_ = Textfeld(this);
    ablesung_->position->setType(QCPItemPosition::ptAbsolute);
    ablesung_->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);

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
    const double hoehe = Geglaettet() ? a->HoeheGeglaettet : a->Hoehe;
    fadenSenkrecht_->point1->setCoords(a->Strecke, 0.0);
    fadenSenkrecht_->point2->setCoords(a->Strecke, 1.0);
    fadenWaagrecht_->point1->setCoords(0.0, hoehe);
    fadenWaagrecht_->point2->setCoords(1.0, hoehe);
    fadenPunkt_->position->setCoords(a->Strecke, hoehe);
    ablesung_->setText(AblesungsText(daten_->Gesamt, *a));

    // The box beside the pointer, on the side where it stays inside the axis rect.
    const QRect rahmen = axisRect()->rect();
    const QSize groesse =
        QFontMetrics(ablesung_->font()).boundingRect(QRect(), 0, ablesung_->text()).size() +
        QSize(12, 8);
    double x = pixel.x() + ZeigerAbstand;
    if (x + groesse.width() > rahmen.right()) x = pixel.x() - ZeigerAbstand - groesse.width();
    double y = pixel.y() + ZeigerAbstand;
    if (y + groesse.height() > rahmen.bottom()) y = pixel.y() - ZeigerAbstand - groesse.height();
    ablesung_->position->setCoords(std::max<double>(x, rahmen.left()),
                                   std::max<double>(y, rahmen.top()));
    for (QCPAbstractItem* teil : std::initializer_list<QCPAbstractItem*>{
             fadenSenkrecht_, fadenWaagrecht_, fadenPunkt_, ablesung_})
        teil->setVisible(true);
    UeberlagerungZeichnen();
}

void TRoutenChart::FadenkreuzAus() {
    zeiger_.reset();
    for (QCPAbstractItem* teil : std::initializer_list<QCPAbstractItem*>{
             fadenSenkrecht_, fadenWaagrecht_, fadenPunkt_, ablesung_})
        teil->setVisible(false);
    UeberlagerungZeichnen();
}

QString TRoutenChart::AblesungsAnzeige() const {
    return ablesung_->visible() ? ablesung_->text() : QString();
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
}

void TRoutenChart::mouseDoubleClickEvent(QMouseEvent* ereignis) {
    QCustomPlot::mouseDoubleClickEvent(ereignis);
    if (ereignis->button() == Qt::LeftButton) GanzeRoute();
}

void TRoutenChart::leaveEvent(QEvent* ereignis) {
    FadenkreuzAus();
    QCustomPlot::leaveEvent(ereignis);
}
