#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QRegion>
#include <QString>

class QPainter;

// The route chart's crosshair with its readout box. It is painted over the chart on screen
// only, straight onto the widget: moving it repaints the strips it leaves and enters, not the
// chart (QCustomPlot's overlay layer would blend a buffer of the whole widget at every move).
struct Fadenkreuz {
    QPointF Punkt; // px, the point read, on the line
    QRectF Feld;   // px, the readout box
    QString Text;  // the readout, one item a line
};

// The crosshair through `punkt` with the readout beside the pointer `zeiger`, on the side where
// the box stays inside `rahmen` (the axis rect).
Fadenkreuz FadenkreuzBei(QPointF zeiger, QPointF punkt, const QString& text, const QRect& rahmen);

// The pixels the crosshair covers within `rahmen`: what to repaint when it moves or goes.
QRegion FadenkreuzFlaeche(const Fadenkreuz& f, const QRect& rahmen);

// Paints the crosshair, clipped to `rahmen`.
void FadenkreuzZeichnen(QPainter& maler, const Fadenkreuz& f, const QRect& rahmen);
