#include "chart/crosshair.h"

#include "chart/chart_font.h"
#include "display/route_colors.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr double ZeigerAbstand = 16.0; // px between the pointer and the readout box
constexpr int Rand = 6;                // px between the box's edge and its text
constexpr double PunktRadius = 4.0;    // px

QFont Schrift() {
    return ChartSchrift(12);
}

} // namespace

Fadenkreuz FadenkreuzBei(QPointF zeiger, QPointF punkt, const QString& text, const QRect& rahmen) {
    const QSizeF groesse = QSizeF(QFontMetrics(Schrift()).boundingRect(QRect(), 0, text).size()) +
                           QSizeF(2 * Rand, 2 * Rand);
    double x = zeiger.x() + ZeigerAbstand;
    if (x + groesse.width() > rahmen.right()) x = zeiger.x() - ZeigerAbstand - groesse.width();
    double y = zeiger.y() + ZeigerAbstand;
    if (y + groesse.height() > rahmen.bottom()) y = zeiger.y() - ZeigerAbstand - groesse.height();
    const QPointF ecke(std::max<double>(x, rahmen.left()), std::max<double>(y, rahmen.top()));
    return {punkt, QRectF(ecke, groesse), text};
}

QRegion FadenkreuzFlaeche(const Fadenkreuz& f, const QRect& rahmen) {
    const int x = static_cast<int>(f.Punkt.x());
    const int y = static_cast<int>(f.Punkt.y());
    QRegion flaeche(QRect(x - 6, rahmen.top(), 13, rahmen.height()));
    flaeche += QRect(rahmen.left(), y - 6, rahmen.width(), 13);
    flaeche += f.Feld.toAlignedRect().adjusted(-1, -1, 1, 1);
    return flaeche.intersected(rahmen);
}

void FadenkreuzZeichnen(QPainter& maler, const Fadenkreuz& f, const QRect& rahmen) {
    maler.save();
    maler.setClipRect(rahmen);
    maler.setPen(QPen(RoutenFadenkreuz, 1, Qt::DashLine));
    maler.drawLine(QLineF(f.Punkt.x(), rahmen.top(), f.Punkt.x(), rahmen.bottom()));
    maler.drawLine(QLineF(rahmen.left(), f.Punkt.y(), rahmen.right(), f.Punkt.y()));
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(QPen(RoutenFadenkreuz, 1.5));
    maler.setBrush(Qt::white);
    maler.drawEllipse(f.Punkt, PunktRadius, PunktRadius);
    maler.setPen(QPen(QColor(150, 150, 150), 1));
    maler.setBrush(QColor(255, 255, 255, 235));
    maler.drawRect(f.Feld.adjusted(0.5, 0.5, -0.5, -0.5));
    maler.setFont(Schrift());
    maler.setPen(Qt::black);
    maler.drawText(f.Feld.adjusted(Rand, Rand, -Rand, -Rand), Qt::AlignLeft | Qt::AlignTop, f.Text);
    maler.restore();
}
